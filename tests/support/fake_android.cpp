// ov_fake_android: stands in for the Android SDK's project tool in tests. Plain portable C++.
//
//   create project --target T --name N --path P --activity A --package K
//       creates the project in P (and P itself when missing): build.xml, AndroidManifest.xml
//       with one activity A, res/values/strings.xml holding the string "app_name" = N,
//       res/layout/main.xml, ant.properties and src/<K as directories>/A.java. Existing files
//       are replaced.
//   update project --name N --target T --path P
//       rewrites P/build.xml.
//
// Each run is first recorded in the file named by OV_FAKE_TOOL_LOG, in the record format of
// ov_fake_tool (tests/support/fake_tool_log.h reads it). Exit code 0 on success, 1 when a file
// cannot be written, 2 for any other command line.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
  return bool(std::ofstream(path, std::ios::binary) << text);
}

std::string BuildXml(const char* how) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- " + std::string(how) +
         " by ov_fake_android -->\n<project default=\"help\">\n</project>\n";
}

bool CreateProject(const fs::path& path, const std::string& name, const std::string& activity,
                   const std::string& package) {
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
  // clang-format on
  std::string packageDirectory = package;
  std::replace(packageDirectory.begin(), packageDirectory.end(), '.', '/');
  std::string java = "package " + package + ";\n\npublic class " + activity + " {\n}\n";
  return WriteText(path / "build.xml", BuildXml("created")) &&
         WriteText(path / "AndroidManifest.xml", manifest) &&
         WriteText(path / "res" / "values" / "strings.xml", strings) &&
         WriteText(path / "res" / "layout" / "main.xml", "<LinearLayout/>\n") &&
         WriteText(path / "ant.properties", "# created by ov_fake_android\n") &&
         WriteText(path / "src" / fs::path(packageDirectory).make_preferred() / (activity + ".java"), java);
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* log = std::getenv("OV_FAKE_TOOL_LOG")) faketool::Record(log, argc, argv);
  std::string command = argc > 2 && std::string(argv[2]) == "project" ? argv[1] : "";
  fs::path path(Option(argc, argv, "--path"));
  std::string name = Option(argc, argv, "--name");
  std::string activity = Option(argc, argv, "--activity");
  std::string package = Option(argc, argv, "--package");
  // Both commands need a path and a name; creating also needs the activity and the package.
  if (path.empty() || name.empty()) command.clear();
  if (command == "create" && !activity.empty() && !package.empty()) {
    return CreateProject(path, name, activity, package) ? 0 : 1;
  }
  if (command == "update") return WriteText(path / "build.xml", BuildXml("updated")) ? 0 : 1;
  std::fprintf(stderr, "ov_fake_android: unexpected command line\n");
  return 2;
}
