// OvGamePackager end to end under injected faults: a read-only or full output directory, a
// file-size limit, a missing tool, a tool killed by a signal, a tool flooding both output
// streams and one waiting on its input. Every run must end within its time limit with a
// message and a failing status, or succeed with complete files; a file is never left cut short
// under its own name, and the previous file survives every failure.
//
// Under Wine (the Windows leg) the tool faults run as well; the file-system faults need POSIX
// mounts or limits and are skipped there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/ovfindprogram.h"
#include "packager/packager_fixture.h"

namespace fs = std::filesystem;
using namespace packagertest;

namespace {

constexpr int kTimeLimitSeconds = 180;

const char kHeader[] = "#define GAME_ICON 110\n";
const char kOldHeader[] = "previous header\n";
const char kOldScript[] = "previous script\n";
const char kOldIcon[] = "previous icon";

const char kCantCreateIco[] = "Error : Can't create .ico file !\nFailed to create .rc !\nFailed Configure in OvGamePackager.\n";

#ifndef _WIN32
// Runs a system program (mount, umount, prlimit) found on the PATH; false when it is missing or
// fails.
bool RunSystem(const char* name, const std::vector<std::string>& arguments) {
  const TOvString<char> program = OvFindProgramOnPath(name);
  if (program.IsEmpty()) return false;
  ProgramResult result = RunProgram(program.GetBuffer(), arguments, std::string(), 30);
  return result.started && result.exitCode == 0;
}

// A file system mounted on directory (by mount with the given arguments) for the rest of the
// test.
class ScopedMount {
 public:
  ScopedMount(const std::string& directory, const std::vector<std::string>& arguments)
      : m_directory(directory), m_mounted(RunSystem("mount", arguments)) {}
  ~ScopedMount() {
    if (m_mounted) RunSystem("umount", {m_directory});
  }
  bool Mounted() const { return m_mounted; }

 private:
  std::string m_directory;
  bool m_mounted = false;
};
#endif

class FaultInjection : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox.WriteFile("game/game.config",
                      ConfigurationXml("game.project", BuildEntry("Release", "Windows", "Zip"), ZipDistribution()));
    sandbox.WriteFile("game/game.project", ProjectXml("1.1", GeneralSettings()));
    sandbox.WriteFile("game/icons/game.png", "png");
    fs::create_directories(Rsc());
    fs::create_directories(BuildDirectory(sandbox, "Windows", "Release"));
  }

  std::string Rsc() const { return sandbox.GameDir() + kSep + "tmp" + kSep + "Windows" + kSep + "rsc" + kSep; }
  std::string Script() const {
    std::string ico = Rsc() + "game.ico";
    for (char& c : ico) {
      if (c == '\\') c = '/';
    }
    return "#include \"res.h\"\nGAME_ICON ICON \"" + ico + "\"\n";
  }

  void WritePreviousResources() {
    sandbox.WriteFile("game/tmp/Windows/rsc/res.h", kOldHeader);
    sandbox.WriteFile("game/tmp/Windows/rsc/game.rc", kOldScript);
    sandbox.WriteFile("game/tmp/Windows/rsc/game.ico", kOldIcon);
  }

  ProgramResult Run(const std::string& action) {
    ProgramResult result = sandbox.Run({action, sandbox.ConfigFile(), "Release"}, kTimeLimitSeconds);
    EXPECT_FALSE(result.timedOut) << "the run did not end within " << kTimeLimitSeconds << " s";
    return result;
  }

  // Each file holds either its new content or (after a failure) its previous one, never a
  // part of either; temporary files are gone. An empty previous text means "no file".
  void ExpectWholeFile(const std::string& path, const std::string& fresh, const std::string& previous) {
    SCOPED_TRACE(path);
    if (previous.empty() && !fs::exists(path)) return;
    const std::string bytes = WithoutCarriageReturns(ReadFileBytes(path));
    EXPECT_TRUE(bytes == fresh || bytes == previous) << "holds: " << bytes;
  }
  void ExpectNoTemporaryFiles() {
    for (const fs::directory_entry& entry : fs::directory_iterator(Rsc())) {
      EXPECT_NE(0u, entry.path().filename().string().rfind(".tmp-", 0)) << entry.path();
    }
  }
  // The state after a failed configure: the previous resources as they were.
  void ExpectPreviousResources() {
    EXPECT_EQ(kOldHeader, ReadFileBytes(Rsc() + "res.h"));
    EXPECT_EQ(kOldScript, ReadFileBytes(Rsc() + "game.rc"));
    EXPECT_EQ(kOldIcon, ReadFileBytes(Rsc() + "game.ico"));
  }

  PackagerSandbox sandbox;
};

TEST_F(FaultInjection, ReadOnlyResourceDirectoryFailsAndKeepsThePreviousFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows creates files in read-only directories";
#else
  sandbox.InstallFakeTool("tools/convert");
  WritePreviousResources();
  // An owner without write permission, or (for root, whom permissions do not stop) a read-only
  // bind mount of the directory on itself.
  fs::permissions(Rsc(), fs::perms::owner_read | fs::perms::owner_exec);
  const std::string probe = Rsc() + "probe";
  const bool writable = std::ofstream(probe).is_open();
  std::unique_ptr<ScopedMount> bind;
  if (writable) {
    fs::remove(probe);
    bind = std::make_unique<ScopedMount>(Rsc(), std::vector<std::string>{"--bind", Rsc(), Rsc()});
    if (!bind->Mounted() || !RunSystem("mount", {"-o", "remount,ro,bind", Rsc()})) {
      GTEST_SKIP() << "cannot make a directory read-only here";
    }
  }
  ProgramResult result = Run("--configure");
  ExpectOutcome(result, -5,
                "Error : Can't open " + Rsc() + "res.h file !\nFailed to create .rc !\nFailed Configure in OvGamePackager.\n");
  ExpectPreviousResources();
  bind.reset();
  fs::permissions(Rsc(), fs::perms::owner_all);
  ExpectNoTemporaryFiles();
#endif
}

TEST_F(FaultInjection, FullDiskFailsAndKeepsThePreviousFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a small POSIX file system";
#else
  ScopedMount disk(Rsc(), {"-t", "tmpfs", "-o", "size=256k", "tmpfs", Rsc()});
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  sandbox.InstallFakeTool("tools/convert");
  WritePreviousResources();
  {
    // Fills every free block.
    std::ofstream filler(Rsc() + "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size())) {
    }
  }
  ProgramResult result = Run("--configure");
  ExpectOutcome(result, -5,
                "Error : Can't close " + Rsc() + "res.h file !\nFailed to create .rc !\nFailed Configure in OvGamePackager.\n");
  ExpectPreviousResources();
  ExpectNoTemporaryFiles();

  // With room for the scripts but not for the icon, the scripts are replaced whole and the icon
  // keeps its previous content.
  fs::remove(Rsc() + "filler");
  ScopedEnv bigIcon("OV_FAKE_TOOL_PRODUCT_BYTES_convert", std::to_string(1 << 20));
  result = Run("--configure");
  ExpectOutcomeEndingWith(result, -5, kCantCreateIco);
  EXPECT_EQ(kHeader, ReadFileBytes(Rsc() + "res.h"));
  EXPECT_EQ(Script(), ReadFileBytes(Rsc() + "game.rc"));
  EXPECT_EQ(kOldIcon, ReadFileBytes(Rsc() + "game.ico"));
  ExpectNoTemporaryFiles();
#endif
}

TEST_F(FaultInjection, FileSizeLimitNeverCutsAFileUnderItsName) {
#ifdef _WIN32
  GTEST_SKIP() << "file-size limits are POSIX";
#else
  const TOvString<char> prlimit = OvFindProgramOnPath("prlimit");
  if (prlimit.IsEmpty()) GTEST_SKIP() << "prlimit is not installed";
  sandbox.InstallFakeTool("tools/convert");
  WritePreviousResources();
  // No file may grow beyond 8 bytes: the first write past it ends the packager (SIGXFSZ).
  ProgramResult result = RunProgram(prlimit.GetBuffer(),
                                    {"--fsize=8", "--", sandbox.Path("tools/OvGamePackager"), "--configure",
                                     sandbox.ConfigFile(), "Release"},
                                    sandbox.Dir().Path(), kTimeLimitSeconds);
  ASSERT_TRUE(result.started);
  EXPECT_FALSE(result.timedOut);
  EXPECT_NE(0, result.exitCode);
  ExpectPreviousResources();
#endif
}

TEST_F(FaultInjection, MissingToolFailsWithItsMessage) {
  // No convert in the tool directory, none on the PATH.
  ScopedEnv path("PATH", sandbox.Path("empty"));
  ProgramResult result = Run("--configure");
  ExpectOutcomeEndingWith(result, -5, kCantCreateIco);
  EXPECT_NE(std::string::npos, result.out.find("convert"));
  EXPECT_EQ(kHeader, WithoutCarriageReturns(ReadFileBytes(Rsc() + "res.h")));
  EXPECT_EQ(Script(), WithoutCarriageReturns(ReadFileBytes(Rsc() + "game.rc")));
  EXPECT_FALSE(fs::exists(Rsc() + "game.ico"));
  ExpectNoTemporaryFiles();
}

TEST_F(FaultInjection, ToolKilledBySignalLeavesThePreviousIcon) {
  sandbox.InstallFakeTool("tools/convert");
  WritePreviousResources();
  // The conversion writes part of its product, then dies (SIGTERM; on Windows the C runtime
  // ends the program with status 3).
  ScopedEnv product("OV_FAKE_TOOL_PRODUCT_BYTES_convert", "5000");
  ScopedEnv signal("OV_FAKE_TOOL_SIGNAL_convert", "15");
  ProgramResult result = Run("--configure");
  ExpectOutcomeEndingWith(result, -5, kCantCreateIco);
  EXPECT_EQ(kOldIcon, ReadFileBytes(Rsc() + "game.ico"));
  ExpectWholeFile(Rsc() + "res.h", kHeader, kOldHeader);
  ExpectWholeFile(Rsc() + "game.rc", Script(), kOldScript);
  ExpectNoTemporaryFiles();
}

TEST_F(FaultInjection, ToolFloodingBothStreamsIsDrainedToTheEnd) {
  sandbox.InstallFakeTool("tools/convert");
  const size_t bytes = size_t(100) << 20;
  ScopedEnv out("OV_FAKE_TOOL_STDOUT_BYTES_convert", std::to_string(bytes));
  ScopedEnv err("OV_FAKE_TOOL_STDERR_BYTES_convert", std::to_string(bytes));
  ProgramResult result = Run("--configure");
  ASSERT_TRUE(result.started);
  EXPECT_EQ(0, result.exitCode);
  // Everything the tool wrote is echoed, each stream to its own.
  EXPECT_GE(result.out.size(), bytes);
  EXPECT_GE(result.err.size(), bytes);
  EXPECT_EQ("abcdefghij", result.out.substr(result.out.find("abcdefghij"), 10));
  EXPECT_EQ(std::string::npos, result.err.find('a'));
  EXPECT_EQ(64u, ReadFileBytes(Rsc() + "game.ico").size());
  EXPECT_EQ(kHeader, WithoutCarriageReturns(ReadFileBytes(Rsc() + "res.h")));
}

TEST_F(FaultInjection, ToolWaitingOnItsInputGetsItsEndAtOnce) {
  sandbox.InstallFakeTool("tools/convert");
  ScopedEnv reads("OV_FAKE_TOOL_READ_STDIN_convert", "1");
  ProgramResult result = Run("--configure");
  ExpectOutcome(result, 0, "");
  EXPECT_EQ(64u, ReadFileBytes(Rsc() + "game.ico").size());
  ExpectNoTemporaryFiles();
}

}  // namespace
