// Tests of COvXMLSaver: sections, values, the nesting limit and saving.
#include "scripttree/ovxmlsaver.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "support/temp_dir.h"

namespace {

class XmlSaver : public ::testing::Test {
 protected:
  // Saves and reads the result back with TinyXML.
  void SaveAndLoad(COvXMLSaver& saver) {
    std::string path = dir.Join("saved.xml");
    saver.save(path.c_str());
    ASSERT_TRUE(document.LoadFile(path.c_str())) << document.ErrorDesc();
  }
  TempDir dir;
  TiXmlDocument document;
};

TEST_F(XmlSaver, SectionWithValueAndExtraEndSection) {
  COvXMLSaver saver;
  saver.beginSection("a");
  saver.addValue("n", 3);
  saver.endSection();
  saver.endSection();  // nothing left to close
  SaveAndLoad(saver);
  TiXmlElement* root = document.RootElement();
  ASSERT_NE(nullptr, root);
  EXPECT_STREQ("a", root->Value());
  EXPECT_STREQ("3", root->Attribute("n"));
  EXPECT_EQ(nullptr, root->NextSiblingElement());
  EXPECT_EQ(nullptr, root->FirstChild());
}

TEST_F(XmlSaver, ValuesOfEveryTypeAndReplacement) {
  COvXMLSaver saver;
  saver.beginSection(TOvString<char>("settings"));
  saver.addValue("ratio", 1.5f);
  saver.addValue("title", TOvString<char>("A & B"));
  saver.addValue("count", 1);
  saver.addValue("count", 2);
  SaveAndLoad(saver);
  TiXmlElement* root = document.RootElement();
  ASSERT_NE(nullptr, root);
  EXPECT_STREQ("1.500000", root->Attribute("ratio"));
  EXPECT_STREQ("A & B", root->Attribute("title"));
  EXPECT_STREQ("2", root->Attribute("count"));
}

TEST_F(XmlSaver, SectionNamesFollowTheStack) {
  COvXMLSaver saver;
  EXPECT_STREQ("", saver.getSectionName().GetBuffer());
  saver.beginSection("outer");
  saver.beginSection("inner");
  EXPECT_STREQ("inner", saver.getSectionName().GetBuffer());
  saver.endSection();
  EXPECT_STREQ("outer", saver.getSectionName().GetBuffer());
  saver.beginSection("sibling");
  saver.endSection();
  saver.endSection();
  SaveAndLoad(saver);
  TiXmlElement* outer = document.RootElement();
  ASSERT_NE(nullptr, outer);
  ASSERT_NE(nullptr, outer->FirstChildElement("inner"));
  EXPECT_NE(nullptr, outer->FirstChildElement("sibling"));
}

TEST_F(XmlSaver, SectionsBeyondTheLimitStayOnTheEnclosingLevel) {
  COvXMLSaver saver;
  const int opened = COvXMLSaver::kMaxSectionDepth - 1;  // the document takes one place
  for (int i = 0; i < opened + 5; ++i) saver.beginSection(("s" + std::to_string(i)).c_str());
  const std::string innermost = "s" + std::to_string(opened - 1);
  EXPECT_EQ(innermost, saver.getSectionName().GetBuffer());
  saver.addValue("v", 1);
  SaveAndLoad(saver);

  TiXmlElement* element = document.RootElement();
  for (int i = 1; i < opened && element; ++i) element = element->FirstChildElement();
  ASSERT_NE(nullptr, element);
  EXPECT_EQ(innermost, element->Value());
  EXPECT_STREQ("1", element->Attribute("v"));
  int children = 0;
  for (TiXmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) ++children;
  EXPECT_EQ(5, children);
}

TEST_F(XmlSaver, ValuesWithoutAnOpenSectionAreIgnored) {
  COvXMLSaver saver;
  saver.addValue("n", 1);
  saver.beginSection("a");
  saver.endSection();
  saver.addValue("m", 2);
  SaveAndLoad(saver);
  EXPECT_EQ(nullptr, document.RootElement()->Attribute("m"));
}

}  // namespace
