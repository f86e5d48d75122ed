// Single-file operations, listings and the recursive copy / removal / creation, on a fresh
// temporary directory per test.
#include "core/ovdirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/host.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;
using Array = COvArray<TOvString<char>>;

const std::string kSep(1, ovhost::kNativeSeparator);

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

void MakeReadOnly(const std::string& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
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
  EXPECT_TRUE(OvCreateDirectory(temp.WriteFile("file.txt", "x").c_str()));
}

TEST(OvDirectoryCopyFile, CopiesWholeContentOverAnyPreviousFile) {
  TempDir temp;
  std::string large(3 * 1024 * 1024 + 17, '\0');
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>((i * 131) >> 7);
  for (const std::string& content : {std::string("a\0b\r\n", 5), large}) {
    std::string source = temp.WriteFile("src.bin", content);
    std::string target = temp.WriteFile("dst.bin", "a much longer previous content");
    EXPECT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
    EXPECT_TRUE(ReadFileBytes(target) == content) << content.size();
  }
}

TEST(OvDirectoryCopyFile, FailsWithoutSourceOrTargetDirectoryOrOntoItself) {
  TempDir temp;
  std::string source = temp.WriteFile("a.txt", "a");
  EXPECT_FALSE(OvCopyFile(temp.Join("missing.txt").c_str(), temp.Join("b.txt").c_str()));
  EXPECT_FALSE(FileExists(temp.Join("b.txt")));
  EXPECT_FALSE(OvCopyFile(source.c_str(), temp.Join("missing/b.txt").c_str()));
  EXPECT_FALSE(OvCopyFile(temp.Path().c_str(), temp.Join("dir-copy").c_str()));
  EXPECT_FALSE(FileExists(temp.Join("dir-copy")));
  // Onto itself, also when named with a doubled separator: refused, the content kept.
  for (const std::string& same : {source, temp.Path() + kSep + kSep + "a.txt"}) {
    EXPECT_FALSE(OvCopyFile(source.c_str(), same.c_str()));
    EXPECT_EQ(ReadFileBytes(source), "a");
  }
}

TEST(OvDirectoryCopyFile, KeepsReadOnlyStateAndLastWriteTime) {
  TempDir temp;
  std::string source = temp.WriteFile("ro.txt", "read only");
  fs::file_time_type old = fs::last_write_time(source) - std::chrono::hours(24 * 30);
  fs::last_write_time(source, old);
  MakeReadOnly(source);
  std::string target = temp.Join("ro-copy.txt");
  ASSERT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
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

// Empty, missing and overlong paths: no listing, no output, no removal or creation.
TEST(OvDirectoryBadPaths, EmptyMissingAndOverlongPathsDoNothing) {
  TempDir temp;
  const std::string huge = HugePath(temp), missing = temp.Join("missing");
  EXPECT_FALSE(OvCreateDirectory(""));
  EXPECT_FALSE(OvCopyFile("", temp.Join("b.txt").c_str()));
  for (const std::string& path : {missing, temp.Path(), std::string(), huge}) {
    EXPECT_EQ(OvGetFileTime(path.c_str()).ToU64(), 0u) << path.size();
  }
  COvArray<OvFindFile> files;
  Array dirs, extensions;
  for (const std::string& path : {missing, std::string(), huge}) {
    OvEnumerateDirectory(path.c_str(), files, dirs);
    OvEnumerateDirectory(path.c_str(), files);
    EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory(path.c_str(), dirs));
    EXPECT_TRUE(OvRetrieveFilesFromDirectory(path.c_str(), dirs, extensions));
    EXPECT_TRUE(OvRetrieveDirectoriesFromDirectoryRecursive(path.c_str(), dirs));
    EXPECT_TRUE(OvRetrieveFilesFromDirectoryRecursive(path.c_str(), dirs, extensions));
  }
  EXPECT_EQ(files.GetCount() + dirs.GetCount(), 0);
  EXPECT_EQ(StdoutLines([&] {
              for (const std::string& path : {std::string(), missing, huge})
                EXPECT_TRUE(OvRemoveDirectoryRecursively(path.c_str(), true));
              EXPECT_TRUE(CopyRecursively("", temp.Path().c_str()));
            }),
            Strings());
  temp.WriteFile("file.txt", "x");
  for (const std::string& path : {std::string(), huge, temp.Path() + "/file.txt/sub/deeper"}) {
    TOvString<char> text(path.c_str());
    EXPECT_FALSE(OvCreatePath(text));
    EXPECT_EQ(text.IsEmpty(), path.empty());
  }
}

TEST(OvDirectoryEnumerate, ListsFilesAndDirectoriesRecursively) {
  TempDir temp;
  temp.WriteFile("a.txt", "a");
  temp.WriteFile("sub/b.txt", "b");
  temp.WriteFile("sub/deeper/c.txt", "c");
  COvArray<OvFindFile> files;
  Array dirs;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs);
  std::string root = temp.Path() + kSep, sub = root + "sub" + kSep;
  EXPECT_EQ(Sorted(Names(files)), Sorted({root + "a.txt", sub + "b.txt", sub + "deeper" + kSep + "c.txt"}));
  EXPECT_EQ(Names(dirs), (Strings{root + "sub", sub + "deeper"}));
  for (const OvFindFile& file : files) EXPECT_EQ(file.time.ToU64(), OvGetFileTime(file.name).ToU64());
}

TEST(OvDirectoryEnumerate, ExcludedDirectoryNamesIgnoreCaseAndHideTheirContent) {
  TempDir temp;
  temp.WriteFile("a.txt", "a");
  temp.WriteFile("sub/b.txt", "b");
  Array exclude, dirs;
  exclude.Add("SUB");
  COvArray<OvFindFile> files;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs, &exclude);
  EXPECT_EQ(Names(files), (Strings{temp.Path() + kSep + "a.txt"}));
  EXPECT_EQ(dirs.GetCount(), 0);
  // Files are never excluded by name.
  temp.WriteFile("sub2/SUB", "file named like the excluded directory");
  files.RemoveAll();
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs, &exclude);
  EXPECT_EQ(files.GetCount(), 2);
}

TEST(OvDirectoryRemove, DeletesEverythingBelowAndKeepsTheTop) {
  TempDir temp;
  temp.WriteFile("top/a.txt", "a");
  temp.WriteFile("top/sub/b.txt", "b");
  temp.WriteFile("top/sub/inner/c.txt", "c");
  std::string top = temp.Join("top"), sub = top + kSep + "sub", inner = sub + kSep + "inner";
  Strings lines = StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(top.c_str(), false)); });
  EXPECT_TRUE(IsDirectory(top));
  EXPECT_TRUE(fs::is_empty(top));
  ASSERT_EQ(lines.size(), 5u);
  // Files first, then the directories children before parents.
  EXPECT_EQ(Sorted({lines[0], lines[1], lines[2]}),
            Sorted({"Deleting " + top + kSep + "a.txt", "Deleting " + sub + kSep + "b.txt",
                    "Deleting " + inner + kSep + "c.txt"}));
  EXPECT_EQ(lines[3], "Deleting " + inner);
  EXPECT_EQ(lines[4], "Deleting " + sub);
}

// Deleting a read-only file fails on Windows only (POSIX asks for a writable directory, not a
// writable file). Links are checked on POSIX only: making one on Windows needs a privilege that
// ordinary accounts lack.
TEST(OvDirectoryRemove, ReadOnlyFilesGoWhenAskedToAndLinksAreNotFollowed) {
  TempDir temp;
  std::string file = temp.WriteFile("top/ro.txt", "r");
  MakeReadOnly(file);
#ifndef _WIN32
  std::string outside = temp.WriteFile("outside/keep.txt", "keep");
  fs::create_directory_symlink(temp.Join("outside"), temp.Join("top/link"));
#endif
  StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(temp.Join("top").c_str(), true)); });
  EXPECT_TRUE(fs::is_empty(temp.Join("top")));
#ifndef _WIN32
  EXPECT_EQ(ReadFileBytes(outside), "keep");
#endif
}

TEST(OvDirectoryCopyTree, CopiesEveryDirectoryAndFileWithProgressLines) {
  TempDir temp;
  temp.WriteFile("src/a.txt", "a");
  temp.WriteFile("src/sub/b.txt", "b");
  temp.WriteFile("src/sub/inner/c.txt", "c");
  fs::create_directories(temp.Join("src/empty"));
  std::string target = temp.WriteFile("dst/a.txt", "old content");
  std::string dst = temp.Join("dst"), sub = dst + kSep + "sub";
  Strings lines = StdoutLines([&] { EXPECT_TRUE(CopyRecursively(temp.Join("src").c_str(), dst.c_str())); });
  EXPECT_EQ(ReadFileBytes(target), "a");
  EXPECT_EQ(ReadFileBytes(temp.Join("dst/sub/b.txt")), "b");
  EXPECT_EQ(ReadFileBytes(temp.Join("dst/sub/inner/c.txt")), "c");
  EXPECT_TRUE(IsDirectory(temp.Join("dst/empty")));
  ASSERT_EQ(lines.size(), 6u);
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
  Strings lines = StdoutLines([&] { EXPECT_TRUE(CopyRecursively(temp.Join("src").c_str(), dst.c_str())); });
  EXPECT_FALSE(FileExists(dst));
  EXPECT_EQ(lines,
            (Strings{"Creating " + dst + kSep + "sub", "Copying " + dst + kSep + "sub" + kSep + "b.txt"}));
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

TEST(OvDirectoryRetrieve, ListsDirectChildrenNamedWithOneSeparator) {
  TempDir temp;
  for (const char* file : {"a.txt", "b.TXT", "c.dat", "Generic/Game/x.txt"})
    temp.WriteFile(std::string("ws/") + file, "");
  fs::create_directories(temp.Join("ws/Tools"));
  std::string ws = temp.Join("ws");
  for (const std::string& dir : {ws, ws + kSep}) {
    SCOPED_TRACE(dir);
    Array dirs, extensions, all, filtered;
    EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory(dir.c_str(), dirs));
    EXPECT_EQ(Sorted(Names(dirs)), Sorted({ws + kSep + "Generic", ws + kSep + "Tools"}));
    EXPECT_TRUE(OvRetrieveFilesFromDirectory(dir.c_str(), all, extensions));
    EXPECT_EQ(Sorted(Names(all)), Sorted({ws + kSep + "a.txt", ws + kSep + "b.TXT", ws + kSep + "c.dat"}));
    extensions.Add("txt");
    extensions.Add("dat");
    EXPECT_TRUE(OvRetrieveFilesFromDirectory(dir.c_str(), filtered, extensions));
    EXPECT_EQ(Sorted(Names(filtered)), Sorted({ws + kSep + "a.txt", ws + kSep + "c.dat"}));
  }
}

TEST(OvDirectoryRetrieve, RecursiveFormsGoLevelByLevelWithinEachSubtree) {
  TempDir temp;
  for (const char* file : {"r/root.txt", "r/A/a.txt", "r/A/A1/a1.txt", "r/A/A1/A1x/deep.txt", "r/B/b.txt"})
    temp.WriteFile(file, "");
  fs::create_directories(temp.Join("r/B/B1"));
  std::string r = temp.Join("r");
  std::string a = r + kSep + "A", b = r + kSep + "B";
  std::string a1 = a + kSep + "A1", a1x = a1 + kSep + "A1x", b1 = b + kSep + "B1";
  Array dirs, files;
  dirs.Add("caller's entry");
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectoryRecursive(r.c_str(), dirs));
  Strings names = Names(dirs);
  ASSERT_EQ(names.size(), 6u);
  bool aFirst = names[1] == a;
  Strings expected =
      aFirst ? Strings{"caller's entry", a, b, a1, a1x, b1} : Strings{"caller's entry", b, a, b1, a1, a1x};
  EXPECT_EQ(names, expected);
  EXPECT_TRUE(OvRetrieveFilesFromDirectoryRecursive(r.c_str(), files, Array()));
  // B's files come before A1's although A1 lies under A: one level after the other.
  std::string rootFile = r + kSep + "root.txt", aFile = a + kSep + "a.txt", bFile = b + kSep + "b.txt";
  std::string a1File = a1 + kSep + "a1.txt", deepFile = a1x + kSep + "deep.txt";
  expected = aFirst ? Strings{rootFile, aFile, bFile, a1File, deepFile}
                    : Strings{rootFile, bFile, aFile, a1File, deepFile};
  EXPECT_EQ(Names(files), expected);
}

// Listings have no length limit of their own: what the OS accepts is listed whole. Not on
// Windows, whose ANSI file calls themselves stop at 260 characters (MAX_PATH).
#ifndef _WIN32
TEST(OvDirectoryLongPaths, TreesDeeperThanTheWindowsLimitAreHandled) {
  TempDir temp;
  const std::string top = temp.Join(std::string(60, 'a'));
  std::string deep = temp.Path();
  for (int i = 0; i < 8; ++i) deep += kSep + std::string(60, static_cast<char>('a' + i));
  TOvString<char> create(deep.c_str());
  ASSERT_TRUE(OvCreatePath(create));
  std::string file = deep + kSep + "f.txt";
  temp.WriteFile(file.substr(temp.Path().size() + 1), "long");
  Array children, dirs;
  OvRetrieveFilesFromDirectory(deep.c_str(), children, Array());
  EXPECT_EQ(Names(children), (Strings{file}));
  COvArray<OvFindFile> files;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs);
  EXPECT_EQ(dirs.GetCount(), 8);
  EXPECT_EQ(Names(files), (Strings{file}));
  fs::create_directory(temp.Join("copy"));
  StdoutLines([&] {
    CopyRecursively(top.c_str(), temp.Join("copy").c_str());
    OvRemoveDirectoryRecursively(top.c_str(), false);
  });
  EXPECT_EQ(ReadFileBytes(temp.Join("copy") + deep.substr(top.size()) + kSep + "f.txt"), "long");
  EXPECT_TRUE(fs::is_empty(top));
}
#endif

}  // namespace
