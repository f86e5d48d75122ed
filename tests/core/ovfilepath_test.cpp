// COvFilePath with the host's separator rules.
#include "core/ovfilepath.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core_test_util.h"

namespace {

TEST(COvFilePathConstruction, NativeFlagConvertsSeparators) {
#ifdef _WIN32
  const char* native = "a\\b\\c.txt";
#else
  const char* native = "a/b/c.txt";
#endif
  EXPECT_EQ(Str(COvFilePath("a/b\\c.txt", true).GetAsString()), native);
  EXPECT_EQ(Str(COvFilePath(TOvString<char>("a/b\\c.txt"), true).GetAsString()), native);
  EXPECT_EQ(Str(COvFilePath("a/b\\c.txt").GetAsString()), "a/b\\c.txt");
  EXPECT_EQ(Str(COvFilePath(TOvString<char>("a/b\\c.txt"), false).GetAsString()), "a/b\\c.txt");
}

// Directory, name, extension and name with extension; the splitting itself is pinned by the
// path text tests.
TEST(COvFilePathParts, AccessorsSplitTheStoredPath) {
  using Strings = std::vector<std::string>;
  const std::pair<const char*, Strings> rows[] = {
      {"a/b.c/file.tar.gz", {"a/b.c/", "file.tar", "gz", "file.tar.gz"}},
      {"dir\\.hidden", {"dir\\", "", "hidden", ".hidden"}},
      {"name", {"", "name", "", "name."}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.first);
    COvFilePath path(row.first);
    EXPECT_EQ(row.second, (Strings{Str(path.getFilePath()), Str(path.getFileName()), Str(path.getFileExt()),
                                   Str(path.getFileNameExt())}));
  }
}

TEST(COvFilePathStatics, HostRulesForNativeAndAbsolute) {
  TOvString<char> path("a/b\\c");
  COvFilePath::ConvertToNativePath(path);
#ifdef _WIN32
  EXPECT_EQ(Str(path), "a\\b\\c");
  EXPECT_TRUE(COvFilePath::IsAbsolute("C:\\a"));
  EXPECT_FALSE(COvFilePath::IsAbsolute("c:\\a"));
  EXPECT_FALSE(COvFilePath::IsAbsolute("/a"));
  TOvString<char> relative("x/y");
  COvFilePath::ConvertToAbsolute(relative, "C:\\base");
  EXPECT_EQ(Str(relative), "C:\\base\\x\\y");
#else
  EXPECT_EQ(Str(path), "a/b/c");
  EXPECT_TRUE(COvFilePath::IsAbsolute("/a"));
  EXPECT_FALSE(COvFilePath::IsAbsolute("C:\\a"));
  TOvString<char> relative("x\\y");
  COvFilePath::ConvertToAbsolute(relative, "/base");
  EXPECT_EQ(Str(relative), "/base/x/y");
#endif
  // An empty base leaves the path relative.
  TOvString<char> bare("conf/demo.xml"), expected("conf/demo.xml");
  COvFilePath::ConvertToAbsolute(bare, COvFilePath("demo.xml").getFilePath());
  COvFilePath::ConvertToNativePath(expected);
  EXPECT_EQ(Str(bare), Str(expected));
}

}  // namespace
