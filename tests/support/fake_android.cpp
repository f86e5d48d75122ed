// ov_fake_android: stands in for the Android SDK's project tool in tests. Plain portable C++.
//
//   create project --target T --name N --path P --activity A --package K
//       creates the project in P (and P itself when missing): build.xml, AndroidManifest.xml
//       with one activity A, res/values/strings.xml holding the string "app_name" = N,
//       res/layout/main.xml, ant.properties and src/<K as directories>/A.java. Existing files
//       are replaced.
//   update project --name N --target T --path P
//       rewrites P/build.xml (P must hold a project).
//
// Each run is first recorded in the file named by OV_FAKE_TOOL_LOG, in the record format of
// ov_fake_tool (tests/support/fake_tool_log.h reads it). Exit code 0 on success, 1 when a file
// cannot be written or the project to update is missing, 2 for any other command line.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/fake_tool_record.h"

namespace fs = std::filesystem;

namespace {

std::string XmlEscaped(const std::string& text) {
  static const char* const kEntities[] = {"&amp;", "&lt;", "&gt;", "&quot;"};
  std::string result;
  for (char c : text) {
    size_t special = std::string("&<>\"").find(c);
    result += special == std::string::npos ? std::string(1, c) : kEntities[special];
  }
  return result;
}

// The value after option in argv, or empty.
std::string Option(int argc, char** argv, const char* option) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == option) return argv[i + 1];
  }
  return std::string();
}

bool WriteText(const fs::path& path, const std::string& text) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  FILE* file = std::fopen(path.string().c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

std::string BuildXml(const std::string& name, const char* how) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- " + std::string(how) +
         " by ov_fake_android -->\n<project name=\"" + XmlEscaped(name) +
         "\" default=\"help\">\n</project>\n";
}

int CreateProject(const fs::path& path, const std::string& name, int argc, char** argv) {
  std::string activity = Option(argc, argv, "--activity");
  std::string package = Option(argc, argv, "--package");
  if (activity.empty() || package.empty()) return 2;

  // clang-format off
  std::string manifest = R"(<?xml version="1.0" encoding="utf-8"?>
<manifest xmlns:android="http://schemas.android.com/apk/res/android"
      package=")" + package + R"("
      android:versionCode="1"
      android:versionName="1.0">
    <application android:label="@string/app_name" android:icon="@drawable/ic_launcher">
        <activity android:name=")" + activity + R"("
                  android:label="@string/app_name">
            <intent-filter>
                <action android:name="android.intent.action.MAIN" />
                <category android:name="android.intent.category.LAUNCHER" />
            </intent-filter>
        </activity>
    </application>
</manifest>
)";
  std::string strings = R"(<?xml version="1.0" encoding="utf-8"?>
<resources>
    <string name="app_name">)" + XmlEscaped(name) + R"(</string>
</resources>
)";
  std::string layout = R"(<?xml version="1.0" encoding="utf-8"?>
<LinearLayout xmlns:android="http://schemas.android.com/apk/res/android"
    android:orientation="vertical" android:layout_width="fill_parent"
    android:layout_height="fill_parent">
</LinearLayout>
)";
  // clang-format on
  std::string packageDirectory = package;
  std::replace(packageDirectory.begin(), packageDirectory.end(), '.', '/');
  std::string java = "package " + package + ";\n\npublic class " + activity + " {\n}\n";

  bool written =
      WriteText(path / "build.xml", BuildXml(name, "created")) &&
      WriteText(path / "AndroidManifest.xml", manifest) &&
      WriteText(path / "res" / "values" / "strings.xml", strings) &&
      WriteText(path / "res" / "layout" / "main.xml", layout) &&
      WriteText(path / "ant.properties", "# created by ov_fake_android\n") &&
      WriteText(path / "src" / fs::path(packageDirectory).make_preferred() / (activity + ".java"), java);
  if (!written) {
    std::fprintf(stderr, "ov_fake_android: cannot write the project in %s\n", path.string().c_str());
    return 1;
  }
  std::printf("Created project directory: %s\n", path.string().c_str());
  return 0;
}

int UpdateProject(const fs::path& path, const std::string& name) {
  std::error_code error;
  if (!fs::exists(path / "AndroidManifest.xml", error)) {
    std::fprintf(stderr, "Error: %s is not an Android project\n", path.string().c_str());
    return 1;
  }
  if (!WriteText(path / "build.xml", BuildXml(name, "updated"))) return 1;
  std::printf("Updated file %s\n", (path / "build.xml").string().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* log = std::getenv("OV_FAKE_TOOL_LOG")) faketool::Record(log, argc, argv);
  std::string command = argc > 2 && std::string(argv[2]) == "project" ? argv[1] : "";
  // Both commands need a path and a name.
  fs::path path(Option(argc, argv, "--path"));
  std::string name = Option(argc, argv, "--name");
  int result = 2;
  if (command == "create" && !path.empty() && !name.empty()) result = CreateProject(path, name, argc, argv);
  if (command == "update" && !path.empty() && !name.empty()) result = UpdateProject(path, name);
  if (result == 2) std::fprintf(stderr, "ov_fake_android: unexpected command line\n");
  std::fflush(nullptr);
  return result;
}
