// Links to directories in listings, copies and removal: followed as directories, a link back
// into its own tree reported instead of walked forever, and never followed when removing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/ovdirectory.h"
#include "core/platform/host.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

const std::string kSep(1, ovhost::kNativeSeparator);

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
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(CopyRecursively(tree.src.c_str(), dst.c_str()));
  testing::internal::GetCapturedStdout();
  // real/up, and alias/up (the same link met through alias), each in one line.
  std::string err = testing::internal::GetCapturedStderr();
  for (const char* via : {"real", "alias"}) {
    EXPECT_NE(err.find("Error : Can't copy " + tree.src + kSep + via + kSep +
                       "up, the link leads back into its own tree !\n"),
              std::string::npos)
        << err;
  }
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2);
  EXPECT_EQ(ReadFileBytes(tree.temp.Join("dst/alias/r.txt")), "r");
  EXPECT_EQ(ReadFileBytes(tree.temp.Join("dst/out/o.txt")), "o");
  EXPECT_FALSE(fs::is_symlink(tree.temp.Join("dst/alias")));
  EXPECT_FALSE(fs::exists(tree.temp.Join("dst/real/up")));
  EXPECT_EQ(ReadFileBytes(tree.temp.Join("dst/a.txt")), "a");
}

TEST(OvDirectoryLinks, ListingsWalkLinksOnceAndStop) {
  SKIP_WITHOUT_LINKS();
  LinkedTree tree;
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  OvEnumerateDirectory(tree.src.c_str(), files, dirs);
  // real, real's content; alias walked like real (its "up" leads back too); out and o.txt.
  EXPECT_EQ(dirs.GetCount(), 3);
  EXPECT_EQ(files.GetCount(), 4);
  COvArray<TOvString<char>> retrieved;
  OvRetrieveDirectoriesFromDirectoryRecursive(tree.src.c_str(), retrieved);
  // Here the links back are listed, not walked: alias, out, real, then alias/up and real/up.
  EXPECT_EQ(retrieved.GetCount(), 5);
}

TEST(OvDirectoryLinks, RemovalDeletesLinksAndNeverWhatTheyLeadTo) {
  SKIP_WITHOUT_LINKS();
  LinkedTree tree;
  testing::internal::CaptureStdout();
  EXPECT_TRUE(OvRemoveDirectoryRecursively(tree.src.c_str(), false));
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(fs::is_empty(tree.src));
  EXPECT_EQ(ReadFileBytes(tree.temp.Join("outside/o.txt")), "o");
  EXPECT_NE(out.find("Deleting " + tree.src + kSep + "out\n"), std::string::npos);
}
