// PackagerSandbox: a throw-away installation for end-to-end runs of OvGamePackager: a tool
// directory holding a copy of the packager (and fake tools installed under their names), a
// game directory for the configuration and project files, and a log of the fake tools' runs.
#pragma once

#include <string>
#include <vector>

#include "support/fake_tool_log.h"
#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

class PackagerSandbox {
 public:
  PackagerSandbox();

  const TempDir& Dir() const { return m_dir; }
  // Native paths inside the sandbox.
  std::string Path(const std::string& relative) const { return m_dir.Join(relative); }
  std::string ToolDir() const { return Path("tools"); }
  std::string GameDir() const { return Path("game"); }
  std::string ConfigFile() const { return Path("game/game.config"); }
  std::string ProjectFile() const { return Path("game/game.project"); }

  // Copies ov_fake_tool into the sandbox at relative (the host's executable suffix added);
  // returns the installed path.
  std::string InstallFakeTool(const std::string& relative) const;
  std::string WriteFile(const std::string& relative, const std::string& content) const {
    return m_dir.WriteFile(relative, content);
  }
  std::vector<FakeToolRun> ToolRuns() const { return ReadFakeToolLog(m_log); }

  // Runs the sandbox's packager with the given arguments (argv[1] on), from the sandbox; see
  // RunProgram for the time limit.
  ProgramResult Run(const std::vector<std::string>& arguments, int timeoutSeconds = 0) const;

 private:
  TempDir m_dir;
  std::string m_log;
  ScopedEnv m_logEnv;
  // A fake convert writes its product to its last argument, as ImageMagick does.
  ScopedEnv m_convertProductEnv{"OV_FAKE_TOOL_PRODUCT_BYTES_convert", "64"};
};

// A configuration file with one build entry per line of builds (each a whole <build .../>
// element) and the given distribution elements.
std::string ConfigurationXml(const std::string& projectFile, const std::string& builds,
                             const std::string& distributions = std::string());

// A project file at version (empty: no version attribute) whose general group holds the given
// "setting" elements.
std::string ProjectXml(const std::string& version, const std::string& generalSettings);
