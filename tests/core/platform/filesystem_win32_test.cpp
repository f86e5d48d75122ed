// The Windows path examples through the real Win32 file calls (CreateDirectoryA,
// FindFirstFileA, CopyFileA, GetFileTime, RemoveDirectoryA) of the Windows build: drive-letter
// paths, '/' accepted on input, "." parts and doubled separators. Every host runs the same
// examples as pure text functions (ovpathtext_test.cpp); drive letters exist only on Windows,
// so elsewhere this file holds no test.
#include <gtest/gtest.h>

#ifdef _WIN32

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../core_test_util.h"
#include "core/ovdirectory.h"
#include "core/ovfilepath.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// The examples are placed below a temporary directory, which is itself a drive path.
class Win32PathsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(COvFilePath::IsAbsolute(root.c_str())) << root; }

  TempDir temp;
  const std::string root = temp.Path();
};

}  // namespace

TEST_F(Win32PathsTest, DriveLetterRulesOfTheHostAndCreatePathWithSlashesAndDotParts) {
  TOvString<char> forward("C:/a");
  COvFilePath::ConvertToAbsolute(forward, root.c_str());
  EXPECT_EQ(Str(forward), "C:\\a");

  TOvString<char> relative("x/y");
  COvFilePath::ConvertToAbsolute(relative, Slashed(root).c_str());
  EXPECT_EQ(Str(relative), root + "\\x\\y");
  ASSERT_TRUE(OvCreateDirectory((root + "\\x").c_str()));
  EXPECT_TRUE(OvCreateDirectory(relative));
  EXPECT_TRUE(fs::is_directory(root + "\\x\\y"));

  // A lower-case drive is not absolute: it is put below the base, where the system refuses it.
  TOvString<char> lower("c:\\a");
  COvFilePath::ConvertToAbsolute(lower, root.c_str());
  EXPECT_EQ(Str(lower), root + "\\c:\\a");
  EXPECT_FALSE(OvCreateDirectory(lower));

  // OvCreatePath accepts slashes and "." parts: "C:/a/./b", below the temporary directory.
  TOvString<char> path((Slashed(root) + "/a/./b").c_str());
  EXPECT_TRUE(OvCreatePath(path));
  EXPECT_EQ(Str(path), root + "\\a\\.\\b\\");
  EXPECT_TRUE(fs::is_directory(root + "\\a\\b"));

  // Existing levels are no failure; a level that is a file is.
  EXPECT_TRUE(OvCreatePath(path));
  temp.WriteFile("a\\b\\file", "x");
  TOvString<char> throughFile((root + "\\a\\b\\file\\c").c_str());
  EXPECT_FALSE(OvCreatePath(throughFile));
}

TEST_F(Win32PathsTest, DoubledSeparatorOfTheReleaseDirectoryIsAccepted) {
  // C:\Games\Demo\tmp\Windows\\Release\ as the packager builds it.
  const std::string games = root + "\\Games", windows = games + "\\Demo\\tmp\\Windows";
  const std::string release = windows + "\\\\Release\\";
  TOvString<char> path(release.c_str());
  ASSERT_TRUE(OvCreatePath(path));
  EXPECT_EQ(Str(path), release);
  EXPECT_TRUE(fs::is_directory(windows + "\\Release"));

  EXPECT_TRUE(OvCreateDirectory((release + "DX9").c_str()));
  EXPECT_TRUE(OvCreateDirectory((release + "DX9").c_str()));  // ERROR_ALREADY_EXISTS
  EXPECT_FALSE(OvCreateDirectory((release + "missing\\DX9").c_str()));

  temp.WriteFile("Games\\Demo\\tmp\\Windows\\Release\\DX9\\BF-main.bf", "big file");
  const std::string source = release + "DX9\\\\BF-main.bf";
  const std::string copy = release + "BF-main.bf";
  ASSERT_TRUE(OvCopyFile(source.c_str(), copy.c_str()));
  EXPECT_EQ(ReadFileBytes(copy), "big file");
  EXPECT_NE(OvGetFileTime(copy.c_str()).ToU64(), 0u);
  EXPECT_EQ(OvGetFileTime(source.c_str()).ToU64(),
            OvGetFileTime((release + "DX9\\BF-main.bf").c_str()).ToU64());

  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  OvEnumerateDirectory(games.c_str(), files, dirs);
  EXPECT_EQ(Sorted(Names(dirs)),
            (std::vector<std::string>{games + "\\Demo", games + "\\Demo\\tmp", windows, windows + "\\Release",
                                      windows + "\\Release\\DX9"}));
  EXPECT_EQ(Sorted(Names(files)), (std::vector<std::string>{windows + "\\Release\\BF-main.bf",
                                                            windows + "\\Release\\DX9\\BF-main.bf"}));
  StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(release.c_str(), false)); });
  EXPECT_TRUE(fs::is_empty(windows + "\\Release"));
  EXPECT_TRUE(OvRemoveDirectory(release.c_str()));
  EXPECT_FALSE(fs::exists(windows + "\\Release"));
}

#endif  // _WIN32
