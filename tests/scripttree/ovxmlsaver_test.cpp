// Tests of COvXMLSaver: sections, values, the nesting limit and saving.
#include "scripttree/ovxmlsaver.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace {

class XmlSaver : public ::testing::Test {
 protected:
  std::string Saved() {
    std::string path = dir.Join("saved.xml");
    saver.save(path.c_str());
    return ReadFileBytes(path);
  }
  TempDir dir;
  COvXMLSaver saver;
};

TEST_F(XmlSaver, SectionsNestAndHoldTheirValuesInTinyXmlLayout) {
  saver.addValue("ignored", 1);  // no open section
  EXPECT_STREQ("", saver.getSectionName().GetBuffer());
  saver.beginSection(TOvString<char>("settings"));
  saver.addValue("ratio", 1.5f);
  saver.addValue("title", TOvString<char>("A & B"));
  saver.addValue("count", 1);
  saver.addValue("count", 2);
  saver.beginSection("inner");
  EXPECT_STREQ("inner", saver.getSectionName().GetBuffer());
  saver.endSection();
  EXPECT_STREQ("settings", saver.getSectionName().GetBuffer());
  saver.beginSection("sibling");
  saver.endSection();
  saver.endSection();
  saver.endSection();  // nothing left to close
  saver.addValue("m", 2);
  saver.beginSection("second");
  EXPECT_EQ(TextModeBytes("<settings ratio=\"1.500000\" title=\"A &amp; B\" count=\"2\">\n"
                          "    <inner />\n    <sibling />\n</settings>\n<second />\n"),
            Saved());
}

TEST_F(XmlSaver, SectionsBeyondTheLimitStayOnTheEnclosingLevel) {
  const int opened = COvXMLSaver::kMaxSectionDepth - 1;  // the document takes one place
  for (int i = 0; i < opened + 2; ++i) saver.beginSection(("s" + std::to_string(i)).c_str());
  EXPECT_EQ("s" + std::to_string(opened - 1), saver.getSectionName().GetBuffer());
  saver.addValue("v", 1);
  std::string saved = Saved();
  const std::string indent((opened - 1) * 4, ' ');
  const std::string innermost =
      indent + "<s30 v=\"1\">\n" + indent + "    <s31 />\n" + indent + "    <s32 />\n";
  EXPECT_NE(std::string::npos, saved.find(TextModeBytes(innermost))) << saved;
}

TEST_F(XmlSaver, ClearFreesTheDocumentAndLaterCallsDoNothing) {
  saver.beginSection("a");
  saver.clear();
  saver.beginSection("b");
  saver.addValue("n", 1);
  saver.endSection();
  EXPECT_STREQ("", saver.getSectionName().GetBuffer());
  saver.save(dir.Join("saved.xml").c_str());
  EXPECT_FALSE(FileExists(dir.Join("saved.xml")));
}

}  // namespace
