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

// The parts joined with the native separator.
std::string N(std::initializer_list<std::string> parts) {
  std::string path;
  for (const std::string& part : parts) path += (path.empty() ? "" : kSep) + part;
  return path;
}

// lines[from, to), sorted: the order inside one group is the listing's.
Strings Group(const Strings& lines, size_t from, size_t to) {
  return Sorted(Strings(lines.begin() + from, lines.begin() + std::min(to, lines.size())));
}

void MakeReadOnly(const std::string& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

// The copy also keeps the read-only state and the last-write time. OvGetFileTime gives the later
// of the creation and last-write times, in file-time units (100 ns since 1601). Without a source
// or a target directory, or onto itself, nothing is copied.
TEST(OvDirectoryCopyFile, CopiesWholeContentKeepingReadOnlyStateAndTimeOrFailsLeavingEverythingAsItWas) {
  TempDir temp;
  for (const std::string& content : {std::string("a\0b\r\n", 5), Pattern(3 * 1024 * 1024 + 17)}) {
    std::string source = temp.WriteFile("src.bin", content);
    std::string target = temp.WriteFile("dst.bin", "a much longer previous content");
    EXPECT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
    EXPECT_TRUE(ReadFileBytes(target) == content) << content.size();
  }
  std::string source = temp.WriteFile("ro.txt", "read only"), target = temp.Join("ro-copy.txt");
  uint64_t now = (static_cast<uint64_t>(std::time(nullptr)) + 11644473600ULL) * 10000000ULL;
  uint64_t day = 24ULL * 3600ULL * 10000000ULL, fresh = OvGetFileTime(source.c_str()).ToU64();
  EXPECT_TRUE(fresh > now - day && fresh < now + day) << fresh;
  fs::file_time_type old = fs::last_write_time(source) - std::chrono::hours(24 * 30);
  fs::last_write_time(source, old);
  MakeReadOnly(source);
  ASSERT_TRUE(OvCopyFile(source.c_str(), target.c_str()));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(fs::last_write_time(target), old);
#ifndef _WIN32
  // The copy keeps the old last-write time but is born now: the later one wins. (Wine gives
  // copies the source's creation time, so this is checked on POSIX only.)
  EXPECT_GT(OvGetFileTime(target.c_str()).ToU64(), now - day);
#endif
  source = temp.WriteFile("a.txt", "a");
  EXPECT_FALSE(OvCopyFile(temp.Join("missing.txt").c_str(), temp.Join("b.txt").c_str()));
  EXPECT_FALSE(OvCopyFile(source.c_str(), temp.Join("missing/b.txt").c_str()));
  EXPECT_FALSE(OvCopyFile(temp.Path().c_str(), temp.Join("dir-copy").c_str()));
  EXPECT_FALSE(FileExists(temp.Join("b.txt")) || FileExists(temp.Join("dir-copy")));
  // Onto itself, also when named with a doubled separator: refused, the content kept.
  for (const std::string& same : {source, temp.Path() + kSep + kSep + "a.txt"}) {
    EXPECT_FALSE(OvCopyFile(source.c_str(), same.c_str()));
    EXPECT_EQ(ReadFileBytes(source), "a");
  }
}

// Empty, missing and overlong paths (far beyond PATH_MAX 4096 and MAX_PATH 260): no listing,
// no output, no removal or creation.
TEST(OvDirectoryBadPaths, EmptyMissingAndOverlongPathsDoNothing) {
  TempDir temp;
  std::string huge = temp.Path(), missing = temp.Join("missing");
  for (int i = 0; i < 60; ++i) huge += kSep + std::string(100, 'h');
  EXPECT_FALSE(OvCreateDirectory(""));
  EXPECT_FALSE(OvCopyFile("", temp.Join("b.txt").c_str()));
  for (const std::string& path : {missing, temp.Path(), std::string(), huge})
    EXPECT_EQ(OvGetFileTime(path.c_str()).ToU64(), 0u) << path.size();
  COvArray<OvFindFile> files;
  Array dirs, extensions;
  EXPECT_EQ(StdoutLines([&] {
              for (const std::string& path : {missing, std::string(), huge}) {
                OvEnumerateDirectory(path.c_str(), files, dirs);
                OvEnumerateDirectory(path.c_str(), files);
                EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory(path.c_str(), dirs));
                EXPECT_TRUE(OvRetrieveFilesFromDirectory(path.c_str(), dirs, extensions));
                EXPECT_TRUE(OvRetrieveDirectoriesFromDirectoryRecursive(path.c_str(), dirs));
                EXPECT_TRUE(OvRetrieveFilesFromDirectoryRecursive(path.c_str(), dirs, extensions));
                EXPECT_TRUE(OvRemoveDirectoryRecursively(path.c_str(), true));
              }
              EXPECT_TRUE(CopyRecursively("", temp.Path().c_str()));
            }),
            Strings());
  EXPECT_EQ(files.GetCount() + dirs.GetCount(), 0);
  temp.WriteFile("file.txt", "x");
  for (const std::string& path : {std::string(), huge, temp.Path() + "/file.txt/sub/deeper"}) {
    TOvString<char> text(path.c_str());
    EXPECT_FALSE(OvCreatePath(text));
    EXPECT_EQ(text.IsEmpty(), path.empty());
  }
}

// Excluded directory names ignore case and hide their content; files are never excluded.
TEST(OvDirectoryEnumerate, ListsFilesAndDirectoriesRecursivelyLeavingOutExcludedOnes) {
  TempDir temp;
  for (const char* file : {"a.txt", "sub/b.txt", "sub/deeper/c.txt", "sub2/SUB"}) temp.WriteFile(file, "");
  const std::string& root = temp.Path();
  COvArray<OvFindFile> files;
  Array dirs, exclude;
  OvEnumerateDirectory(root.c_str(), files, dirs);
  EXPECT_EQ(Sorted(Names(files)), Sorted({N({root, "a.txt"}), N({root, "sub", "b.txt"}),
                                          N({root, "sub", "deeper", "c.txt"}), N({root, "sub2", "SUB"})}));
  EXPECT_EQ(Sorted(Names(dirs)), Sorted({N({root, "sub"}), N({root, "sub", "deeper"}), N({root, "sub2"})}));
  for (const OvFindFile& file : files) EXPECT_EQ(file.time.ToU64(), OvGetFileTime(file.name).ToU64());
  exclude.Add("SUB");
  files.RemoveAll();
  dirs.RemoveAll();
  OvEnumerateDirectory(root.c_str(), files, dirs, &exclude);
  EXPECT_EQ(Sorted(Names(files)), Sorted({N({root, "a.txt"}), N({root, "sub2", "SUB"})}));
  EXPECT_EQ(Names(dirs), (Strings{N({root, "sub2"})}));
}

// The target must exist: without it nothing is copied, yet every step is still reported.
// Removal deletes the files first, then the directories children before parents, and keeps the
// top. Deleting a read-only file fails on Windows only (POSIX asks for a writable directory, not
// a writable file). Links are checked with the other links below.
TEST(OvDirectoryCopyTree, CopiesEveryDirectoryAndFileWithProgressLinesAndRemovalDeletesThem) {
  TempDir temp;
  for (const char* file : {"src/a.txt", "src/sub/b.txt", "src/sub/inner/c.txt"}) temp.WriteFile(file, file);
  fs::create_directories(temp.Join("src/empty"));
  std::string dst = temp.Join("dst"), sub = N({dst, "sub"}), missing = temp.Join("missing");
  std::string target = temp.WriteFile("dst/a.txt", "old content");
  Strings lines = StdoutLines([&] { EXPECT_TRUE(CopyRecursively(temp.Join("src").c_str(), dst.c_str())); });
  EXPECT_EQ(
      ReadFileBytes(target) + ReadFileBytes(N({sub, "b.txt"})) + ReadFileBytes(N({sub, "inner", "c.txt"})),
      "src/a.txtsrc/sub/b.txtsrc/sub/inner/c.txt");
  EXPECT_TRUE(fs::is_directory(temp.Join("dst/empty")));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Group(lines, 0, 3),
            Sorted({"Creating " + sub, "Creating " + N({sub, "inner"}), "Creating " + N({dst, "empty"})}));
  EXPECT_EQ(Group(lines, 3, 6), Sorted({"Copying " + N({dst, "a.txt"}), "Copying " + N({sub, "b.txt"}),
                                        "Copying " + N({sub, "inner", "c.txt"})}));
  fs::remove(temp.Join("dst/empty"));
  lines = StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(dst.c_str(), false)); });
  EXPECT_TRUE(fs::is_directory(dst) && fs::is_empty(dst));
  EXPECT_EQ(Group(lines, 0, 3), Sorted({"Deleting " + N({dst, "a.txt"}), "Deleting " + N({sub, "b.txt"}),
                                        "Deleting " + N({sub, "inner", "c.txt"})}));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(Strings(lines.begin() + 3, lines.end()),
            (Strings{"Deleting " + N({sub, "inner"}), "Deleting " + sub}));
  MakeReadOnly(temp.WriteFile("dst/ro.txt", "r"));
  StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(dst.c_str(), true)); });
  EXPECT_TRUE(fs::is_empty(dst));
  fs::remove_all(temp.Join("src/sub/inner"));
  fs::remove_all(temp.Join("src/empty"));
  fs::remove(temp.Join("src/a.txt"));
  lines = StdoutLines([&] { EXPECT_TRUE(CopyRecursively(temp.Join("src").c_str(), missing.c_str())); });
  EXPECT_FALSE(FileExists(missing));
  EXPECT_EQ(lines, (Strings{"Creating " + N({missing, "sub"}), "Copying " + N({missing, "sub", "b.txt"})}));
}

// Existing levels are fine; the path comes back with native separators and a final one.
// OvCreateDirectory makes one level: an existing name is fine, a missing parent is not.
TEST(OvDirectoryCreatePath, CreatesOneLevelOrEachLevelAndRewritesThePath) {
  TempDir temp;
  std::string dir = temp.Join("new");
  EXPECT_TRUE(OvCreateDirectory(dir.c_str()) && fs::is_directory(dir) && OvCreateDirectory(dir.c_str()));
  EXPECT_FALSE(OvCreateDirectory(temp.Join("missing/child").c_str()));
  EXPECT_FALSE(fs::exists(temp.Join("missing")));
  // An existing file of that name counts as "already exists", as on Windows.
  EXPECT_TRUE(OvCreateDirectory(temp.WriteFile("file.txt", "x").c_str()));
  TOvString<char> path((temp.Path() + "/a/./b").c_str()), again((temp.Path() + "\\a\\b\\c\\").c_str());
  EXPECT_TRUE(OvCreatePath(path) && OvCreatePath(again));
  EXPECT_TRUE(fs::is_directory(temp.Join("a/b/c")));
  EXPECT_EQ(Str(path), N({temp.Path(), "a", ".", "b", ""}));
}

// Direct children are named below the directory with one separator added; a directory that
// ends with one gets none (the path text tests pin that rule). The recursive forms go one level
// after the other: B's files come before A1's although A1 lies under A. The caller's entries
// stay in front.
TEST(OvDirectoryRetrieve, ListsDirectChildrenOrGoesLevelByLevelWithinEachSubtree) {
  TempDir temp;
  for (const char* file :
       {"r/root.txt", "r/b.TXT", "r/c.dat", "r/A/a.txt", "r/A/A1/a1.txt", "r/A/A1/A1x/deep.txt", "r/B/b.txt"})
    temp.WriteFile(file, "");
  fs::create_directories(temp.Join("r/B/B1"));
  std::string r = temp.Join("r"), a = N({r, "A"}), b = N({r, "B"}), a1 = N({a, "A1"}), a1x = N({a1, "A1x"});
  Array children, all, extensions, filtered, dirs, files;
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectory(r.c_str(), children));
  EXPECT_EQ(Sorted(Names(children)), (Strings{a, b}));
  EXPECT_TRUE(OvRetrieveFilesFromDirectory(r.c_str(), all, extensions));
  const Strings top = Sorted({N({r, "root.txt"}), N({r, "b.TXT"}), N({r, "c.dat"})});
  EXPECT_EQ(Sorted(Names(all)), top);
  for (const char* extension : {"txt", "dat"}) extensions.Add(extension);
  EXPECT_TRUE(OvRetrieveFilesFromDirectory((r + kSep).c_str(), filtered, extensions));
  EXPECT_EQ(Sorted(Names(filtered)), Sorted({N({r, "root.txt"}), N({r, "c.dat"})}));
  dirs.Add("caller's entry");
  EXPECT_TRUE(OvRetrieveDirectoriesFromDirectoryRecursive(r.c_str(), dirs));
  EXPECT_TRUE(OvRetrieveFilesFromDirectoryRecursive(r.c_str(), files, Array()));
  ASSERT_EQ(dirs.GetCount(), 6);
  bool aFirst = Str(dirs[1]) == a;
  EXPECT_EQ(Names(dirs), (aFirst ? Strings{"caller's entry", a, b, a1, a1x, N({b, "B1"})}
                                 : Strings{"caller's entry", b, a, N({b, "B1"}), a1, a1x}));
  std::string aFile = N({a, "a.txt"}), bFile = N({b, "b.txt"});
  const Strings listed = Names(files);
  EXPECT_EQ(Group(listed, 0, 3), top);
  EXPECT_EQ(
      Strings(listed.begin() + 3, listed.end()),
      (Strings{aFirst ? aFile : bFile, aFirst ? bFile : aFile, N({a1, "a1.txt"}), N({a1x, "deep.txt"})}));
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
  std::string file = temp.WriteFile(N({deep.substr(temp.Path().size() + 1), "f.txt"}), "long");
  Array children, dirs;
  OvRetrieveFilesFromDirectory(deep.c_str(), children, Array());
  COvArray<OvFindFile> files;
  OvEnumerateDirectory(temp.Path().c_str(), files, dirs);
  EXPECT_EQ(dirs.GetCount(), 8);
  EXPECT_EQ(Names(children), (Strings{file}));
  EXPECT_EQ(Names(files), (Strings{file}));
  fs::create_directory(temp.Join("copy"));
  StdoutLines([&] {
    CopyRecursively(top.c_str(), temp.Join("copy").c_str());
    OvRemoveDirectoryRecursively(top.c_str(), false);
  });
  EXPECT_EQ(ReadFileBytes(temp.Join("copy") + file.substr(top.size())), "long");
  EXPECT_TRUE(fs::is_empty(top));
}
#endif

// Links to directories in listings, copies and removal: followed as directories, a link back
// into its own tree reported instead of walked forever, and never followed when removing.
// Making a link on Windows needs a privilege that test runs do not have.
#ifdef _WIN32
#define SKIP_WITHOUT_LINKS() GTEST_SKIP() << "no symbolic links here"
#else
#define SKIP_WITHOUT_LINKS() (void)0
#endif

// Removal deletes the links themselves, never what they lead to.
TEST(OvDirectoryLinks, CopyAndListingsFollowLinksReportingTheOneLeadingBackAndRemovalNeverFollowsThem) {
  SKIP_WITHOUT_LINKS();
  // src/a.txt, src/real/r.txt, src/alias -> real, src/real/up -> src (back into the tree), and
  // src/out -> a directory beside the tree.
  TempDir temp;
  const std::string src = temp.Join("src"), dst = temp.Join("dst");
  temp.WriteFile("src/a.txt", "a");
  temp.WriteFile("src/real/r.txt", "r");
  temp.WriteFile("outside/o.txt", "o");
  fs::create_directory_symlink(temp.Join("src/real"), temp.Join("src/alias"));
  fs::create_directory_symlink(src, temp.Join("src/real/up"));
  fs::create_directory_symlink(temp.Join("outside"), temp.Join("src/out"));
  fs::create_directory(dst);
  testing::internal::CaptureStderr();
  StdoutLines([&] { EXPECT_FALSE(CopyRecursively(src.c_str(), dst.c_str())); });
  // real/up, and alias/up (the same link met through alias), each in one line.
  std::string err = testing::internal::GetCapturedStderr();
  for (const char* via : {"real", "alias"}) {
    EXPECT_NE(err.find("Error : Can't copy " + src + kSep + via + kSep +
                       "up, the link leads back into its own tree !\n"),
              std::string::npos)
        << err;
  }
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2);
  EXPECT_EQ(ReadFileBytes(temp.Join("dst/alias/r.txt")) + ReadFileBytes(temp.Join("dst/out/o.txt")) +
                ReadFileBytes(temp.Join("dst/a.txt")),
            "roa");
  EXPECT_FALSE(fs::is_symlink(temp.Join("dst/alias")) || fs::exists(temp.Join("dst/real/up")));
  COvArray<OvFindFile> files;
  Array dirs, retrieved;
  OvEnumerateDirectory(src.c_str(), files, dirs);
  // real, real's content; alias walked like real (its "up" leads back too); out and o.txt.
  EXPECT_EQ(dirs.GetCount(), 3);
  EXPECT_EQ(files.GetCount(), 4);
  OvRetrieveDirectoriesFromDirectoryRecursive(src.c_str(), retrieved);
  // Here the links back are listed, not walked: alias, out, real, then alias/up and real/up.
  EXPECT_EQ(retrieved.GetCount(), 5);
  Strings lines = StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(src.c_str(), false)); });
  EXPECT_TRUE(fs::is_empty(src));
  EXPECT_EQ(ReadFileBytes(temp.Join("outside/o.txt")), "o");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Deleting " + src + kSep + "out"), lines.end());
}

}  // namespace
