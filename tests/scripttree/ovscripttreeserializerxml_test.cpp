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
#include "tree_nodes.h"

namespace {

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<e>";
  for (int i = 0; i < depth; ++i) text += "</e>";
  return text;
}

class XmlSerializer : public ::testing::Test {
 protected:
  std::string DumpText(COvScriptTree& tree) {
    TOvString<char> out;
    EXPECT_TRUE(serializer.Dump(tree, out));
    return out.GetBuffer();
  }
  // The dump of text parsed.
  std::string Reparsed(const char* text) {
    COvScriptTree tree;
    EXPECT_TRUE(serializer.Parse(tree, text)) << text;
    return DumpText(tree);
  }
  TempDir dir;
  COvScriptTreeSerializerXML serializer;
};

TEST_F(XmlSerializer, ElementsTextsAndOtherNodesBecomeNodesInOrder) {
  const char* text =
      "<?xml version=\"1.0\"?>\n<!-- head -->\n<Config Version=\"2\">\n  <!-- skipped -->\n"
      "  <Build Name=\"A\" Args=\"x &quot;y&quot;\"/>\n"
      "  <Build Name=\"B\"><Arch Type=\"x86\" Bits=\"32\"/>hi<!DOCTYPE x></Build>\n</Config>\n";
  EXPECT_EQ(
      "<config version=\"2\">\n"
      "    <build name=\"A\" args=\"x &quot;y&quot;\"/>\n"
      "    <build name=\"B\">\n"
      "        <arch type=\"x86\" bits=\"32\"/>\n"
      "        hi\n"
      "        <!doctype x/>\n"
      "    </build>\n"
      "</config>\n",
      Reparsed(text));
  COvScriptTree tree;
  ASSERT_TRUE(serializer.Parse(tree, text));
  EXPECT_EQ(COvScriptTreeAttribute::eTypeString, tree.GetRootNode()->GetChild(0)->GetAttribute(1).GetType());
}

TEST_F(XmlSerializer, ParseTiXmlNodeLeavesTheDocumentIntact) {
  class Exposed : public COvScriptTreeSerializerXML {
   public:
    using COvScriptTreeSerializerXML::ParseTiXmlNode;
  };
  TiXmlDocument document;
  document.Parse("<a k=\"1\"><b/><!-- c --><d>text</d></a>", nullptr, TIXML_ENCODING_UNKNOWN);
  ASSERT_FALSE(document.Error());
  COvScriptTreeNode node;
  Exposed exposed;
  exposed.ParseTiXmlNode(document.RootElement(), &node);
  exposed.ParseTiXmlNode(nullptr, &node);
  exposed.ParseTiXmlNode(document.RootElement(), nullptr);
  ASSERT_EQ(2, node.GetChildCount());
  EXPECT_STREQ("text", node.GetChild(1)->GetChild(0)->GetText().GetBuffer());
  TiXmlPrinter printer;
  printer.SetStreamPrinting();
  document.Accept(&printer);
  EXPECT_STREQ("<a k=\"1\"><b /><!-- c --><d>text</d></a>", printer.CStr());
  node.Empty();
}

TEST_F(XmlSerializer, ParseAndLoadFailuresLeaveAnEmptyTree) {
  const std::string overLimit = Nested(COvScriptTreeSerializerXML::kMaxElementDepth + 1);
  const char* texts[] = {
      nullptr,         "",   "   \n",     "<!-- only a comment -->", "<?xml version=\"1.0\"?>", "<a><b></a>",
      "<a x=\"1></a>", "<a", "just text", overLimit.c_str()};
  for (const char* text : texts) {
    SCOPED_TRACE(text ? std::string(text).substr(0, 40) : "null");
    COvScriptTree tree, loaded;
    tree.CreateRootNode("previous");
    EXPECT_FALSE(serializer.Parse(tree, text ? TOvString<char>(text) : TOvString<char>()));
    EXPECT_EQ(nullptr, tree.GetRootNode());
    // The same text read from a file.
    EXPECT_FALSE(text && serializer.Load(loaded, dir.WriteFile("bad.xml", text).c_str()));
    EXPECT_EQ(nullptr, loaded.GetRootNode());
  }
}

TEST_F(XmlSerializer, DepthCountsOnlyOpenElementsUpToTheLimit) {
  COvScriptTree tree;
  const int limit = COvScriptTreeSerializerXML::kMaxElementDepth;
  ASSERT_TRUE(serializer.Parse(tree, Nested(limit).c_str()));
  int depth = 0;
  for (const COvScriptTreeNode* node = tree.GetRootNode(); node;
       node = node->GetChildCount() ? node->GetChild(0) : nullptr) {
    ++depth;
  }
  EXPECT_EQ(limit, depth);
  // Many siblings, empty-element tags, closed elements, '>' inside values, and tags inside
  // comments and CDATA are not nesting.
  std::string text = "<root>";
  for (int i = 0; i < 3000; ++i) text += "<a x='>'/><b y=\"<c>\"></b><!-- <d> --><![CDATA[<e>]]>";
  ASSERT_TRUE(serializer.Parse(tree, (text + "</root>").c_str()));
  EXPECT_EQ(9000, tree.GetRootNode()->GetChildCount());
}

TEST_F(XmlSerializer, DumpLayoutIsExactWithTextsAndEachAttributeNameOnce) {
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode("a");
  AddNode(AddNode(root, "b"), "c")->AddAttribute(COvScriptTreeAttribute("x", "1"));
  AddNode(root, "")->SetText("1 < 2 & more");
  AddNode(root, "");  // no text: nothing written
  EXPECT_EQ("<a>\n    <b>\n        <c x=\"1\"/>\n    </b>\n    1 &lt; 2 &amp; more\n</a>\n", DumpText(tree));
  // Names differing only in case are one name: the first is written.
  EXPECT_EQ("<projectconfig projectfile=\"a\" other=\"c\"/>\n",
            Reparsed("<ProjectConfig ProjectFile=\"a\" projectfile=\"b\" other=\"c\"/>"));
  COvScriptTree empty;
  TOvString<char> out("previous");
  EXPECT_FALSE(serializer.Dump(empty, out));
  EXPECT_STREQ("previous", out.GetBuffer());
}

TEST_F(XmlSerializer, ValuesAreEscapedUnlessAlreadyReferencesAndReadBackUnchanged) {
  const struct {
    const char* stored;
    const char* written;
    const char* readBack;  // null: the stored text
  } rows[] = {
      {"plain", "plain", nullptr},
      {"a<b>c", "a&lt;b&gt;c", nullptr},
      {"say \"hi\"", "say &quot;hi&quot;", nullptr},
      {"x &quot;y&quot;", "x &quot;y&quot;", "x \"y\""},
      {"A & B", "A &amp; B", nullptr},
      {"&amp;&lt;&gt;&apos;", "&amp;&lt;&gt;&apos;", "&<>'"},
      {"&#65;&#x41;", "&#65;&#x41;", "AA"},
      {"&#;&#x;&#X41;&#12a;", "&amp;#;&amp;#x;&amp;#X41;&amp;#12a;", nullptr},
      {"&nbsp; &amp &", "&amp;nbsp; &amp;amp &amp;", nullptr},
      {"1 < 2 > 0 'single' &notanentity;", "1 &lt; 2 &gt; 0 'single' &amp;notanentity;", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    COvScriptTree tree;
    tree.CreateRootNode("r")->AddAttribute(COvScriptTreeAttribute("v", row.stored));
    std::string dump = DumpText(tree);
    EXPECT_EQ(std::string("<r v=\"") + row.written + "\"/>\n", dump);
    // TinyXML, below Parse, reads it without error, and the references in it come back decoded.
    COvScriptTree again;
    ASSERT_TRUE(serializer.Parse(again, dump.c_str()));
    EXPECT_STREQ(row.readBack ? row.readBack : row.stored,
                 again.GetRootNode()->GetAttributeValueAsString("v").GetBuffer());
  }
}

TEST_F(XmlSerializer, EachUnregisteredNameLogsOneWarning) {
  OvLogSetDirectory(dir.Path().c_str());
  ASSERT_TRUE(OvLogInit("dump"));
  OvLogSetOutputMask(eLogOutput_Files);
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier(uint64_t{0x0123456789ABCDEFull}));
  root->AddAttribute(COvScriptTreeAttribute(COvIdentifier(uint64_t{0x1111}), "v"));
  AddNode(root, "child");
  EXPECT_EQ("<CRC<0123456789ABCDEF> CRC<0000000000001111>=\"v\">\n    <child/>\n</CRC<0123456789ABCDEF>>\n",
            DumpText(tree));
  OvLogRelease();
  OvLogSetDirectory(nullptr);
  OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);
  const std::string log = ReadFileBytes(dir.Join("_logs/dump.log"));
  for (const char* crc : {"<0123456789abcdef>", "<0000000000001111>"}) {
    const std::string warning = std::string("MISSING DEBUG STRING FOR CRC64: ") + crc;
    size_t first = log.find(warning);
    EXPECT_NE(std::string::npos, first) << log;
    EXPECT_EQ(std::string::npos, log.find(warning, first + 1)) << log;
  }
}

TEST_F(XmlSerializer, FilesEndAtAZeroByteAndUnusableFilesFail) {
  // A file's text ends at its first zero byte.
  COvScriptTree loaded;
  ASSERT_TRUE(serializer.Load(loaded, dir.WriteFile("zero.xml", std::string("<a/>\0<b", 7)).c_str()));
  EXPECT_EQ("<a/>\n", DumpText(loaded));
  COvScriptTree tree;
  EXPECT_FALSE(serializer.Load(tree, dir.Join("missing.xml").c_str()));
  EXPECT_FALSE(serializer.Load(tree, dir.Path().c_str()));
  EXPECT_FALSE(serializer.Save(tree, dir.Join("empty-tree.xml").c_str()));
  tree.CreateRootNode("r");
  EXPECT_FALSE(serializer.Save(tree, dir.Join("no-such-dir/out.xml").c_str()));
  EXPECT_FALSE(serializer.Save(tree, dir.Path().c_str()));

  // An empty file read through a handle leaves the tree untouched.
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(0, COvFileSystemUnCached::Open(handle, dir.WriteFile("empty.xml", "").c_str(), 1, false));
  EXPECT_FALSE(serializer.LoadXmlFromFileHandle(tree, handle));
  EXPECT_EQ(COvIdentifier("r"), tree.GetRootNode()->GetIdentifier());
  COvFileSystemUnCached::Close(handle);
}

TEST_F(XmlSerializer, CallsGoThroughTheVirtualOperations) {
  // Save writes what Dump makes, in text mode; Load uses LoadXmlFromFileHandle, which passes
  // the file's text to Parse. So the parse and dump cases above hold for files too.
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
