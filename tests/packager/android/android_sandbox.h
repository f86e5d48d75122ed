// AndroidSandbox: a packager sandbox set up for Android builds: the engine's Android template
// beside the tool directory, the SDK's project tool (ov_fake_android) and Ant and convert
// (ov_fake_tool) installed under their names, ANDROID_SDK_ROOT and ANT_HOME pointing at them,
// and a game whose configuration holds the Android build "Release".
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/host.h"
#include "support/packager_sandbox.h"
#include "support/scoped_env.h"

inline ::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << part << "\" is not in:\n" << text;
}

struct AndroidGame {
  std::string name = "Demo";
  bool icon = true;
  bool splash = true;
  // "setting" elements of the project's android group.
  std::string androidSettings;
};

class AndroidSandbox : public ::testing::Test {
 protected:
  AndroidSandbox() {
    // The fake tools read these; whatever the machine has set must not reach them.
    for (const char* setting :
         {"OV_FAKE_TOOL_EXIT", "OV_FAKE_TOOL_STDOUT", "OV_FAKE_TOOL_STDERR", "OV_FAKE_TOOL_STDOUT_BYTES",
          "OV_FAKE_TOOL_STDERR_BYTES", "OV_FAKE_TOOL_CREATE"}) {
      for (const char* tool : {"", "_ant", "_convert", "_android"}) Unset(std::string(setting) + tool);
    }
    SetEnv("ANDROID_SDK_ROOT", sandbox.Path("sdk").c_str());
    SetEnv("ANT_HOME", sandbox.Path("ant").c_str());

    androidTool = InstallScript("sdk/tools/android", FakeAndroidPath());
    antTool = InstallScript("ant/bin/ant", FakeToolPath());
    sandbox.WriteFile("Android/src/com/orvo/sdk/TheActivity.java", "package com.orvo.sdk;\n");
    sandbox.WriteFile("Android/libs/readme.txt", "native libraries\n");
    sandbox.WriteFile("game/art/splash_hd.jpg", "splash image bytes");
    sandbox.WriteFile("game/art/icon.png", "icon bytes");
    sandbox.WriteFile(
        "game/game.config",
        ConfigurationXml("game.project",
                         "        <build name=\"Release\" platform=\"Android\" distribution=\"\" "
                         "api=\"OpenGLES2\" headerpath=\"\" librarypath=\"\" args=\"\"/>\n"));
    WriteGame(AndroidGame());
  }

  ~AndroidSandbox() override {
    // Latest first, so every variable ends as it was before the test.
    while (!environment.empty()) environment.pop_back();
  }

  static std::string FakeAndroidPath() {
    return std::string(OV_TEST_BINARY_DIR) + "/tests/ov_fake_android" + ovhost::kExecutableSuffix;
  }

  // For the rest of the test; a null value removes the variable.
  void SetEnv(const std::string& name, const char* value) {
    environment.push_back(std::make_unique<ScopedEnv>(name, value));
  }
  void Unset(const std::string& name) { SetEnv(name, nullptr); }

  // Installs program at relative the way the SDK's and Ant's scripts are found: elsewhere the
  // program itself, on Windows relative.exe with relative.bat calling it. Returns the script.
  std::string InstallScript(const std::string& relative, const std::string& program) {
    std::string installed = sandbox.Path(relative + ovhost::kExecutableSuffix);
    std::filesystem::create_directories(std::filesystem::path(installed).parent_path());
    std::filesystem::copy_file(program, installed, std::filesystem::copy_options::overwrite_existing);
    if (!ovhost::kIsWindows) return installed;
    std::string name = std::filesystem::path(relative).filename().string();
    return sandbox.WriteFile(relative + ".bat", "@\"%~dp0" + name + ".exe\" %*\r\n@exit /b %ERRORLEVEL%\r\n");
  }

  void InstallFakeConvert() { sandbox.InstallFakeTool("tools/convert"); }

  void WriteGame(const AndroidGame& game) {
    std::string settings = "            <setting name=\"generalname\" value=\"" + game.name +
                           "\"/>\n"
                           "            <setting name=\"generaltmp\" value=\"tmp\"/>\n"
                           "            <setting name=\"generalmajor\" value=\"2\"/>\n"
                           "            <setting name=\"generalminor\" value=\"5\"/>\n";
    if (game.icon) settings += "            <setting name=\"generalicon\" value=\"art/icon.png\"/>\n";
    if (game.splash)
      settings += "            <setting name=\"generalsplashscreen\" value=\"art/splash_hd.jpg\"/>\n";
    settings += "            <mobile>\n                <android>\n" + game.androidSettings +
                "                </android>\n            </mobile>\n";
    sandbox.WriteFile("game/game.project", ProjectXml("1.1", settings));
  }

  static std::string Setting(const std::string& name, const std::string& value) {
    return "                    <setting name=\"" + name + "\" value=\"" + value + "\"/>\n";
  }

  static std::string Separator() { return std::string(1, ovhost::kNativeSeparator); }

  // The build directory as the packager spells it (the platform directory's separator doubled).
  std::string BuildDirectory() const {
    const std::string s = Separator();
    return sandbox.GameDir() + s + "tmp" + s + "Android" + s + s + "Release" + s;
  }
  std::string Built(const std::string& relative) const {
    return (std::filesystem::path(BuildDirectory()) / std::filesystem::path(relative).make_preferred())
        .string();
  }
  std::string ReadBuilt(const std::string& relative) const { return ReadFileBytes(Built(relative)); }

  ProgramResult Run(const std::string& action, const std::vector<std::string>& extra = {}) {
    std::vector<std::string> arguments{action, sandbox.ConfigFile(), "Release"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return sandbox.Run(arguments);
  }

  // The recorded runs of the tool installed under name (argv[0]'s file name without extension).
  std::vector<FakeToolRun> RunsOf(const std::string& name) const {
    std::vector<FakeToolRun> runs;
    for (const FakeToolRun& run : sandbox.ToolRuns()) {
      if (!run.args.empty() && std::filesystem::path(run.args[0]).stem().string() == name)
        runs.push_back(run);
    }
    return runs;
  }

  static std::vector<std::string> ArgumentsOf(const FakeToolRun& run) {
    return std::vector<std::string>(run.args.begin() + 1, run.args.end());
  }

  PackagerSandbox sandbox;
  std::vector<std::unique_ptr<ScopedEnv>> environment;
  std::string androidTool;
  std::string antTool;
};
