// Path texts under both separator styles: the Windows examples with the Windows style and their
// POSIX forms with the POSIX style. COvFilePath, which applies them with the host's style, is
// checked on the rows of the host's style.
#include "core/ovpathtext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ovfilepath.h"
#include "core_test_util.h"

namespace {

const EOvPathStyle kWin = EOvPathStyle::Windows;
const EOvPathStyle kPosix = EOvPathStyle::Posix;

// Texts beyond the Windows limit are handled whole.
const std::string kLong = "C:\\" + std::string(300, 'n');

// A style, a path, the expected text, and for MakeAbsolute the base.
struct TextRow {
  EOvPathStyle style;
  const char *path, *expected, *base = "";
};

std::string StyleName(EOvPathStyle style) { return style == kWin ? "Windows" : "Posix"; }

// The native flag converts the separators with the host's style.
TEST(COvFilePathConstruction, NativeFlagConvertsSeparators) {
  const std::string native = ovhost::kIsWindows ? "a\\b\\c.txt" : "a/b/c.txt";
  EXPECT_EQ(Str(COvFilePath("a/b\\c.txt", true).GetAsString()), native);
  EXPECT_EQ(Str(COvFilePath(TOvString<char>("a/b\\c.txt"), true).GetAsString()), native);
  EXPECT_EQ(Str(COvFilePath("a/b\\c.txt").GetAsString()), "a/b\\c.txt");
  EXPECT_EQ(Str(COvFilePath(TOvString<char>("a/b\\c.txt"), false).GetAsString()), "a/b\\c.txt");
}

TEST(OvPathTextSplit, SplitsAtLastSeparatorOfEitherKindThenAtLastDot) {
  struct Row {
    std::string path, directory, name, extension, nameWithExtension;
  };
  // The name with its extension keeps the dot when there is no extension.
  const Row rows[] = {{kLong + "\\" + std::string(300, 'n') + ".ext", kLong + "\\", std::string(300, 'n'),
                       "ext", std::string(300, 'n') + ".ext"},
                      {"a/b.c/file.tar.gz", "a/b.c/", "file.tar", "gz", "file.tar.gz"},
                      {"dir\\.hidden", "dir\\", "", "hidden", ".hidden"},
                      {"name", "", "name", "", "name."},
                      {"", "", "", "", "."},
                      {"file.", "", "file", "", "file."},
                      {"dir/", "dir/", "", "", "."},
                      {"mixed\\a/b\\c.d", "mixed\\a/b\\", "c", "d", "c.d"},
                      {"/games/demo/demo.project", "/games/demo/", "demo", "project", "demo.project"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path.substr(0, 20));
    TOvString<char> directory("stale"), name("stale"), extension("stale"), path(row.path.c_str());
    const std::string expected = row.directory + "|" + row.name + "|" + row.extension;
    ovpath::Split(row.path.c_str(), directory, name, extension);
    EXPECT_EQ(Str(directory) + "|" + Str(name) + "|" + Str(extension), expected);
    // The outputs may alias the input.
    ovpath::Split(path, path, name, extension);
    EXPECT_EQ(Str(path) + "|" + Str(name) + "|" + Str(extension), expected);
    const COvFilePath file(row.path.c_str());
    EXPECT_EQ(Str(file.getFilePath()) + "|" + Str(file.getFileName()) + "|" + Str(file.getFileExt()) + "|" +
                  Str(file.getFileNameExt()),
              expected + "|" + row.nameWithExtension);
  }
}

TEST(OvPathTextIsAbsolute, WindowsNeedsUpperCaseDriveColonBackslashPosixLeadingSlash) {
  struct Row {
    EOvPathStyle style;
    const char* path;
    bool expected;
  };
  const Row rows[] = {{kWin, "C:\\a", true},    {kWin, "Z:\\", true},   {kWin, "c:\\a", false},
                      {kWin, "C:/a", false},    {kWin, "C:", false},    {kWin, "\\a", false},
                      {kWin, "/a", false},      {kWin, "", false},      {kWin, "1:\\a", false},
                      {kPosix, "/a", true},     {kPosix, "/", true},    {kPosix, "//a", true},
                      {kPosix, "a", false},     {kPosix, "./a", false}, {kPosix, "", false},
                      {kPosix, "C:\\a", false}, {kPosix, "\\a", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path);
    EXPECT_EQ(ovpath::IsAbsolute(row.path, row.style), row.expected);
    EXPECT_TRUE(row.style != kOvHostPathStyle || COvFilePath::IsAbsolute(row.path) == row.expected);
  }
}

// Every separator of the path becomes the style's, doubled ones included.
TEST(OvPathTextMakeAbsolute, PrefixesRelativePathsWithBaseWithoutFolding) {
  const TextRow rows[] = {{kWin, "C:/a", "C:\\a", "D:\\base"},
                          {kWin, "x/y", "C:\\base\\x\\y", "C:\\base"},
                          {kWin, "x/y", "C:\\base\\x\\y", "C:\\base\\"},
                          {kWin, "x/y", "C:\\base\\x\\y", "C:/base/"},
                          {kWin, "..\\x", "C:\\base\\..\\x", "C:\\base"},
                          {kWin, "\\x", "C:\\base\\\\x", "C:\\base"},
                          {kWin, "a\\b//c", "a\\b\\\\c", ""},
                          {kWin, "", "", ""},
                          {kPosix, "/a", "/a", "/base"},
                          {kPosix, "x/y", "/base/x/y", "/base"},
                          {kPosix, "x\\y", "/base/x/y", "/base\\"},
                          {kPosix, "../x", "/base/../x", "/base"},
                          {kPosix, "C:\\a\\\\b", "C:/a//b", ""},
                          {kPosix, "x", "rel/x", "rel"}};
  for (const TextRow& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path + " against " + row.base);
    TOvString<char> path(row.path);
    ovpath::MakeAbsolute(path, row.base, row.style);
    EXPECT_EQ(Str(path), row.expected);
    if (row.style != kOvHostPathStyle) continue;
    TOvString<char> viaFile(row.path);
    COvFilePath::ConvertToAbsolute(viaFile, row.base);
    EXPECT_EQ(Str(viaFile), row.expected);
  }
}

TEST(OvPathTextJoin, EntriesKeepDoubledSeparators) {
  struct Row {
    EOvPathStyle style;
    const char *directory, *name, *joined, *withTrailing;
  };
  const Row rows[] = {{kWin, "C:\\dir", "a.txt", "C:\\dir\\a.txt", "C:\\dir\\"},
                      {kWin, "C:\\a\\\\b\\", "c.bf", "C:\\a\\\\b\\\\c.bf", "C:\\a\\\\b\\"},
                      {kWin, "C:/ws/", "Generic", "C:/ws/\\Generic", "C:/ws/"},
                      {kPosix, "/dir", "a.txt", "/dir/a.txt", "/dir/"},
                      {kPosix, "/a//b/", "c.bf", "/a//b//c.bf", "/a//b/"},
                      {kPosix, "", "x", "/x", "/"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.directory);
    EXPECT_EQ(Str(ovpath::JoinEntry(row.directory, row.name, row.style)), row.joined);
    EXPECT_EQ(Str(ovpath::WithTrailingSeparator(row.directory, row.style)), row.withTrailing);
  }
}

TEST(OvPathTextPlanCreatePath, RewritesPathAndListsDirectoriesAfterTheFirstPart) {
  struct Row {
    EOvPathStyle style;
    std::string path, rewritten;
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
      {kPosix, "/tmp", "/tmp/", {}},
      {kPosix, "/", "/", {}},
      {kPosix, "C:\\a\\b", "C:/a/b/", {"C:/a/", "C:/a/b/"}},
      {kPosix, "/g//r/", "/g//r/", {"/g/r/"}},
      {kPosix, "/a/../b", "/a/../b/", {"/a/../", "/a/../b/"}},
      {kWin, kLong + "\\x", kLong + "\\x\\", {kLong + "\\", kLong + "\\x\\"}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(StyleName(row.style) + " " + row.path.substr(0, 20));
    TOvString<char> path(row.path.c_str());
    COvArray<TOvString<char>> directories;
    ovpath::PlanCreatePath(path, directories, row.style);
    EXPECT_EQ(Str(path), row.rewritten);
    EXPECT_EQ(Names(directories), row.directories);
  }
}

}  // namespace
