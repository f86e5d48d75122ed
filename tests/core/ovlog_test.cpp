#include "core/ovlog.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <sstream>
#include <string>

#include "core_test_util.h"
#include "support/temp_dir.h"

namespace {

std::string Format(int size, const ovplatform::LocalTime& time, int level, int indent, const char* format,
                   ...) {
  std::string buffer(static_cast<size_t>(size > 0 ? size : 1), '#');
  va_list args;
  va_start(args, format);
  int length = OvLogFormatLine(&buffer[0], size, time, level, indent, format, args);
  va_end(args);
  EXPECT_EQ(static_cast<size_t>(length), std::string(buffer.c_str()).size());
  return buffer.c_str();
}

ovplatform::LocalTime At(int hour, int minute, int second) { return {0, 0, 0, 0, hour, minute, second}; }

// Log state for one test: files in a temporary directory, defaults restored afterwards.
class OvLogFiles : public ::testing::Test {
 protected:
  void SetUp() override { OvLogSetDirectory(m_dir.Path().c_str()); }
  void TearDown() override {
    OvLogRelease();
    OvLogSetDirectory(nullptr);
    OvLogSetLevelMask(OV_LOG_DEFAULT_LEVEL_MASK);
    OvLogSetTypeMask(OV_LOG_DEFAULT_TYPE_MASK);
    OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);
  }
  std::string File(const char* name) const { return ReadFileBytes(m_dir.Join(std::string("_logs/") + name)); }
  // Text after the "hh:mm:ss " stamp of every line, one per line.
  static std::string WithoutStamps(const std::string& text) {
    std::istringstream in(text);
    std::string result;
    for (std::string line; std::getline(in, line);) result += line.substr(9) + "\n";
    return result;
  }

  TempDir m_dir;
};

}  // namespace

// Several level bits, or none, give no tag. A cut line still ends with its newline: tiny
// buffers keep what fits of the stamp; indentation that does not fit is dropped.
TEST(OvLogFormat, LineHasStampTagOfASingleLevelIndentAndNewlineWithinTheBuffer) {
  const struct {
    int size, hour, minute, second, level, indent;
    const char* text;
    std::string line;
  } rows[] = {
      {8192, 9, 5, 3, 4, 1, "x=5", "09:05:03 [WARNING]   x=5\n"},
      {8192, 23, 59, 59, 1, 0, "hi", "23:59:59 [   INFO] hi\n"},
      {8192, 0, 0, 0, 16, 3, "deep", "00:00:00 [  FATAL]       deep\n"},
      {8192, 1, 2, 3, 2, -4, "p", "01:02:03 [PROFILE] p\n"},
      {8192, 12, 0, 0, 0, 0, "none", "12:00:00 none\n"},
      {6, 1, 1, 1, 4, 0, "msg", "01:0\n"},
      {2, 1, 1, 1, 4, 0, "msg", "\n"},
      {1, 1, 1, 1, 4, 0, "msg", ""},
      {24, 1, 1, 1, 4, 100, "msg", "01:01:01 [WARNING]   m\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(row.line,
              Format(row.size, At(row.hour, row.minute, row.second), row.level, row.indent, "%s", row.text));
  }
  std::string line = Format(OV_LOG_LINE_SIZE, At(1, 1, 1), 4, 0, "%s", std::string(20000, 'z').c_str());
  EXPECT_EQ("01:01:01 [WARNING] " + std::string(OV_LOG_LINE_SIZE - 21, 'z') + "\n", line);
  EXPECT_STREQ("", OvLogLevelTag(32));
  EXPECT_EQ(nullptr, OvLogLevelFileWord(6));
  EXPECT_STREQ("profile", OvLogLevelFileWord(2));
}

TEST_F(OvLogFiles, LinesGoToTheMainAndLevelFilesThroughTheMasksAndInitTruncates) {
  ASSERT_TRUE(OvLogInit("game"));
  OvLog(eLogLevel_Info, 1, 0, "info %s", "line");
  OvLog(eLogLevel_Warning, 2, 1, "x=%d", 5);
  OvLog(3, 1, 0, "two levels");
  // Fatal is filtered by default until the mask allows it.
  OvLog(eLogLevel_Fatal, 1, 0, "hidden");
  OvLogSetLevelMask(OV_LOG_DEFAULT_LEVEL_MASK | eLogLevel_Fatal);
  OvLog(eLogLevel_Fatal, 1, 0, "shown");
  OvLogRelease();
  EXPECT_EQ("[   INFO] info line\n[WARNING]   x=5\ntwo levels\n[  FATAL] shown\n",
            WithoutStamps(File("game.log")));
  EXPECT_EQ("[  FATAL] shown\n", WithoutStamps(File("game_fatal.log")));
  EXPECT_EQ("[   INFO] info line\ntwo levels\n", WithoutStamps(File("game_info.log")));
  EXPECT_EQ("two levels\n", WithoutStamps(File("game_profile.log")));
  EXPECT_EQ("[WARNING]   x=5\n", WithoutStamps(File("game_warning.log")));
  EXPECT_EQ("", File("game_error.log"));
  // A second init truncates the files; after release nothing more reaches them.
  ASSERT_TRUE(OvLogInit("game"));
  OvLog(eLogLevel_Info, 0x800, 0, "type not enabled");
  OvLog(eLogLevel_Info, 0x10000, 0, "type enabled");
  OvLogSetTypeMask(0x800);
  OvLog(eLogLevel_Info, 0x800, 0, "now enabled");
  OvLogSetOutputMask(eLogOutput_Debugger);
  OvLog(eLogLevel_Info, 0x800, 0, "debugger only");
  OvLogSetOutputMask(eLogOutput_StdOut);
  EXPECT_EQ("[  ERROR]     done 100%\n",
            WithoutStamps(StdoutText([] { OvLog(eLogLevel_Error, 0x800, 2, "%s %d%%", "done", 100); })));
  OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);
  OvLogRelease();
  OvLog(eLogLevel_Info, 0x800, 0, "after release");
  EXPECT_EQ("[   INFO] type enabled\n[   INFO] now enabled\n", WithoutStamps(File("game.log")));
}

TEST_F(OvLogFiles, UncreatableFilesAreSkipped) {
  OvLogSetDirectory(m_dir.Join("missing/parent").c_str());
  EXPECT_FALSE(OvLogInit("game"));
  OvLogSetOutputMask(eLogOutput_Files);
  OvLog(eLogLevel_Info, 1, 0, "dropped");
  EXPECT_FALSE(FileExists(m_dir.Join("missing")));
}
