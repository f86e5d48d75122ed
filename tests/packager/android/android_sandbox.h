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

#include "packager/packager_fixture.h"

class AndroidSandbox : public ::testing::Test {
 protected:
  AndroidSandbox() {
    // The fake tools read these; whatever the machine has set must not reach them.
    for (const char* setting : {"EXIT", "STDOUT", "STDERR", "STDOUT_BYTES", "STDERR_BYTES"}) {
      for (const char* tool : {"", "_ant", "_convert", "_android"}) {
        SetEnv(std::string("OV_FAKE_TOOL_") + setting + tool, nullptr);
      }
    }
    SetEnv("ANDROID_SDK_ROOT", sandbox.Path("sdk").c_str());
    SetEnv("ANT_HOME", sandbox.Path("ant").c_str());
    androidTool =
        InstallScript("sdk/tools/android",
                      std::string(OV_TEST_BINARY_DIR) + "/tests/ov_fake_android" + ovhost::kExecutableSuffix);
    InstallScript("ant/bin/ant", FakeToolPath());
    sandbox.InstallFakeTool("tools/convert");
    sandbox.WriteFile("Android/src/com/orvo/sdk/TheActivity.java", "package com.orvo.sdk;\n");
    sandbox.WriteFile("Android/libs/readme.txt", "native libraries\n");
    sandbox.WriteFile("game/art/splash_hd.jpg", "splash image bytes");
    sandbox.WriteFile("game/art/icon.png", "icon bytes");
    sandbox.WriteFile(
        "game/game.config",
        ConfigurationXml("game.project", packagertest::BuildEntry("Release", "Android", "", "OpenGLES2")));
    WriteGame();
  }
  ~AndroidSandbox() override {
    // Latest first, so every variable ends as it was before the test.
    while (!environment.empty()) environment.pop_back();
  }

  // For the rest of the test; a null value removes the variable.
  void SetEnv(const std::string& name, const char* value) {
    environment.push_back(std::make_unique<ScopedEnv>(name, value));
  }

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

  // The game's project; androidSettings are "setting" elements of its android group.
  void WriteGame(const std::string& name = "Demo", bool icon = false, bool splash = true,
                 const std::string& androidSettings = "") {
    std::string settings =
        packagertest::Setting("generalname", name) + packagertest::Setting("generaltmp", "tmp") +
        packagertest::Setting("generalmajor", "2") + packagertest::Setting("generalminor", "5");
    if (icon) settings += packagertest::Setting("generalicon", "art/icon.png");
    if (splash) settings += packagertest::Setting("generalsplashscreen", "art/splash_hd.jpg");
    sandbox.WriteFile("game/game.project", ProjectXml("1.1", settings + "<mobile><android>" +
                                                                 androidSettings + "</android></mobile>\n"));
  }

  // The build directory as the packager spells it (the platform directory's separator doubled).
  std::string BuildDirectory() const { return packagertest::BuildDirectory(sandbox, "Android", "Release"); }
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
  // The first lines of standard error for the default game, whose build names no distribution.
  std::string NoIcon() const {
    return "project_settings icon not found in file " + sandbox.ProjectFile() + "\n";
  }
  std::string Preamble() const { return NoIcon() + "Warning : Distribution  not found, using default !\n"; }
  void ExpectSuccess(const ProgramResult& result) {
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  }

  // The arguments (argv[1] on) of the recorded runs of the tool installed under name.
  std::vector<std::vector<std::string>> RunsOf(const std::string& name) const {
    std::vector<std::vector<std::string>> runs;
    for (const FakeToolRun& run : sandbox.ToolRuns()) {
      if (std::filesystem::path(run.args[0]).stem().string() == name) {
        runs.emplace_back(run.args.begin() + 1, run.args.end());
      }
    }
    return runs;
  }

  PackagerSandbox sandbox;
  std::vector<std::unique_ptr<ScopedEnv>> environment;
  std::string androidTool;
};
