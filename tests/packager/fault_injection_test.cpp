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

const char kOldHeader[] = "previous header\n";
const char kOldScript[] = "previous script\n";
const char kOldIcon[] = "previous icon";

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

class FaultInjection : public WindowsGameTest {
 protected:
  void SetUp() override { WritePreviousResources(); }
  void WritePreviousResources() {
    sandbox.WriteFile("game/tmp/Windows/rsc/res.h", kOldHeader);
    sandbox.WriteFile("game/tmp/Windows/rsc/game.rc", kOldScript);
    sandbox.WriteFile("game/tmp/Windows/rsc/game.ico", kOldIcon);
  }

  ProgramResult Run(const std::string& action) {
    ProgramResult result = WindowsGameTest::Run(action, kTimeLimitSeconds);
    EXPECT_FALSE(result.timedOut) << "the run did not end within " << kTimeLimitSeconds << " s";
    return result;
  }
  // Each file holds its new content, or its previous one when fresh is empty; temporary files
  // are gone.
  void ExpectFiles(const std::string& header, const std::string& script, const std::string& icon,
                   bool killed = false) {
    EXPECT_EQ(header.empty() ? kOldHeader : header, WithoutCarriageReturns(ReadFileBytes(rsc + "res.h")));
    EXPECT_EQ(script.empty() ? kOldScript : script, WithoutCarriageReturns(ReadFileBytes(rsc + "game.rc")));
    EXPECT_EQ(icon.empty() ? kOldIcon : icon, ReadFileBytes(rsc + "game.ico"));
    // A killed packager may leave a cut temporary file, but never under a file's own name.
    for (const fs::directory_entry& entry : fs::directory_iterator(rsc)) {
      EXPECT_TRUE(killed || entry.path().filename().string().rfind(".tmp-", 0) != 0) << entry.path();
    }
  }
};

TEST_F(FaultInjection, ReadOnlyResourceDirectoryFailsAndKeepsThePreviousFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows creates files in read-only directories";
#else
  sandbox.InstallFakeTool("tools/convert");
  // An owner without write permission, or (for root, whom permissions do not stop) a read-only
  // bind mount of the directory on itself.
  fs::permissions(rsc, fs::perms::owner_read | fs::perms::owner_exec);
  const bool writable = std::ofstream(rsc + "probe").is_open();
  std::unique_ptr<ScopedMount> bind;
  if (writable) {
    fs::remove(rsc + "probe");
    bind = std::make_unique<ScopedMount>(rsc, std::vector<std::string>{"--bind", rsc, rsc});
    if (!bind->Mounted() || !RunSystem("mount", {"-o", "remount,ro,bind", rsc})) {
      GTEST_SKIP() << "cannot make a directory read-only here";
    }
  }
  ExpectOutcome(Run("--configure"), -5, "Error : Can't open " + rsc + "res.h file !\n" + kRcFailed);
  bind.reset();
  fs::permissions(rsc, fs::perms::owner_all);
  ExpectFiles("", "", "");
#endif
}

TEST_F(FaultInjection, FullDiskFailsAndKeepsThePreviousFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a small POSIX file system";
#else
  ScopedMount disk(rsc, {"-t", "tmpfs", "-o", "size=256k", "tmpfs", rsc});
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  sandbox.InstallFakeTool("tools/convert");
  WritePreviousResources();
  {
    // Fills every free block.
    std::ofstream filler(rsc + "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size())) {
    }
  }
  ExpectOutcome(Run("--configure"), -5, "Error : Can't close " + rsc + "res.h file !\n" + kRcFailed);
  ExpectFiles("", "", "");
  // With room for the scripts but not for the icon, the scripts are replaced whole and the icon
  // keeps its previous content.
  fs::remove(rsc + "filler");
  ScopedEnv bigIcon("OV_FAKE_TOOL_PRODUCT_BYTES_convert", std::to_string(1 << 20));
  ExpectOutcomeEndingWith(Run("--configure"), -5, kCantCreateIco);
  ExpectFiles(kResourceHeader, ResourceScript(sandbox), "");
#endif
}

TEST_F(FaultInjection, FileSizeLimitNeverCutsAFileUnderItsName) {
#ifdef _WIN32
  GTEST_SKIP() << "file-size limits are POSIX";
#else
  const TOvString<char> prlimit = OvFindProgramOnPath("prlimit");
  if (prlimit.IsEmpty()) GTEST_SKIP() << "prlimit is not installed";
  sandbox.InstallFakeTool("tools/convert");
  // No file may grow beyond 8 bytes: the first write past it ends the packager (SIGXFSZ).
  ProgramResult result = RunProgram(prlimit.GetBuffer(),
                                    {"--fsize=8", "--", sandbox.Path("tools/OvGamePackager"), "--configure",
                                     sandbox.ConfigFile(), "Release"},
                                    sandbox.Dir().Path(), kTimeLimitSeconds);
  ASSERT_TRUE(result.started);
  EXPECT_FALSE(result.timedOut);
  EXPECT_NE(0, result.exitCode);
  ExpectFiles("", "", "", true);
#endif
}

TEST_F(FaultInjection, MissingOrKilledToolFailsAndLeavesThePreviousIcon) {
  // No convert in the tool directory and none on the PATH; or one that writes part of its
  // product, then dies (SIGTERM; on Windows the C runtime ends the program with status 3).
  for (bool installed : {false, true}) {
    SCOPED_TRACE(installed ? "killed" : "missing");
    std::unique_ptr<ScopedEnv> path;
    if (installed) {
      sandbox.InstallFakeTool("tools/convert");
    } else {
      path = std::make_unique<ScopedEnv>("PATH", sandbox.Path("empty"));
    }
    ScopedEnv product("OV_FAKE_TOOL_PRODUCT_BYTES_convert", "5000");
    ScopedEnv signal("OV_FAKE_TOOL_SIGNAL_convert", "15");
    ProgramResult result = Run("--configure");
    ExpectOutcomeEndingWith(result, -5, kCantCreateIco);
    EXPECT_TRUE(installed || Contains(result.out, "convert"));
    ExpectFiles(kResourceHeader, ResourceScript(sandbox), "");
  }
}

TEST_F(FaultInjection, ToolWaitingOnItsInputAndFloodingBothStreamsRunsToTheEnd) {
  // The tool first reads its input to the end, which it must get at once, then writes 100 MiB
  // (16 MiB under Wine) to each stream.
  sandbox.InstallFakeTool("tools/convert");
  ScopedEnv reads("OV_FAKE_TOOL_READ_STDIN_convert", "1");
#ifdef _WIN32
  // Wine moves pipe data through its server, at a few MB/s on a busy machine.
  const size_t bytes = size_t(16) << 20;
#else
  const size_t bytes = size_t(100) << 20;
#endif
  ScopedEnv out("OV_FAKE_TOOL_STDOUT_BYTES_convert", std::to_string(bytes));
  ScopedEnv err("OV_FAKE_TOOL_STDERR_BYTES_convert", std::to_string(bytes));
  ProgramResult result = Run("--configure");
  ASSERT_TRUE(result.started);
  EXPECT_EQ(0, result.exitCode);
  // Everything the tool wrote is echoed, each stream to its own.
  EXPECT_GE(result.out.size(), bytes);
  EXPECT_GE(result.err.size(), bytes);
  EXPECT_TRUE(Contains(result.out, "abcdefghij"));
  EXPECT_EQ(std::string::npos, result.err.find('a'));
  std::string icon;
  while (icon.size() < 64) icon += static_cast<char>('a' + icon.size() % 26);
  ExpectFiles(kResourceHeader, ResourceScript(sandbox), icon);
}

}  // namespace
