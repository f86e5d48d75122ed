// COvScriptTreeSerializerSML: the exact byte layout, value typing, round trips through files,
// handles, memory and compressed files, the name table, and damaged input of every kind.
#include "scripttree/ovscripttreeserializersml.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bigfile/packed_test_data.h"
#include "support/temp_dir.h"
#include "tree_nodes.h"

namespace {

class SmlTest : public ::testing::Test {
 protected:
  // A tree whose typed attributes hold the texts the reader's constructors make, so that it
  // survives the trip unchanged.
  SmlTest() {
    COvScriptTreeNode* root = m_Sample.CreateRootNode(COvIdentifier("smlroot"));
    root->AddAttribute(COvScriptTreeAttribute(COvIdentifier("speed"), 1.5f));
    root->AddAttribute(COvScriptTreeAttribute(COvIdentifier("count"), -7));
    COvScriptTreeNode* child = AddNode(root, "smlchild");
    child->AddAttribute(COvScriptTreeAttribute(COvIdentifier("label"), "hello world"));
    AddNode(AddNode(child, "smlleaf"), "smlleaf");
    AddNode(root, "smlchild");
  }

  std::string SaveBytes(COvScriptTree& tree, bool swapEndian = false) {
    EXPECT_TRUE(m_Sml.Save(tree, m_dir.Join("t.sml").c_str(), swapEndian));
    return ReadFileBytes(m_dir.Join("t.sml"));
  }
  bool LoadBytes(COvScriptTree& tree, const std::string& bytes) {
    return m_Sml.LoadSmlFromMemory(tree, bytes.data(), static_cast<int>(bytes.size()));
  }

  TempDir m_dir;
  COvScriptTree m_Sample;
  COvScriptTreeSerializerSML m_Sml;
};

TEST_F(SmlTest, LayoutAndValueTypes) {
  COvScriptTree tree;
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier(""));
  EXPECT_EQ(std::string(8, '\xff') + std::string(8, '\0') + Le32(1) + std::string(1, '\0'), SaveBytes(tree));
  EXPECT_EQ(std::string("\0\0\0\1\0", 5), SaveBytes(tree, true).substr(16));
  // "1.5" and "." are floats, "15" and "-7" integers, "1e5" and "" texts.
  std::string v = Le64(COvIdentifier("v").GetCrc64());
  std::string expected = v + Le32(3) + std::string("\0\0\xc0\x3f", 4) + v + Le32(2) + Le32(15) + v + Le32(2) +
                         Le32(0xFFFFFFF9u) + v + Le32(4) + std::string("1e5\0", 4) + v + Le32(3) + Le32(0) +
                         v + Le32(4) + std::string(1, '\0');
  for (const char* text : {"1.5", "15", "-7", "1e5", ".", ""})
    root->AddAttribute(COvScriptTreeAttribute(COvIdentifier("v"), text));
  EXPECT_EQ(expected, SaveBytes(tree).substr(16, expected.size()));
}

TEST_F(SmlTest, RoundTripsThroughFilesAndCompressedFiles) {
  std::string bytes = SaveBytes(m_Sample);
  COvScriptTree fromFile, fromPacked;
  ASSERT_TRUE(m_Sml.Load(fromFile, m_dir.Join("t.sml").c_str()));
  EXPECT_TRUE(*m_Sample.GetRootNode() == *fromFile.GetRootNode());
  COvFile packed;
  packed.Open(m_dir.WriteFile("packed.sml", Compress(bytes, true)).c_str(), eOvFileSystemOpenMode_ReadBinary,
              false);
  EXPECT_TRUE(m_Sml.LoadSmlFromFileHandle(fromPacked, packed.GetHandle()));
  ASSERT_NE(nullptr, fromPacked.GetRootNode());
  EXPECT_TRUE(*m_Sample.GetRootNode() == *fromPacked.GetRootNode());
  EXPECT_FALSE(m_Sml.Load(fromFile, m_dir.Join("missing.sml").c_str()));
  // Any depth, without recursion.
  COvScriptTree deep, loaded;
  COvScriptTreeNode* node = deep.CreateRootNode(COvIdentifier("deep"));
  for (int i = 0; i < 100000; ++i) node = AddNode(node, "deep");
  ASSERT_TRUE(LoadBytes(loaded, SaveBytes(deep)));
  EXPECT_TRUE(*deep.GetRootNode() == *loaded.GetRootNode());
}

// Names in the table are registered; every truncation is refused; single-bit flips and absurd
// counts load or are refused without reading outside the data (the sanitizer build checks
// the "outside").
TEST_F(SmlTest, NameTableAndDamagedInput) {
  const char* name = "smlnameonlyinthisfile";
  uint64_t crc = CreateCrc64_ToLower(name, static_cast<int>(std::strlen(name)), COvIdentifier::NULL_CRC64);
  COvScriptTree named, huge, swapped;
  ASSERT_TRUE(LoadBytes(named, Le64(crc) + std::string(8, '\0') + Le32(1) + name + std::string(1, '\0')));
  EXPECT_STREQ(name, named.GetRootNode()->GetIdentifier().DebugString().GetBuffer());
  EXPECT_FALSE(LoadBytes(huge, Le64(crc) + Le32(0xFFFFFFFFu) + Le32(0xFFFFFFFFu) + std::string(100, '\0')));
  std::string bytes = SaveBytes(m_Sample);
  for (size_t length = 1; length < bytes.size(); ++length) {
    COvScriptTree tree;
    EXPECT_FALSE(LoadBytes(tree, bytes.substr(0, length))) << length;
  }
  for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
    std::string flipped = bytes;
    flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << (bit % 8)));
    COvScriptTree tree;
    LoadBytes(tree, flipped);
  }
  EXPECT_FALSE(LoadBytes(swapped, SaveBytes(m_Sample, true)));
}

}  // namespace
