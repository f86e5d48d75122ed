// COvFilePath with the host's separator rules.
#include "core/ovfilepath.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(COvFilePathParts, AccessorsSplitTheStoredPath) {
  struct Row {
    const char *path, *directory, *name, *extension, *nameExt;
  };
  const Row rows[] = {
      {"a/b.c/file.tar.gz", "a/b.c/", "file.tar", "gz", "file.tar.gz"},
      {"dir\\.hidden", "dir\\", "", "hidden", ".hidden"},
      {"name", "", "name", "", "name."},
      {"dir\\Makefile", "dir\\", "Makefile", "", "Makefile."},
      {"", "", "", "", "."},
      {"/games/demo/icons/game.png", "/games/demo/icons/", "game", "png", "game.png"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    COvFilePath path(row.path);
    EXPECT_EQ(Str(path.getFilePath()), row.directory);
    EXPECT_EQ(Str(path.getFileName()), row.name);
    EXPECT_EQ(Str(path.getFileExt()), row.extension);
    EXPECT_EQ(Str(path.getFileNameExt()), row.nameExt);
    TOvString<char> directory, name, extension;
    path.extractPath(directory, name, extension);
    EXPECT_EQ(Str(directory), row.directory);
    EXPECT_EQ(Str(name), row.name);
    EXPECT_EQ(Str(extension), row.extension);
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
}

TEST(COvFilePathStatics, EmptyBaseLeavesThePathRelative) {
  TOvString<char> path("conf/demo.xml");
  COvFilePath::ConvertToAbsolute(path, COvFilePath("demo.xml").getFilePath());
  TOvString<char> expected("conf/demo.xml");
  COvFilePath::ConvertToNativePath(expected);
  EXPECT_EQ(Str(path), Str(expected));
}

}  // namespace
