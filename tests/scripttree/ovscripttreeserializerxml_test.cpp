// Tests of COvScriptTreeSerializerXML: the XML-to-tree mapping, the exact dump layout,
// escaping of values, round trips through text and files, and failures (malformed, empty,
// missing or absurdly deep input).
#include "scripttree/ovscripttreeserializerxml.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "core/ovfilesystem.h"
#include "core/ovlog.h"
#include "support/temp_dir.h"

namespace {

COvScriptTreeNode* AddNode(COvScriptTreeNode* parent, const char* name) {
  COvScriptTreeNode* node = new COvScriptTreeNode(COvIdentifier(name));
  parent->AddChild(node);
  return node;
}

void AddValue(COvScriptTreeNode* node, const char* name, const char* value) {
  node->AddAttribute(COvScriptTreeAttribute(COvIdentifier(name), value));
}

std::string DumpText(COvScriptTree& tree) {
  COvScriptTreeSerializerXML serializer;
  TOvString<char> out;
  EXPECT_TRUE(serializer.Dump(tree, out));
  return out.GetBuffer();
}

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<e>";
  for (int i = 0; i < depth; ++i) text += "</e>";
  return text;
}

TEST(XmlSerializerParse, ElementsAndAttributesBecomeNodesInOrder) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  ASSERT_TRUE(serializer.Parse(tree, "<?xml version=\"1.0\"?>\n<!-- head -->\n"
                                     "<Config Version=\"2\">\n"
                                     "  <!-- skipped -->\n"
                                     "  <Build Name=\"A\" Args=\"x &quot;y&quot;\"/>\n"
                                     "  <Build Name=\"B\"><Arch Type=\"x86\" Bits=\"32\"/></Build>\n"
                                     "</Config>\n"));
  COvScriptTreeNode* root = tree.GetRootNode();
  ASSERT_NE(nullptr, root);
  EXPECT_EQ(COvIdentifier("config"), root->GetIdentifier());
  EXPECT_STREQ("2", root->GetAttributeValueAsString(COvIdentifier("version")).GetBuffer());
  ASSERT_EQ(2, root->GetChildCount());

  COvScriptTreeNode* first = root->GetChild(0);
  EXPECT_EQ(COvIdentifier("build"), first->GetIdentifier());
  ASSERT_EQ(2, first->GetAttributeCount());
  EXPECT_EQ(COvIdentifier("name"), first->GetAttribute(0).GetIdentifier());
  EXPECT_STREQ("A", first->GetAttribute(0).GetValue().GetBuffer());
  EXPECT_EQ(COvIdentifier("args"), first->GetAttribute(1).GetIdentifier());
  EXPECT_STREQ("x \"y\"", first->GetAttribute(1).GetValue().GetBuffer());
  EXPECT_EQ(COvScriptTreeAttribute::eTypeString, first->GetAttribute(1).GetType());

  COvScriptTreeNode* arch = root->GetChild(1)->GetChild(0);
  EXPECT_EQ(COvIdentifier("arch"), arch->GetIdentifier());
  EXPECT_EQ(COvIdentifier("bits"), arch->GetAttribute(1).GetIdentifier());
  EXPECT_EQ(0, arch->GetChildCount());
}

TEST(XmlSerializerParse, TextBecomesAnUnnamedChild) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  ASSERT_TRUE(serializer.Parse(tree, "<a>hi</a>"));
  COvScriptTreeNode* root = tree.GetRootNode();
  EXPECT_EQ(COvIdentifier("a"), root->GetIdentifier());
  EXPECT_STREQ("", root->GetText().GetBuffer());
  ASSERT_EQ(1, root->GetChildCount());
  EXPECT_TRUE(root->GetChild(0)->GetIdentifier().IsNull());
  EXPECT_STREQ("hi", root->GetChild(0)->GetText().GetBuffer());
}

TEST(XmlSerializerParse, UnknownNodesInsideAnElementBecomeEmptyChildren) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  ASSERT_TRUE(serializer.Parse(tree, "<a><!DOCTYPE x><b/></a>"));
  COvScriptTreeNode* root = tree.GetRootNode();
  ASSERT_EQ(2, root->GetChildCount());
  EXPECT_EQ(COvIdentifier("!DOCTYPE x"), root->GetChild(0)->GetIdentifier());
  EXPECT_EQ(0, root->GetChild(0)->GetAttributeCount());
  EXPECT_EQ(COvIdentifier("b"), root->GetChild(1)->GetIdentifier());
}

TEST(XmlSerializerParse, ParseTiXmlNodeLeavesTheDocumentIntact) {
  class Exposed : public COvScriptTreeSerializerXML {
   public:
    using COvScriptTreeSerializerXML::ParseTiXmlNode;
  };
  TiXmlDocument document;
  document.Parse("<a k=\"1\"><b/><!-- c --><d>text</d></a>", nullptr, TIXML_ENCODING_UNKNOWN);
  ASSERT_FALSE(document.Error());
  COvScriptTreeNode node;
  Exposed serializer;
  serializer.ParseTiXmlNode(document.RootElement(), &node);
  serializer.ParseTiXmlNode(nullptr, &node);
  serializer.ParseTiXmlNode(document.RootElement(), nullptr);
  EXPECT_EQ(COvIdentifier("a"), node.GetIdentifier());
  ASSERT_EQ(2, node.GetChildCount());
  EXPECT_STREQ("text", node.GetChild(1)->GetChild(0)->GetText().GetBuffer());

  TiXmlPrinter printer;
  printer.SetStreamPrinting();
  document.Accept(&printer);
  EXPECT_STREQ("<a k=\"1\"><b /><!-- c --><d>text</d></a>", printer.CStr());
  node.Empty();
}

TEST(XmlSerializerParse, FailuresLeaveAnEmptyTree) {
  const char* texts[] = {
      "",
      "   \n",
      "<!-- only a comment -->",
      "<?xml version=\"1.0\"?>",
      "<a><b></a>",
      "<a x=\"1></a>",
      "<a",
      "just text",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    COvScriptTree tree;
    tree.CreateRootNode(COvIdentifier("previous"));
    COvScriptTreeSerializerXML serializer;
    EXPECT_FALSE(serializer.Parse(tree, text));
    EXPECT_EQ(nullptr, tree.GetRootNode());
  }
}

TEST(XmlSerializerParse, NullTextFails) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  EXPECT_FALSE(serializer.Parse(tree, TOvString<char>()));
  EXPECT_EQ(nullptr, tree.GetRootNode());
}

TEST(XmlSerializerParse, TenThousandLevelsFailCleanly) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  EXPECT_FALSE(serializer.Parse(tree, Nested(10000).c_str()));
  EXPECT_EQ(nullptr, tree.GetRootNode());
}

TEST(XmlSerializerParse, NestingUpToTheLimitLoads) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  const int limit = COvScriptTreeSerializerXML::kMaxElementDepth;
  ASSERT_TRUE(serializer.Parse(tree, Nested(limit).c_str()));
  int depth = 0;
  for (const COvScriptTreeNode* node = tree.GetRootNode(); node;
       node = node->GetChildCount() ? node->GetChild(0) : nullptr) {
    ++depth;
  }
  EXPECT_EQ(limit, depth);
  EXPECT_FALSE(serializer.Parse(tree, Nested(limit + 1).c_str()));
}

TEST(XmlSerializerParse, DepthCountsOnlyOpenElements) {
  // Many siblings, empty-element tags, closed elements, '>' inside values, and tags inside
  // comments and CDATA are not nesting.
  std::string text = "<root>";
  for (int i = 0; i < 3000; ++i) text += "<a x='>'/><b y=\"<c>\"></b><!-- <d> --><![CDATA[<e>]]>";
  text += "</root>";
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  ASSERT_TRUE(serializer.Parse(tree, text.c_str()));
  EXPECT_EQ(9000, tree.GetRootNode()->GetChildCount());
  EXPECT_STREQ(">", tree.GetRootNode()->GetChild(0)->GetAttributeValueAsString(COvIdentifier("x")).GetBuffer());
}

TEST(XmlSerializerDump, LayoutIsExact) {
  COvScriptTree tree;
  COvScriptTreeNode* b = AddNode(tree.CreateRootNode(COvIdentifier("a")), "b");
  AddValue(AddNode(b, "c"), "x", "1");
  EXPECT_EQ("<a>\n"
            "    <b>\n"
            "        <c x=\"1\"/>\n"
            "    </b>\n"
            "</a>\n",
            DumpText(tree));
}

TEST(XmlSerializerDump, AttributesDifferingOnlyInCaseAreWrittenOnce) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  ASSERT_TRUE(serializer.Parse(tree, "<ProjectConfig ProjectFile=\"a\" projectfile=\"b\" other=\"c\"/>"));
  TOvString<char> text = DumpText(tree).c_str();
  EXPECT_STREQ("<projectconfig projectfile=\"a\" other=\"c\"/>\n", text.GetBuffer());
  COvScriptTree again;
  EXPECT_TRUE(serializer.Parse(again, text));
}

TEST(XmlSerializerDump, EmptyTreeFailsAndLeavesTheOutput) {
  COvScriptTree tree;
  COvScriptTreeSerializerXML serializer;
  TOvString<char> out("previous");
  EXPECT_FALSE(serializer.Dump(tree, out));
  EXPECT_STREQ("previous", out.GetBuffer());
}

TEST(XmlSerializerDump, ValuesAreEscapedUnlessAlreadyReferences) {
  const struct {
    const char* stored;
    const char* written;
  } rows[] = {
      {"plain", "plain"},
      {"a<b>c", "a&lt;b&gt;c"},
      {"say \"hi\"", "say &quot;hi&quot;"},
      {"x &quot;y&quot;", "x &quot;y&quot;"},
      {"A & B", "A &amp; B"},
      {"&amp;&lt;&gt;&apos;", "&amp;&lt;&gt;&apos;"},
      {"&#65;&#x41;", "&#65;&#x41;"},
      {"&#;&#x;&#X41;&#12a;", "&amp;#;&amp;#x;&amp;#X41;&amp;#12a;"},
      {"&nbsp; &amp &", "&amp;nbsp; &amp;amp &amp;"},
      {"it's", "it's"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    COvScriptTree tree;
    AddValue(tree.CreateRootNode(COvIdentifier("r")), "v", row.stored);
    EXPECT_EQ(std::string("<r v=\"") + row.written + "\"/>\n", DumpText(tree));
  }
}

TEST(XmlSerializerDump, TextNodesAreWrittenAsEscapedText) {
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("a"));
  AddNode(root, "")->SetText("1 < 2 & more");
  AddNode(root, "");  // no text: nothing written
  EXPECT_EQ("<a>\n    1 &lt; 2 &amp; more\n</a>\n", DumpText(tree));
}

TEST(XmlSerializerDump, EachUnregisteredNameLogsOneWarning) {
  TempDir dir;
  OvLogSetDirectory(dir.Path().c_str());
  ASSERT_TRUE(OvLogInit("dump"));
  OvLogSetOutputMask(eLogOutput_Files);
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier(uint64_t{0x0123456789ABCDEFull}));
  root->AddAttribute(COvScriptTreeAttribute(COvIdentifier(uint64_t{0x1111}), "v"));
  AddNode(root, "child");
  EXPECT_EQ("<CRC<0123456789ABCDEF> CRC<0000000000001111>=\"v\">\n"
            "    <child/>\n"
            "</CRC<0123456789ABCDEF>>\n",
            DumpText(tree));
  OvLogRelease();
  OvLogSetDirectory(nullptr);
  OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);

  const std::string log = ReadFileBytes(dir.Join("_logs/dump.log"));
  auto count = [&log](const std::string& what) {
    int found = 0;
    for (size_t at = log.find(what); at != std::string::npos; at = log.find(what, at + 1)) ++found;
    return found;
  };
  // As many warnings as names written through the fallback: the element once, the attribute once.
  EXPECT_EQ(1, count("MISSING DEBUG STRING FOR CRC64: <0123456789abcdef>")) << log;
  EXPECT_EQ(1, count("MISSING DEBUG STRING FOR CRC64: <0000000000001111>")) << log;
}

class XmlSerializerRoundTrip : public ::testing::Test {
 protected:
  // Parse, dump, parse again: the two trees must be equal; returns the dump.
  std::string RoundTrip(const char* text) {
    COvScriptTree first, second;
    EXPECT_TRUE(serializer.Parse(first, text));
    TOvString<char> dump;
    EXPECT_TRUE(serializer.Dump(first, dump));
    EXPECT_TRUE(serializer.Parse(second, dump));
    EXPECT_TRUE(first.GetRootNode() && second.GetRootNode() && *first.GetRootNode() == *second.GetRootNode());
    return dump.GetBuffer();
  }
  COvScriptTreeSerializerXML serializer;
};

TEST_F(XmlSerializerRoundTrip, SpecialCharactersSurviveUnchanged) {
  COvScriptTree tree;
  const char* value = "1 < 2 > 0 \"quoted\" & 'single' &notanentity; &#;";
  AddValue(tree.CreateRootNode(COvIdentifier("r")), "v", value);
  TOvString<char> dump;
  ASSERT_TRUE(serializer.Dump(tree, dump));

  TiXmlDocument document;
  document.Parse(dump.GetBuffer(), nullptr, TIXML_ENCODING_UNKNOWN);
  ASSERT_FALSE(document.Error()) << document.ErrorDesc();

  COvScriptTree again;
  ASSERT_TRUE(serializer.Parse(again, dump));
  EXPECT_STREQ(value, again.GetRootNode()->GetAttributeValueAsString(COvIdentifier("v")).GetBuffer());
}

class XmlSerializerFiles : public ::testing::Test {
 protected:
  TempDir dir;
  COvScriptTreeSerializerXML serializer;
};

TEST_F(XmlSerializerFiles, SaveWritesTheDumpAndLoadReadsItBack) {
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("Project"));
  AddValue(root, "Name", "A & B <demo>");
  AddValue(AddNode(root, "Settings"), "Args", "x &quot;y&quot;");
  std::string path = dir.Join("project.xml");
  ASSERT_TRUE(serializer.Save(tree, path.c_str()));
  EXPECT_EQ(TextModeBytes(DumpText(tree)), ReadFileBytes(path));
  EXPECT_NE(std::string::npos, ReadFileBytes(path).find("args=\"x &quot;y&quot;\""));

  TiXmlDocument document;
  ASSERT_TRUE(document.LoadFile(path.c_str())) << document.ErrorDesc();

  COvScriptTree loaded;
  ASSERT_TRUE(serializer.Load(loaded, path.c_str()));
  COvScriptTreeNode* loadedRoot = loaded.GetRootNode();
  ASSERT_NE(nullptr, loadedRoot);
  EXPECT_STREQ("A & B <demo>", loadedRoot->GetAttributeValueAsString(COvIdentifier("name")).GetBuffer());
  // The entity form stored by the caller reads back decoded.
  EXPECT_STREQ("x \"y\"",
               loadedRoot->GetChild(0)->GetAttributeValueAsString(COvIdentifier("args")).GetBuffer());
}

TEST_F(XmlSerializerFiles, LoadFailures) {
  const struct {
    const char* name;
    const char* content;
  } rows[] = {
      {"empty.xml", ""},
      {"comment.xml", "<!-- nothing else -->"},
      {"broken.xml", "<a><b></a>"},
      {"deep.xml", nullptr},
  };
  const std::string deep = Nested(10000);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string path = dir.WriteFile(row.name, row.content ? row.content : deep);
    COvScriptTree tree;
    EXPECT_FALSE(serializer.Load(tree, path.c_str()));
    EXPECT_EQ(nullptr, tree.GetRootNode());
  }
  COvScriptTree tree;
  EXPECT_FALSE(serializer.Load(tree, dir.Join("missing.xml").c_str()));
  EXPECT_FALSE(serializer.Load(tree, dir.Path().c_str()));
  EXPECT_EQ(nullptr, tree.GetRootNode());
}

TEST_F(XmlSerializerFiles, TextEndsAtTheFirstZeroByte) {
  std::string path = dir.WriteFile("zero.xml", std::string("<a/>\0<b", 7));
  COvScriptTree tree;
  ASSERT_TRUE(serializer.Load(tree, path.c_str()));
  EXPECT_EQ(COvIdentifier("a"), tree.GetRootNode()->GetIdentifier());
}

TEST_F(XmlSerializerFiles, EmptyFileLeavesTheTreeUntouched) {
  std::string path = dir.WriteFile("empty.xml", "");
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(0, COvFileSystemUnCached::Open(handle, path.c_str(), 1, false));
  COvScriptTree tree;
  tree.CreateRootNode(COvIdentifier("kept"));
  EXPECT_FALSE(serializer.LoadXmlFromFileHandle(tree, handle));
  ASSERT_NE(nullptr, tree.GetRootNode());
  EXPECT_EQ(COvIdentifier("kept"), tree.GetRootNode()->GetIdentifier());
  COvFileSystemUnCached::Close(handle);
}

TEST_F(XmlSerializerFiles, SaveFailures) {
  COvScriptTree empty;
  std::string path = dir.Join("empty-tree.xml");
  EXPECT_FALSE(serializer.Save(empty, path.c_str()));

  COvScriptTree tree;
  tree.CreateRootNode(COvIdentifier("r"));
  EXPECT_FALSE(serializer.Save(tree, dir.Join("no-such-dir/out.xml").c_str()));
  EXPECT_FALSE(serializer.Save(tree, dir.Path().c_str()));
}

TEST_F(XmlSerializerFiles, CallsGoThroughTheVirtualOperations) {
  // Save uses Dump, Load uses LoadXmlFromFileHandle, which uses Parse.
  class Custom : public COvScriptTreeSerializerXML {
   public:
    bool Dump(COvScriptTree&, TOvString<char>& out) override {
      out = "<custom/>\n";
      return true;
    }
    bool Parse(COvScriptTree& tree, const TOvString<char>& text) override {
      parsed = text.GetBuffer();
      return COvScriptTreeSerializerXML::Parse(tree, text);
    }
    std::string parsed;
  };
  Custom custom;
  COvScriptTree tree;
  std::string path = dir.Join("custom.xml");
  ASSERT_TRUE(custom.Save(tree, path.c_str()));
  EXPECT_EQ(TextModeBytes("<custom/>\n"), ReadFileBytes(path));
  ASSERT_TRUE(custom.Load(tree, path.c_str()));
  EXPECT_EQ(TextModeBytes("<custom/>\n"), custom.parsed);
}

}  // namespace
