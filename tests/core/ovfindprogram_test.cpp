#include "core/ovfindprogram.h"

#include <gtest/gtest.h>

#include "core/platform/host.h"
#include "core_test_util.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

TEST(OvFindProgram, ToolDirectoryFirstThenThePathOnPosix) {
  TempDir dir;
  const std::string suffix = ovhost::kExecutableSuffix;
  std::string onPath = dir.WriteFile("bin/convert" + suffix, "");
  dir.WriteFile("tools/convert" + suffix, "");
  std::string pathList = dir.Join("nothing") + ovhost::kPathListSeparator + dir.Join("bin");
  ScopedEnv path("PATH", pathList);

  EXPECT_STREQ(onPath.c_str(), OvFindProgramOnPath("convert").GetBuffer());
  EXPECT_STREQ("", OvFindProgramOnPath("missing").GetBuffer());

  std::string tools = dir.Join("tools") + kSep;
  EXPECT_STREQ((tools + "convert" + suffix).c_str(), OvFindProgram(tools.c_str(), "convert").GetBuffer());

  std::string empty = dir.Join("empty") + kSep;
  // Windows tools ship beside the program; the PATH there holds unrelated programs.
  std::string expected = ovhost::kIsWindows ? empty + "convert" + suffix : onPath;
  EXPECT_STREQ(expected.c_str(), OvFindProgram(empty.c_str(), "convert").GetBuffer());
  EXPECT_STREQ((empty + "missing" + suffix).c_str(), OvFindProgram(empty.c_str(), "missing").GetBuffer());
}
