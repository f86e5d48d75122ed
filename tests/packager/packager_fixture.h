// Shared pieces of the packager's end-to-end tests: the project settings and build entries
// written into a PackagerSandbox, the paths that the packager computes from them (native
// separators, doubled where the packager doubles them) and checks on a run's output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "core/ovdirectory.h"
#include "core/platform/host.h"
#include "support/packager_sandbox.h"

namespace packagertest {

const std::string kSep(1, ovhost::kNativeSeparator);

// Each text followed by a line end.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

inline std::string Setting(const std::string& name, const std::string& value) {
  return "            <setting name=\"" + name + "\" value=\"" + value + "\"/>\n";
}

// The general group without the settings whose value is empty.
inline std::string GeneralSettings(const std::string& icon = "icons/game.png",
                                   const std::string& splash = "icons/splash.png",
                                   const std::string& name = "Demo", const std::string& major = "1",
                                   const std::string& minor = "2") {
  std::string settings = Setting("generalTmp", "tmp");
  if (!name.empty()) settings += Setting("generalName", name);
  if (!icon.empty()) settings += Setting("generalIcon", icon);
  if (!splash.empty()) settings += Setting("generalSplashScreen", splash);
  if (!major.empty()) settings += Setting("generalMajor", major);
  if (!minor.empty()) settings += Setting("generalMinor", minor);
  return settings;
}

inline std::string BuildEntry(const std::string& name, const std::string& platform,
                              const std::string& distribution, const std::string& api = "DX9") {
  return "        <build name=\"" + name + "\" platform=\"" + platform + "\" distribution=\"" + distribution +
         "\" api=\"" + api + "\" headerpath=\"\" librarypath=\"\" args=\"\"/>\n";
}

inline std::string ZipDistribution() { return "        <distrib name=\"Zip\" distribution=\"Zip\"/>\n"; }

// The build directory that Initialize computes for a build of the game project with
// generalTmp "tmp": <game>/tmp/<platform>//<build>/ in native form.
inline std::string BuildDirectory(const PackagerSandbox& sandbox, const std::string& platform,
                                  const std::string& build) {
  return sandbox.GameDir() + kSep + "tmp" + kSep + platform + kSep + kSep + build + kSep;
}

// The Windows packager's resource directory, <game>/tmp/Windows/rsc/ in native form.
inline std::string Rsc(const PackagerSandbox& sandbox) {
  return sandbox.GameDir() + kSep + "tmp" + kSep + "Windows" + kSep + "rsc" + kSep;
}
// A path of Rsc as game.rc and convert name it: forward slashes only.
inline std::string ScriptPath(const PackagerSandbox& sandbox, const std::string& name) {
  std::string path = Rsc(sandbox) + name;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}
const char kResourceHeader[] = "#define GAME_ICON 110\n";
inline std::string ResourceScript(const PackagerSandbox& sandbox) {
  return "#include \"res.h\"\nGAME_ICON ICON \"" + ScriptPath(sandbox, "game.ico") + "\"\n";
}
const char kRcFailed[] = "Failed to create .rc !\nFailed Configure in OvGamePackager.\n";
const std::string kCantCreateIco = std::string("Error : Can't create .ico file !\n") + kRcFailed;

inline ::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << part << "\" is not in:\n" << text;
}

inline bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The files directly in directory, in the order in which the packager lists them.
inline std::vector<std::string> Listing(const std::string& directory) {
  COvArray<OvFindFile> files;
  OvEnumerateDirectory(directory.c_str(), files);
  std::vector<std::string> names;
  for (const OvFindFile& file : files) names.push_back(file.name.GetBuffer());
  return names;
}

// "Copying %s\n" for each listed file of directory whose name is in wanted, in listing order.
inline std::string CopyingLines(const std::string& directory, const std::set<std::string>& wanted) {
  std::string lines;
  for (const std::string& path : Listing(directory)) {
    if (wanted.count(std::filesystem::path(path).filename().string())) lines += "Copying " + path + "\n";
  }
  return lines;
}

// Every file and directory below root, relative with '/' separators; directories end with '/'.
inline std::set<std::string> Tree(const std::string& root) {
  namespace fs = std::filesystem;
  std::set<std::string> entries;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::end(it);
       it.increment(error)) {
    entries.insert(fs::relative(it->path(), root).generic_string() + (it->is_directory() ? "/" : ""));
  }
  return entries;
}

// A game whose configuration holds the Windows build "Release" (distribution Zip): the default
// project, its icon and the build directory that the engine's build step creates.
class WindowsGameTest : public ::testing::Test {
 protected:
  WindowsGameTest() {
    sandbox.WriteFile(
        "game/game.config",
        ConfigurationXml("game.project", BuildEntry("Release", "Windows", "Zip"), ZipDistribution()));
    WriteProject(GeneralSettings());
    sandbox.WriteFile("game/icons/game.png", "png");
    std::filesystem::create_directories(BuildDirectory(sandbox, "Windows", "Release"));
  }
  void WriteProject(const std::string& settings, const std::string& version = "1.1") {
    sandbox.WriteFile("game/game.project", ProjectXml(version, settings));
  }
  ProgramResult Run(const std::string& action, int timeoutSeconds = 0) {
    return sandbox.Run({action, sandbox.ConfigFile(), "Release"}, timeoutSeconds);
  }
  // The icon that convert writes, renamed to game.ico once it succeeded.
  std::string TemporaryIco() const { return ScriptPath(sandbox, ".tmp-game.ico"); }

  PackagerSandbox sandbox;
  const std::string rsc = Rsc(sandbox);
};

// The run started, ended with main's status and wrote exactly err on standard error.
inline void ExpectOutcome(const ProgramResult& result, int status, const std::string& err) {
  ASSERT_TRUE(result.started);
  EXPECT_EQ(ExpectedExitCode(status), result.exitCode);
  EXPECT_EQ(err, WithoutCarriageReturns(result.err));
}

// As ExpectOutcome, for a standard error that ends with tail after output of the tools.
inline void ExpectOutcomeEndingWith(const ProgramResult& result, int status, const std::string& tail) {
  ASSERT_TRUE(result.started);
  EXPECT_EQ(ExpectedExitCode(status), result.exitCode);
  std::string err = WithoutCarriageReturns(result.err);
  EXPECT_TRUE(EndsWith(err, tail)) << "standard error:\n" << err << "\nexpected to end with:\n" << tail;
}

}  // namespace packagertest
