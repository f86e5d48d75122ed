// Whole-file replacement: the temporary sibling's name, and that every outcome leaves either the
// new complete file or the previous one, with no temporary file behind.
#include "core/ovfilereplace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "core/ovfilehandle.h"
#include "support/temp_dir.h"

namespace {

TEST(OvFileReplace, TemporarySiblingKeepsDirectoryAndExtension) {
  const std::pair<const char*, const char*> rows[] = {
      {"game.rc", ".tmp-game.rc"},
      {"C:\\Games\\rsc\\game.rc", "C:\\Games\\rsc\\.tmp-game.rc"},
      {"C:/Games/rsc/game.ico", "C:/Games/rsc/.tmp-game.ico"},
      {"/games/a.b/ant.properties", "/games/a.b/.tmp-ant.properties"},
      {"dir\\sub/file", "dir\\sub/.tmp-file"},
  };
  for (const auto& row : rows)
    EXPECT_STREQ(row.second, OvTemporarySibling(row.first).GetBuffer()) << row.first;
}

EOvReplaceStep Replace(const std::string& path, const std::string& text) {
  return OvReplaceFile(path.c_str(), text.data(), static_cast<int>(text.size()),
                       eOvFileSystemOpenMode_WriteBinary);
}

TEST(OvFileReplace, NewContentReplacesTheOldFileAndFailuresLeaveThePreviousStateWithoutLeftovers) {
  TempDir dir;
  const std::string path = dir.WriteFile("out/file.txt", "previous content, longer than the new one");
  EXPECT_EQ(eOvReplaceStep_None, Replace(path, "new"));
  EXPECT_EQ("new", ReadFileBytes(path));
  EXPECT_EQ(eOvReplaceStep_None, Replace(dir.Join("out/created.txt"), ""));
  EXPECT_TRUE(FileExists(dir.Join("out/created.txt")));
  EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(dir.Join("out")), {}));
  // A missing directory: the temporary file cannot be opened.
  EXPECT_EQ(eOvReplaceStep_Open, Replace(dir.Join("missing/file.txt"), "text"));
  EXPECT_FALSE(FileExists(dir.Join("missing")));
  // A directory in the target's place cannot be replaced by a file.
  const std::string blocked = dir.Join("out/blocked");
  dir.WriteFile("out/blocked/inside.txt", "kept");
  EXPECT_EQ(eOvReplaceStep_Rename, Replace(blocked, "text"));
  EXPECT_EQ("kept", ReadFileBytes(dir.Join("out/blocked/inside.txt")));
  EXPECT_FALSE(FileExists(OvTemporarySibling(blocked.c_str()).GetBuffer()));
  // A tool's product that never appeared.
  EXPECT_FALSE(OvCommitTemporary(dir.Join("out/.tmp-none").c_str(), dir.Join("out/none").c_str()));
  EXPECT_FALSE(FileExists(dir.Join("out/none")));
}

}  // namespace
