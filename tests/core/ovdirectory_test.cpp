// Single-file operations, listings and the recursive copy / removal / creation, on a fresh
// temporary directory per test.
#include "core/ovdirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/platform/host.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

const std::string kSep(1, ovhost::kNativeSeparator);

std::string Str(const TOvString<char>& s) { return s.GetBuffer(); }

std::vector<std::string> Names(const COvArray<TOvString<char>>& array) {
  std::vector<std::string> names;
  for (const TOvString<char>& s : array) names.push_back(Str(s));
  return names;
}

std::vector<std::string> Names(const COvArray<OvFindFile>& array) {
  std::vector<std::string> names;
  for (const OvFindFile& f : array) names.push_back(Str(f.name));
  return names;
}

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

void MakeReadOnly(const std::string& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

bool IsReadOnly(const std::string& path) {
  return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A path far beyond every OS limit (PATH_MAX 4096, MAX_PATH 260).
std::string HugePath(const TempDir& temp) {
  std::string path = temp.Path();
  for (int i = 0; i < 60; ++i) path += kSep + std::string(100, 'h');
  return path;
}

TEST(OvDirectorySingle, CreateDirectoryAcceptsExistingNamesButNeedsTheParent) {
  TempDir temp;
  std::string dir = temp.Join("new");
  EXPECT_TRUE(OvCreateDirectory(dir.c_str()));
  EXPECT_TRUE(IsDirectory(dir));
  EXPECT_TRUE(OvCreateDirectory(dir.c_str()));
  EXPECT_FALSE(OvCreateDirectory(temp.Join("missing/child").c_str()));
  EXPECT_FALSE(IsDirectory(temp.Join("missing")));
  // An existing file of that name counts as "already exists", as on Windows.
  std::string file = temp.WriteFile("file.txt", "x");
  EXPECT_TRUE(OvCreateDirectory(file.c_str()));
  EXPECT_FALSE(OvCreateDirectory(""));
}

TEST(OvDirectoryCopyFile, CopiesAndReplacesContent) {
  TempDir temp;
  std::string source = temp.WriteFile("src.bin", std::string("a\0b\r\n", 5));
  std::string target = temp.WriteFile("dst.bin", "a much longer previous content");
  EXPECT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
  EXPECT_EQ(ReadFileBytes(target), std::string("a\0b\r\n", 5));
}

TEST(OvDirectoryCopyFile, CopiesLargeFilesWhole) {
  TempDir temp;
  std::string content(3 * 1024 * 1024 + 17, '\0');
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>((i * 131) >> 7);
  std::string source = temp.WriteFile("big.bin", content);
  std::string target = temp.Join("big-copy.bin");
  EXPECT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
  EXPECT_TRUE(ReadFileBytes(target) == content);
}

TEST(OvDirectoryCopyFile, FailsWithoutSourceOrTargetDirectory) {
  TempDir temp;
  std::string source = temp.WriteFile("a.txt", "a");
  EXPECT_FALSE(OvCopyFile(temp.Join("missing.txt").c_str(), temp.Join("b.txt").c_str()));
  EXPECT_FALSE(FileExists(temp.Join("b.txt")));
  EXPECT_FALSE(OvCopyFile(source.c_str(), temp.Join("missing/b.txt").c_str()));
  EXPECT_FALSE(OvCopyFile(temp.Path().c_str(), temp.Join("dir-copy").c_str()));
  EXPECT_FALSE(FileExists(temp.Join("dir-copy")));
  EXPECT_FALSE(OvCopyFile("", temp.Join("b.txt").c_str()));
}

TEST(OvDirectoryCopyFile, CopyOntoItselfFailsAndKeepsTheContent) {
  TempDir temp;
  std::string file = temp.WriteFile("same.txt", "precious");
  EXPECT_FALSE(OvCopyFile(file.c_str(), file.c_str()));
  EXPECT_EQ(ReadFileBytes(file), "precious");
  std::string doubled = temp.Path() + kSep + kSep + "same.txt";
  EXPECT_FALSE(OvCopyFile(file.c_str(), doubled.c_str()));
  EXPECT_EQ(ReadFileBytes(file), "precious");
}

TEST(OvDirectoryCopyFile, KeepsReadOnlyStateAndLastWriteTime) {
  TempDir temp;
  std::string source = temp.WriteFile("ro.txt", "read only");
  fs::file_time_type old = fs::last_write_time(source) - std::chrono::hours(24 * 30);
  fs::last_write_time(source, old);
  MakeReadOnly(source);
  std::string target = temp.Join("ro-copy.txt");
  ASSERT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
  EXPECT_TRUE(IsReadOnly(target));
  EXPECT_EQ(fs::last_write_time(target), old);
  EXPECT_EQ(ReadFileBytes(target), "read only");
}

TEST(OvDirectoryFileTime, LaterOfCreationAndLastWriteInFileTimeUnits) {
  TempDir temp;
  std::string file = temp.WriteFile("now.txt", "x");
  uint64_t now = (static_cast<uint64_t>(std::time(nullptr)) + 11644473600ULL) * 10000000ULL;
  uint64_t day = 24ULL * 3600ULL * 10000000ULL;
  uint64_t fresh = OvGetFileTime(file.c_str()).ToU64();
  EXPECT_GT(fresh, now - day);
  EXPECT_LT(fresh, now + day);

#ifndef _WIN32
  // A copy keeps the old last-write time but is born now: the later one wins. (Wine gives
  // copies the source's creation time, so this is checked on POSIX only.)
  std::string old = temp.WriteFile("old.txt", "x");
  fs::last_write_time(old, fs::last_write_time(old) - std::chrono::hours(24 * 100));
  ASSERT_TRUE(OvCopyFile(old.c_str(), temp.Join("old-copy.txt").c_str()));
  EXPECT_GT(OvGetFileTime(temp.Join("old-copy.txt").c_str()).ToU64(), now - day);
#endif
}

TEST(OvDirectoryFileTime, UnopenablePathsGiveZero) {
  TempDir temp;
  EXPECT_EQ(OvGetFileTime(temp.Join("missing").c_str()).ToU64(), 0u);
  EXPECT_EQ(OvGetFileTime(temp.Path().c_str()).ToU64(), 0u);
  EXPECT_EQ(OvGetFileTime("").ToU64(), 0u);
  EXPECT_EQ(OvGetFileTime(HugePath(temp).c_str()).ToU64(), 0u);
}

TEST(OvDirectoryEnumerate, ListsFilesAndDirectoriesRecursively) {
  TempDir temp;
  temp.WriteFile("a.txt", "a");
  temp.WriteFile("sub/b.txt", "b");
  temp.WriteFile("sub/deeper/c.txt", "c");
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs);
  std::string root = temp.Path() + kSep;
  EXPECT_EQ(Sorted(Names(files)), Sorted({root + "a.txt", root + "sub" + kSep + "b.txt",
                                          root + "sub" + kSep + "deeper" + kSep + "c.txt"}));
  EXPECT_EQ(Names(dirs), (std::vector<std::string>{root + "sub", root + "sub" + kSep + "deeper"}));
  for (const OvFindFile& file : files) {
    SCOPED_TRACE(Str(file.name));
    EXPECT_EQ(file.time.ToU64(), OvGetFileTime(file.name).ToU64());
  }
}

TEST(OvDirectoryEnumerate, ExcludedDirectoryNamesIgnoreCaseAndHideTheirContent) {
  TempDir temp;
  temp.WriteFile("a.txt", "a");
  temp.WriteFile("sub/b.txt", "b");
  COvArray<TOvString<char>> exclude;
  exclude.Add("SUB");
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs, &exclude);
  EXPECT_EQ(Names(files), (std::vector<std::string>{temp.Path() + kSep + "a.txt"}));
  EXPECT_EQ(dirs.GetCount(), 0);

  // Files are never excluded by name.
  temp.WriteFile("sub2/SUB", "file named like the excluded directory");
  files.RemoveAll();
  dirs.RemoveAll();
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs, &exclude);
  EXPECT_EQ(files.GetCount(), 2);
}

TEST(OvDirectoryEnumerate, MissingOrEmptyPathsListNothing) {
  TempDir temp;
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  OvEnumerateDirectory(temp.Join("missing").c_str(), files, dirs);
  OvEnumerateDirectory("", files, dirs);
  OvEnumerateDirectory("", files);
  OvEnumerateDirectory(HugePath(temp).c_str(), files, dirs);
  EXPECT_EQ(files.GetCount(), 0);
  EXPECT_EQ(dirs.GetCount(), 0);
}

TEST(OvDirectoryRemove, DeletesEverythingBelowAndKeepsTheTop) {
  TempDir temp;
  temp.WriteFile("top/a.txt", "a");
  temp.WriteFile("top/sub/b.txt", "b");
  temp.WriteFile("top/sub/inner/c.txt", "c");
  std::string top = temp.Join("top");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(OvRemoveDirectoryRecursively(top.c_str(), false));
  std::vector<std::string> lines = Lines(testing::internal::GetCapturedStdout());
  EXPECT_TRUE(IsDirectory(top));
  EXPECT_TRUE(fs::is_empty(top));
  std::string sub = top + kSep + "sub";
  std::string inner = sub + kSep + "inner";
  ASSERT_EQ(lines.size(), 5u);
  // Files first, then the directories children before parents.
  EXPECT_EQ(Sorted({lines[0], lines[1], lines[2]}),
            Sorted({"Deleting " + top + kSep + "a.txt", "Deleting " + sub + kSep + "b.txt",
                    "Deleting " + inner + kSep + "c.txt"}));
  EXPECT_EQ(lines[3], "Deleting " + inner);
  EXPECT_EQ(lines[4], "Deleting " + sub);
}

TEST(OvDirectoryRemove, ReadOnlyFilesGoWhenAskedTo) {
  TempDir temp;
  std::string file = temp.WriteFile("top/ro.txt", "r");
  MakeReadOnly(file);
  testing::internal::CaptureStdout();
  EXPECT_TRUE(OvRemoveDirectoryRecursively(temp.Join("top").c_str(), true));
  testing::internal::GetCapturedStdout();
  EXPECT_FALSE(FileExists(file));
}

// Deleting a read-only file fails on Windows only (POSIX asks for a writable directory, not a
// writable file). Links are checked on POSIX only: making one on Windows needs a privilege that
// ordinary accounts lack.
#ifdef _WIN32
#else
TEST(OvDirectoryRemove, NeverFollowsLinksOutOfTheTree) {
  TempDir temp;
  std::string outside = temp.WriteFile("outside/keep.txt", "keep");
  temp.WriteFile("top/a.txt", "a");
  fs::create_directory_symlink(temp.Join("outside"), temp.Join("top/link"));
  testing::internal::CaptureStdout();
  EXPECT_TRUE(OvRemoveDirectoryRecursively(temp.Join("top").c_str(), true));
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(fs::is_empty(temp.Join("top")));
  EXPECT_EQ(ReadFileBytes(outside), "keep");
}
#endif

TEST(OvDirectoryRemove, EmptyOrMissingPathsDoNothing) {
  TempDir temp;
  testing::internal::CaptureStdout();
  EXPECT_TRUE(OvRemoveDirectoryRecursively("", true));
  EXPECT_TRUE(OvRemoveDirectoryRecursively(temp.Join("missing").c_str(), true));
  EXPECT_TRUE(OvRemoveDirectoryRecursively(HugePath(temp).c_str(), true));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(OvDirectoryCopyTree, CopiesEveryDirectoryAndFileWithProgressLines) {
  TempDir temp;
  temp.WriteFile("src/a.txt", "a");
  temp.WriteFile("src/sub/b.txt", "b");
  temp.WriteFile("src/sub/inner/c.txt", "c");
  fs::create_directories(temp.Join("src/empty"));
  fs::create_directory(temp.Join("dst"));
  std::string target = temp.WriteFile("dst/a.txt", "old content");
  std::string dst = temp.Join("dst");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(CopyRecursively(temp.Join("src").c_str(), dst.c_str()));
  std::vector<std::string> lines = Lines(testing::internal::GetCapturedStdout());
  EXPECT_EQ(ReadFileBytes(target), "a");
  EXPECT_EQ(ReadFileBytes(temp.Join("dst/sub/b.txt")), "b");
  EXPECT_EQ(ReadFileBytes(temp.Join("dst/sub/inner/c.txt")), "c");
  EXPECT_TRUE(IsDirectory(temp.Join("dst/empty")));
  ASSERT_EQ(lines.size(), 6u);
  std::string sub = dst + kSep + "sub";
  EXPECT_EQ(
      Sorted({lines[0], lines[1], lines[2]}),
      Sorted({"Creating " + sub, "Creating " + sub + kSep + "inner", "Creating " + dst + kSep + "empty"}));
  EXPECT_EQ(Sorted({lines[3], lines[4], lines[5]}),
            Sorted({"Copying " + dst + kSep + "a.txt", "Copying " + sub + kSep + "b.txt",
                    "Copying " + sub + kSep + "inner" + kSep + "c.txt"}));
}

TEST(OvDirectoryCopyTree, MissingTargetCopiesNothingButStillReports) {
  TempDir temp;
  temp.WriteFile("src/sub/b.txt", "b");
  std::string dst = temp.Join("dst");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(CopyRecursively(temp.Join("src").c_str(), dst.c_str()));
  std::vector<std::string> lines = Lines(testing::internal::GetCapturedStdout());
  EXPECT_FALSE(FileExists(dst));
  EXPECT_EQ(lines, (std::vector<std::string>{"Creating " + dst + kSep + "sub",
                                             "Copying " + dst + kSep + "sub" + kSep + "b.txt"}));
}

TEST(OvDirectoryCopyTree, EmptySourceCopiesNothing) {
  TempDir temp;
  testing::internal::CaptureStdout();
  EXPECT_TRUE(CopyRecursively("", temp.Path().c_str()));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(OvDirectoryCreatePath, CreatesEachLevelAndRewritesThePath) {
  TempDir temp;
  TOvString<char> path((temp.Path() + "/a/./b").c_str());
  EXPECT_TRUE(OvCreatePath(path));
  EXPECT_TRUE(IsDirectory(temp.Join("a/b")));
  EXPECT_EQ(Str(path), temp.Path() + kSep + "a" + kSep + "." + kSep + "b" + kSep);
  // Existing levels are fine.
  TOvString<char> again((temp.Path() + "\\a\\b\\c\\").c_str());
  EXPECT_TRUE(OvCreatePath(again));
  EXPECT_TRUE(IsDirectory(temp.Join("a/b/c")));
}

TEST(OvDirectoryCreatePath, FailsAtALevelThatCannotBeCreated) {
  TempDir temp;
  temp.WriteFile("file.txt", "x");
  TOvString<char> throughFile((temp.Path() + "/file.txt/sub/deeper").c_str());
  EXPECT_FALSE(OvCreatePath(throughFile));
  TOvString<char> empty;
  EXPECT_FALSE(OvCreatePath(empty));
  EXPECT_TRUE(empty.IsEmpty());
  TOvString<char> huge(HugePath(temp).c_str());
  EXPECT_FALSE(OvCreatePath(huge));
}

TEST(OvDirectoryRetrieve, ListsDirectChildrenNamedWithOneSeparator) {
  TempDir temp;
  temp.WriteFile("ws/a.txt", "a");
  temp.WriteFile("ws/b.TXT", "b");
  temp.WriteFile("ws/c.dat", "c");
  temp.WriteFile("ws/Generic/Game/x.txt", "x");
  fs::create_directories(temp.Join("ws/Tools"));
  std::string ws = temp.Join("ws");
  for (const std::string& dir : {ws, ws + kSep}) {
    SCOPED_TRACE(dir);
    COvArray<TOvString<char>> dirs;
    EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory(dir.c_str(), dirs));
    EXPECT_EQ(Sorted(Names(dirs)), Sorted({ws + kSep + "Generic", ws + kSep + "Tools"}));

    COvArray<TOvString<char>> extensions;
    COvArray<TOvString<char>> all;
    EXPECT_TRUE(OvRetrieveFilesFromDirectory(dir.c_str(), all, extensions));
    EXPECT_EQ(Sorted(Names(all)), Sorted({ws + kSep + "a.txt", ws + kSep + "b.TXT", ws + kSep + "c.dat"}));

    extensions.Add("txt");
    extensions.Add("dat");
    COvArray<TOvString<char>> filtered;
    EXPECT_TRUE(OvRetrieveFilesFromDirectory(dir.c_str(), filtered, extensions));
    EXPECT_EQ(Sorted(Names(filtered)), Sorted({ws + kSep + "a.txt", ws + kSep + "c.dat"}));
  }
}

TEST(OvDirectoryRetrieve, RecursiveFormsGoLevelByLevelWithinEachSubtree) {
  TempDir temp;
  for (const char* dir : {"r/A/A1/A1x", "r/B/B1"}) fs::create_directories(temp.Join(dir));
  temp.WriteFile("r/root.txt", "");
  temp.WriteFile("r/A/a.txt", "");
  temp.WriteFile("r/A/A1/a1.txt", "");
  temp.WriteFile("r/A/A1/A1x/deep.txt", "");
  temp.WriteFile("r/B/b.txt", "");
  std::string r = temp.Join("r");
  std::string a = r + kSep + "A", b = r + kSep + "B";
  std::string a1 = a + kSep + "A1", a1x = a1 + kSep + "A1x", b1 = b + kSep + "B1";

  COvArray<TOvString<char>> dirs;
  dirs.Add("caller's entry");
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectoryRecursive(r.c_str(), dirs));
  std::vector<std::string> names = Names(dirs);
  ASSERT_EQ(names.size(), 6u);
  std::vector<std::string> expected = names[1] == a
                                          ? std::vector<std::string>{"caller's entry", a, b, a1, a1x, b1}
                                          : std::vector<std::string>{"caller's entry", b, a, b1, a1, a1x};
  EXPECT_EQ(names, expected);

  COvArray<TOvString<char>> files;
  EXPECT_TRUE(OvRetrieveFilesFromDirectoryRecursive(r.c_str(), files, COvArray<TOvString<char>>()));
  // B's files come before A1's although A1 lies under A: one level after the other.
  std::string rootFile = r + kSep + "root.txt", aFile = a + kSep + "a.txt", bFile = b + kSep + "b.txt";
  std::string a1File = a1 + kSep + "a1.txt", deepFile = a1x + kSep + "deep.txt";
  std::vector<std::string> expectedFiles =
      names[1] == a ? std::vector<std::string>{rootFile, aFile, bFile, a1File, deepFile}
                    : std::vector<std::string>{rootFile, bFile, aFile, a1File, deepFile};
  EXPECT_EQ(Names(files), expectedFiles);
}

TEST(OvDirectoryRetrieve, EmptyMissingAndOverlongDirectoriesGiveNothing) {
  TempDir temp;
  COvArray<TOvString<char>> out;
  COvArray<TOvString<char>> extensions;
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory("", out));
  EXPECT_TRUE(OvRetrieveFilesFromDirectory("", out, extensions));
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory(temp.Join("missing").c_str(), out));
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectoryRecursive(HugePath(temp).c_str(), out));
  EXPECT_TRUE(OvRetrieveFilesFromDirectoryRecursive(HugePath(temp).c_str(), out, extensions));
  EXPECT_EQ(out.GetCount(), 0);
}

// Listings have no length limit of their own: what the OS accepts is listed whole. Not on
// Windows, whose ANSI file calls themselves stop at 260 characters (MAX_PATH).
#ifndef _WIN32
TEST(OvDirectoryLongPaths, TreesDeeperThanTheWindowsLimitAreHandled) {
  TempDir temp;
  std::string deep = temp.Path();
  for (int i = 0; i < 8; ++i) deep += kSep + std::string(60, static_cast<char>('a' + i));
  ASSERT_GT(deep.size(), 500u);
  TOvString<char> create(deep.c_str());
  ASSERT_TRUE(OvCreatePath(create));
  std::string file = deep + kSep + "f.txt";
  temp.WriteFile(file.substr(temp.Path().size() + 1), "long");

  COvArray<TOvString<char>> children;
  OvRetrieveFilesFromDirectory(deep.c_str(), children, COvArray<TOvString<char>>());
  EXPECT_EQ(Names(children), (std::vector<std::string>{file}));

  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs);
  EXPECT_EQ(dirs.GetCount(), 8);
  EXPECT_EQ(Names(files), (std::vector<std::string>{file}));

  fs::create_directory(temp.Join("copy"));
  testing::internal::CaptureStdout();
  CopyRecursively(temp.Join(std::string(60, 'a')).c_str(), temp.Join("copy").c_str());
  OvRemoveDirectoryRecursively(temp.Join(std::string(60, 'a')).c_str(), false);
  testing::internal::GetCapturedStdout();
  std::string copied =
      temp.Join("copy") + deep.substr(temp.Join(std::string(60, 'a')).size()) + kSep + "f.txt";
  EXPECT_EQ(ReadFileBytes(copied), "long");
  EXPECT_TRUE(fs::is_empty(temp.Join(std::string(60, 'a'))));
}
#endif

}  // namespace
