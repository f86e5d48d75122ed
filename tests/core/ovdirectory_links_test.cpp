// Links to directories in listings, copies and removal: followed as directories, a link back
// into its own tree reported instead of walked forever, and never followed when removing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ovdirectory.h"
#include "core/platform/host.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// Making a link on Windows needs a privilege that test runs do not have.
#ifdef _WIN32
#define SKIP_WITHOUT_LINKS() GTEST_SKIP() << "no symbolic links here"
#else
#define SKIP_WITHOUT_LINKS() (void)0
#endif

// src/a.txt, src/real/r.txt, src/alias -> real, src/real/up -> src (back into the tree), and
// src/out -> a directory beside the tree.
struct LinkedTree {
  TempDir temp;
  std::string src = temp.Join("src");
  LinkedTree() {
    temp.WriteFile("src/a.txt", "a");
    temp.WriteFile("src/real/r.txt", "r");
    temp.WriteFile("outside/o.txt", "o");
    fs::create_directory_symlink(temp.Join("src/real"), temp.Join("src/alias"));
    fs::create_directory_symlink(src, temp.Join("src/real/up"));
    fs::create_directory_symlink(temp.Join("outside"), temp.Join("src/out"));
  }
};

}  // namespace

TEST(OvDirectoryLinks, CopyFollowsDirectoryLinksAndReportsTheOneLeadingBack) {
  SKIP_WITHOUT_LINKS();
  LinkedTree tree;
  std::string dst = tree.temp.Join("dst");
  fs::create_directory(dst);
  testing::internal::CaptureStderr();
  StdoutLines([&] { EXPECT_FALSE(CopyRecursively(tree.src.c_str(), dst.c_str())); });
  // real/up, and alias/up (the same link met through alias), each in one line.
  std::string err = testing::internal::GetCapturedStderr();
  for (const char* via : {"real", "alias"}) {
    EXPECT_NE(err.find("Error : Can't copy " + tree.src + kSep + via + kSep +
                       "up, the link leads back into its own tree !\n"),
              std::string::npos)
        << err;
  }
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2);
  EXPECT_EQ(ReadFileBytes(tree.temp.Join("dst/alias/r.txt")) +
                ReadFileBytes(tree.temp.Join("dst/out/o.txt")) + ReadFileBytes(tree.temp.Join("dst/a.txt")),
            "roa");
  EXPECT_FALSE(fs::is_symlink(tree.temp.Join("dst/alias")) || fs::exists(tree.temp.Join("dst/real/up")));
}

// Removal deletes the links themselves, never what they lead to.
TEST(OvDirectoryLinks, ListingsWalkLinksOnceAndRemovalNeverFollowsThem) {
  SKIP_WITHOUT_LINKS();
  LinkedTree tree;
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs, retrieved;
  OvEnumerateDirectory(tree.src.c_str(), files, dirs);
  // real, real's content; alias walked like real (its "up" leads back too); out and o.txt.
  EXPECT_EQ(dirs.GetCount(), 3);
  EXPECT_EQ(files.GetCount(), 4);
  OvRetrieveDirectoriesFromDirectoryRecursive(tree.src.c_str(), retrieved);
  // Here the links back are listed, not walked: alias, out, real, then alias/up and real/up.
  EXPECT_EQ(retrieved.GetCount(), 5);
  std::vector<std::string> lines =
      StdoutLines([&] { EXPECT_TRUE(OvRemoveDirectoryRecursively(tree.src.c_str(), false)); });
  EXPECT_TRUE(fs::is_empty(tree.src));
  EXPECT_EQ(ReadFileBytes(tree.temp.Join("outside/o.txt")), "o");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Deleting " + tree.src + kSep + "out"), lines.end());
}
