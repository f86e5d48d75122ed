// Command-line parser: declaring, parsing token vectors and strings, reading the results.
#include "core/ovcmdline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace OvCmdLine;

namespace {

struct Fixture {
  COvDescriptor d;
  COvResult r;
  std::vector<std::string> calls;
  Fixture() {
    auto log = [this](const char* tag) {
      return OvCommandCallback([this, tag](COvResult*) {
        calls.push_back(tag);
        return OV_PARSE_SUCCESS;
      });
    };
    d.SetHelp("Demo tool")
        .AddSwitch("a", "all", "Everything")
        .AddSwitch("b", "brief", "Short output", COvParameterValue(false),
                   [this](COvResult*, const COvParameterValue& v) {
                     calls.push_back(v.GetBool() ? "b=1" : "b=0");
                     return OV_PARSE_SUCCESS;
                   })
        .AddLongAlias("short")
        .AddSwitch("o", "out", "Output", COvParameterValue("none"))
        .AddSwitch("ab", "", "Two letters")
        .AddSwitch("l", "level", "Level", COvParameterValue(3))
        .AddSwitch("", "scale", "Scale", COvParameterValue(1.5f))
        .AddArgument("first", "First file")
        .BeginCommand("pack", "Packs", log("begin pack"), log("end pack"))
        .AddSwitch("x", "", "Exclude", COvParameterValue(""))
        .AddArgument("target", "Target file")
        .AddCommand("deep", "Deeper", log("begin deep"), log("end deep"))
        .EndCommand()
        .AddCommand("list", "Lists");
  }
  EOvParseResult Parse(const char* line) { return COvParser(&d, &r).Parse(line); }
};

}  // namespace

TEST(OvCmdLine, ParsesAndReadsBackAfterParse) {
  Fixture f;
  ASSERT_EQ(OV_PARSE_SUCCESS,
            f.Parse("pack deep -x skip in.txt -l 7 --scale 2.5 --brief --no-brief out.bin extra list"));
  EXPECT_STREQ("deep", f.r.GetCommand());
  // Switches of the command and of its parents still read as set once every command is closed.
  EXPECT_STREQ("skip", f.r.GetSwitch("x", false));
  EXPECT_EQ(7, f.r.GetSwitch("level", true).GetInt());
  EXPECT_FLOAT_EQ(2.5f, f.r.GetSwitch("scale", true).GetFloat());
  EXPECT_TRUE(f.r.IsSwitchSet("b", false));
  EXPECT_TRUE(f.r.GetSwitch("short", true).GetBool());  // the first value stays
  EXPECT_FALSE(f.r.IsSwitchSet("o", false));
  EXPECT_STREQ("none", f.r.GetSwitch("out", true));
  EXPECT_EQ(COvParameterValue(false), f.r.GetSwitch("nothing", true));
  // A command name after a parameter is positional.
  EXPECT_EQ(
      (std::vector<std::string>{"in.txt", "out.bin", "extra", "list", "dflt"}),
      (std::vector<std::string>{static_cast<const char*>(f.r.GetArgument("first")),
                                static_cast<const char*>(f.r.GetArgument("target")), f.r.GetExtraArgument(0),
                                f.r.GetExtraArgument(1), f.r.GetExtraArgument(2, "dflt")}));
  EXPECT_EQ((std::vector<std::string>{"begin pack", "begin deep", "b=1", "b=0", "end deep", "end pack"}),
            f.calls);
}

// An empty error text: the parse succeeds and the named switch reads back as value.
TEST(OvCmdLine, TokenForms) {
  struct Row {
    const char *line, *error, *name = "";
    COvParameterValue value = COvParameterValue(false);
  };
  const Row rows[] = {{"-ab", "", "all", COvParameterValue(EOvParameterType::OV_PARAM_SWITCH)},
                      {"-ba", "", "all", COvParameterValue()},
                      {"-b-a", "", "brief", COvParameterValue(false)},
                      {"-ofile", "", "out", COvParameterValue("file")},
                      {"-o \"a b\"", "", "out", COvParameterValue("a b")},
                      {"-bl9", "", "level", COvParameterValue(9)},
                      {"--no-level", "", "level", COvParameterValue(0)},
                      {"--out", "", "out", COvParameterValue("none")},
                      {"-", "Empty short form parameter."},
                      {"--", "Unknown long form parameter: --."},
                      {"--nope", "Unknown long form parameter: --nope."},
                      {"pack -bz", "Unknown short form parameter: -z."},
                      {"--no-all", "The switch 'all' cannot be preceded by 'no-'."},
                      {"-a-", "The switch 'a' cannot be toggled off, unlike a boolean value."},
                      {"-x", "Unknown short form parameter: -x."}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    Fixture f;
    EXPECT_EQ(*row.error ? OV_PARSE_COMMAND_LINE_ERROR : OV_PARSE_SUCCESS, f.Parse(row.line));
    EXPECT_STREQ(row.error, f.r.GetLastError());
    if (*row.name) {
      EXPECT_EQ(row.value, f.r.GetSwitch(row.name, true));
    }
    if (*row.error) {
      EXPECT_EQ(f.calls.end(), std::find(f.calls.begin(), f.calls.end(), "end pack"));  // stops at once
    }
  }
}

TEST(OvCmdLine, BooleanTexts) {
  const std::pair<const char*, bool> rows[] = {{"YES", true}, {"True", true}, {"1", true},
                                               {"no", false}, {"0", false},   {"", false}};
  COvDescriptor d;
  d.AddArgument("flag", "A flag", COvParameterValue(true));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.first);
    COvResult r;
    const char* argv[] = {row.first};
    ASSERT_EQ(OV_PARSE_SUCCESS, COvParser(&d, &r).Parse(1, argv));
    EXPECT_EQ(COvParameterValue(row.second), r.GetArgument("flag"));
  }
}

TEST(OvCmdLine, HelpText) {
  Fixture f;
  EXPECT_STREQ(
      "Demo tool\n"
      "Usage: program [command [subcommand...]] [options...] [extra arguments...]\n"
      "Options:\n -a :\n --all : Everything\n -b :\n --brief :\n --short : Short output"
      "\n -o :\n --out : Output\n -ab : Two letters\n -l :\n --level : Level\n --scale : Scale\n"
      "Expected arguments:\n (1) First file\nCommands:\n * pack : Packs\n"
      "Options:\n -x : Exclude\nExpected arguments:\n (1) Target file\nCommands:\n * deep : Deeper\n"
      " * list : Lists\n",
      f.d.GetHelpText().GetBuffer());
}
