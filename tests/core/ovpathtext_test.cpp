// Path texts under both separator styles: the Windows examples with the Windows style and their
// POSIX forms with the POSIX style.
#include "core/ovpathtext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core_test_util.h"

namespace {

const EOvPathStyle kWin = EOvPathStyle::Windows;
const EOvPathStyle kPosix = EOvPathStyle::Posix;

std::string StyleName(EOvPathStyle style) { return style == kWin ? "Windows" : "Posix"; }

TEST(OvPathTextSplit, SplitsAtLastSeparatorOfEitherKindThenAtLastDot) {
  struct Row {
    const char* path;
    const char* directory;
    const char* name;
    const char* extension;
  };
  const Row rows[] = {
      {"a/b.c/file.tar.gz", "a/b.c/", "file.tar", "gz"},
      {"dir\\.hidden", "dir\\", "", "hidden"},
      {"name", "", "name", ""},
      {"", "", "", ""},
      {"file.", "", "file", ""},
      {"dir/", "dir/", "", ""},
      {"mixed\\a/b\\c.d", "mixed\\a/b\\", "c", "d"},
      {"/games/demo/demo.project", "/games/demo/", "demo", "project"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    TOvString<char> directory("stale"), name("stale"), extension("stale");
    ovpath::Split(row.path, directory, name, extension);
    EXPECT_EQ(Str(directory), row.directory);
    EXPECT_EQ(Str(name), row.name);
    EXPECT_EQ(Str(extension), row.extension);
  }
}

TEST(OvPathTextSplit, OutputsMayAliasTheInput) {
  TOvString<char> path("a/b/c.txt"), name, extension;
  ovpath::Split(path, path, name, extension);
  EXPECT_EQ(Str(path), "a/b/");
  EXPECT_EQ(Str(name), "c");
  EXPECT_EQ(Str(extension), "txt");
}

TEST(OvPathTextToNative, EverySeparatorBecomesTheStyleOne) {
  struct Row {
    EOvPathStyle style;
    const char* path;
    const char* expected;
  };
  const Row rows[] = {
      {kWin, "C:/a/b", "C:\\a\\b"},   {kWin, "a\\b/c", "a\\b\\c"}, {kWin, "a//b", "a\\\\b"}, {kWin, "", ""},
      {kPosix, "C:\\a\\b", "C:/a/b"}, {kPosix, "a\\\\b", "a//b"},  {kPosix, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path);
    TOvString<char> path(row.path);
    ovpath::ToNative(path, row.style);
    EXPECT_EQ(Str(path), row.expected);
  }
}

TEST(OvPathTextIsAbsolute, WindowsNeedsUpperCaseDriveColonBackslashPosixLeadingSlash) {
  struct Row {
    EOvPathStyle style;
    const char* path;
    bool expected;
  };
  const Row rows[] = {
      {kWin, "C:\\a", true},  {kWin, "Z:\\", true},   {kWin, "c:\\a", false}, {kWin, "C:/a", false},
      {kWin, "C:", false},    {kWin, "\\a", false},   {kWin, "/a", false},    {kWin, "", false},
      {kWin, "1:\\a", false}, {kPosix, "/a", true},   {kPosix, "/", true},    {kPosix, "//a", true},
      {kPosix, "a", false},   {kPosix, "./a", false}, {kPosix, "", false},    {kPosix, "C:\\a", false},
      {kPosix, "\\a", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path);
    EXPECT_EQ(ovpath::IsAbsolute(row.path, row.style), row.expected);
  }
}

TEST(OvPathTextMakeAbsolute, PrefixesRelativePathsWithBaseWithoutFolding) {
  struct Row {
    EOvPathStyle style;
    const char* path;
    const char* base;
    const char* expected;
  };
  const Row rows[] = {
      {kWin, "C:/a", "D:\\base", "C:\\a"},
      {kWin, "C:/a", "", "C:\\a"},
      {kWin, "x/y", "C:\\base", "C:\\base\\x\\y"},
      {kWin, "x/y", "C:\\base\\", "C:\\base\\x\\y"},
      {kWin, "x/y", "C:/base/", "C:\\base\\x\\y"},
      {kWin, "..\\x", "C:\\base", "C:\\base\\..\\x"},
      {kWin, "\\x", "C:\\base", "C:\\base\\\\x"},
      {kWin, "c:\\x", "C:\\base", "C:\\base\\c:\\x"},
      {kWin, "x/y", "", "x\\y"},
      {kPosix, "/a", "/base", "/a"},
      {kPosix, "x/y", "/base", "/base/x/y"},
      {kPosix, "x/y", "/base/", "/base/x/y"},
      {kPosix, "x\\y", "/base\\", "/base/x/y"},
      {kPosix, "../x", "/base", "/base/../x"},
      {kPosix, "C:/a", "/base", "/base/C:/a"},
      {kPosix, "x/y", "", "x/y"},
      {kPosix, "x", "rel", "rel/x"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path + " against " + row.base);
    TOvString<char> path(row.path);
    ovpath::MakeAbsolute(path, row.base, row.style);
    EXPECT_EQ(Str(path), row.expected);
  }
}

TEST(OvPathTextJoin, EntriesKeepDoubledSeparators) {
  struct Row {
    EOvPathStyle style;
    const char* directory;
    const char* name;
    const char* joined;
    const char* withTrailing;
  };
  const Row rows[] = {
      {kWin, "C:\\dir", "a.txt", "C:\\dir\\a.txt", "C:\\dir\\"},
      {kWin, "C:\\a\\\\b\\", "c.bf", "C:\\a\\\\b\\\\c.bf", "C:\\a\\\\b\\"},
      {kWin, "C:/ws/", "Generic", "C:/ws/\\Generic", "C:/ws/"},
      {kPosix, "/dir", "a.txt", "/dir/a.txt", "/dir/"},
      {kPosix, "/a//b/", "c.bf", "/a//b//c.bf", "/a//b/"},
      {kPosix, "", "x", "/x", "/"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.directory);
    EXPECT_EQ(Str(ovpath::JoinEntry(row.directory, row.name, row.style)), row.joined);
    EXPECT_EQ(Str(ovpath::WithTrailingSeparator(row.directory, row.style)), row.withTrailing);
  }
}

TEST(OvPathTextPlanCreatePath, RewritesPathAndListsDirectoriesAfterTheFirstPart) {
  struct Row {
    EOvPathStyle style;
    const char* path;
    const char* rewritten;
    std::vector<std::string> directories;
  };
  const Row rows[] = {
      {kWin, "C:/a/./b", "C:\\a\\.\\b\\", {"C:\\a\\", "C:\\a\\b\\"}},
      {kWin, "out\\dir", "out\\dir\\", {"out\\dir\\"}},
      {kWin, "C:", "C:\\", {}},
      {kWin, "C:/a\\\\b/./c//", "C:\\a\\\\b\\.\\c\\\\", {"C:\\a\\", "C:\\a\\b\\", "C:\\a\\b\\c\\"}},
      {kWin, "\\a\\b", "\\a\\b\\", {"\\a\\b\\"}},
      {kWin, "", "", {}},
      {kPosix, "/c/a/./b", "/c/a/./b/", {"/c/a/", "/c/a/b/"}},
      {kPosix, "out/dir", "out/dir/", {"out/dir/"}},
      {kPosix, "/tmp", "/tmp/", {}},
      {kPosix, "/", "/", {}},
      {kPosix, "", "", {}},
      {kPosix, "C:\\a\\b", "C:/a/b/", {"C:/a/", "C:/a/b/"}},
      {kPosix, "/g//r/", "/g//r/", {"/g/r/"}},
      {kPosix, "/a/../b", "/a/../b/", {"/a/../", "/a/../b/"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path);
    TOvString<char> path(row.path);
    COvArray<TOvString<char>> directories;
    ovpath::PlanCreatePath(path, directories, row.style);
    EXPECT_EQ(Str(path), row.rewritten);
    std::vector<std::string> planned;
    for (const TOvString<char>& directory : directories) planned.push_back(Str(directory));
    EXPECT_EQ(planned, row.directories);
  }
}

TEST(OvPathTextLongPaths, TextsBeyondTheWindowsLimitAreHandledWhole) {
  std::string longName(300, 'n');
  std::string path = "C:\\" + longName + "\\" + longName + ".ext";
  TOvString<char> directory, name, extension;
  ovpath::Split(path.c_str(), directory, name, extension);
  EXPECT_EQ(Str(directory), "C:\\" + longName + "\\");
  EXPECT_EQ(Str(name), longName);
  EXPECT_EQ(Str(extension), "ext");

  TOvString<char> createPath(path.c_str());
  COvArray<TOvString<char>> directories;
  ovpath::PlanCreatePath(createPath, directories, kWin);
  ASSERT_EQ(directories.GetCount(), 2);
  EXPECT_EQ(Str(directories[1]), path + "\\");
}

}  // namespace
