// COvScriptTreeSerializerSML: the exact byte layout, value typing, round trips through files,
// handles, memory and compressed files, the name table, and damaged input of every kind.
#include "scripttree/ovscripttreeserializersml.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bigfile/ovcompressedfilewriter.h"
#include "core/ovcrc.h"
#include "core/ovfilesystem.h"
#include "support/temp_dir.h"

namespace {

COvScriptTreeNode* AddNode(COvScriptTreeNode* parent, const char* name) {
  COvScriptTreeNode* node = new COvScriptTreeNode(COvIdentifier(name));
  parent->AddChild(node);
  return node;
}

// A tree whose values survive the trip unchanged: typed attributes hold the text the
// reader's constructors make.
void BuildSample(COvScriptTree& tree) {
  COvScriptTreeNode* root = tree.CreateRootNode(COvIdentifier("smlroot"));
  root->AddAttribute(COvScriptTreeAttribute(COvIdentifier("speed"), 1.5f));
  root->AddAttribute(COvScriptTreeAttribute(COvIdentifier("count"), -7));
  COvScriptTreeNode* child = AddNode(root, "smlchild");
  child->AddAttribute(COvScriptTreeAttribute(COvIdentifier("label"), "hello world"));
  child->AddAttribute(COvScriptTreeAttribute(COvIdentifier("empty"), ""));
  AddNode(AddNode(child, "smlleaf"), "smlleaf");
  AddNode(root, "smlchild");
}

class SmlTest : public ::testing::Test {
 protected:
  std::string SaveBytes(COvScriptTree& tree, bool swapEndian = false) {
    std::string path = m_dir.Join("t.sml");
    EXPECT_TRUE(COvScriptTreeSerializerSML().Save(tree, path.c_str(), swapEndian));
    return ReadFileBytes(path);
  }

  TempDir m_dir;
};

std::string Le32(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i));
  return s;
}

TEST_F(SmlTest, EmptyRootLayoutPlainAndSwapped) {
  COvScriptTree tree;
  tree.CreateRootNode(COvIdentifier(""));
  std::string expected = std::string(8, '\xff') + std::string(8, '\0') + Le32(1) + std::string(1, '\0');
  EXPECT_EQ(expected, SaveBytes(tree));
  std::string swapped = std::string(8, '\xff') + std::string(8, '\0') + std::string("\0\0\0\1\0", 5);
  EXPECT_EQ(swapped, SaveBytes(tree, true));
  COvScriptTree none;
  EXPECT_EQ("", SaveBytes(none));
}

TEST_F(SmlTest, ValueTypeChosenFromTheText) {
  const struct {
    const char* text;
    uint32_t type;
    std::string value;
  } rows[] = {
      {"1.5", 3, std::string("\x00\x00\xc0\x3f", 4)},
      {"15", 2, Le32(15)},
      {"-7", 2, Le32(0xFFFFFFF9u)},
      {"1e5", 4, std::string("1e5\0", 4)},
      {".", 3, Le32(0)},
      {"", 4, std::string(1, '\0')},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    COvScriptTree tree;
    tree.CreateRootNode(COvIdentifier(""))
        ->AddAttribute(COvScriptTreeAttribute(COvIdentifier("v"), row.text));
    std::string bytes = SaveBytes(tree);
    uint64_t crc = COvIdentifier("v").GetCrc64();
    std::string crcBytes = Le32(static_cast<uint32_t>(crc)) + Le32(static_cast<uint32_t>(crc >> 32));
    EXPECT_EQ(crcBytes + Le32(row.type) + row.value, bytes.substr(16, 12 + row.value.size()));
  }
}

TEST_F(SmlTest, RoundTripsThroughFileHandleMemoryAndCompressedFile) {
  COvScriptTree original;
  BuildSample(original);
  std::string bytes = SaveBytes(original);
  COvScriptTreeSerializerSML sml;

  COvScriptTree fromFile;
  ASSERT_TRUE(sml.Load(fromFile, m_dir.Join("t.sml").c_str()));
  EXPECT_TRUE(*original.GetRootNode() == *fromFile.GetRootNode());

  COvScriptTree fromMemory;
  ASSERT_TRUE(sml.LoadSmlFromMemory(fromMemory, bytes.data(), static_cast<int>(bytes.size())));
  EXPECT_TRUE(*original.GetRootNode() == *fromMemory.GetRootNode());

  std::string packed = m_dir.Join("packed.sml");
  ASSERT_TRUE(OvSaveCompressedFile(packed.c_str(), bytes.data(), static_cast<int>(bytes.size())));
  COvFileHandle* handle = nullptr;
  ASSERT_EQ(eOvFileSystemError_None,
            COvFileSystemUnCached::Open(handle, packed.c_str(), eOvFileSystemOpenMode_ReadBinary, false));
  COvScriptTree fromPacked;
  EXPECT_TRUE(sml.LoadSmlFromFileHandle(fromPacked, handle));
  COvFileSystemUnCached::Close(handle);
  ASSERT_NE(nullptr, fromPacked.GetRootNode());
  EXPECT_TRUE(*original.GetRootNode() == *fromPacked.GetRootNode());

  EXPECT_FALSE(sml.Load(fromFile, m_dir.Join("missing.sml").c_str()));
  EXPECT_FALSE(sml.Save(original, m_dir.Join("no/dir/x.sml").c_str(), false));
  TOvString<char> text;
  EXPECT_FALSE(sml.Parse(fromFile, "x"));
  EXPECT_FALSE(sml.Dump(original, text));
  EXPECT_FALSE(sml.SupportLoad() || sml.SupportParse() || sml.SupportSave() || sml.SupportDump());
}

TEST_F(SmlTest, NameTableRegistersNames) {
  const char* name = "smlnameonlyinthisfile";
  uint64_t crc = CreateCrc64_ToLower(name, static_cast<int>(std::strlen(name)), COvIdentifier::NULL_CRC64);
  std::string bytes = Le32(static_cast<uint32_t>(crc)) + Le32(static_cast<uint32_t>(crc >> 32)) +
                      std::string(8, '\0') + Le32(1) + name + std::string(1, '\0');
  COvScriptTree tree;
  ASSERT_TRUE(
      COvScriptTreeSerializerSML().LoadSmlFromMemory(tree, bytes.data(), static_cast<int>(bytes.size())));
  EXPECT_EQ(crc, tree.GetRootNode()->GetIdentifier().GetCrc64());
  EXPECT_STREQ(name, COvIdentifier(crc).DebugString().GetBuffer());
}

TEST_F(SmlTest, DeepTreesNeedNoRecursion) {
  COvScriptTree tree;
  COvScriptTreeNode* node = tree.CreateRootNode(COvIdentifier("deep"));
  for (int i = 0; i < 100000; ++i) node = AddNode(node, "deep");
  std::string bytes = SaveBytes(tree);
  COvScriptTree loaded;
  ASSERT_TRUE(
      COvScriptTreeSerializerSML().LoadSmlFromMemory(loaded, bytes.data(), static_cast<int>(bytes.size())));
  EXPECT_TRUE(*tree.GetRootNode() == *loaded.GetRootNode());
}

// Every truncation is refused; every single-bit flip and absurd count loads or is refused
// without reading outside the data (the sanitizer build checks the "outside").
TEST_F(SmlTest, DamagedInputIsRefusedOrShort) {
  COvScriptTree original;
  BuildSample(original);
  std::string bytes = SaveBytes(original);
  COvScriptTreeSerializerSML sml;
  for (size_t length = 1; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    COvScriptTree tree;
    EXPECT_FALSE(sml.LoadSmlFromMemory(tree, bytes.data(), static_cast<int>(length)));
  }
  for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
    std::string flipped = bytes;
    flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << (bit % 8)));
    COvScriptTree tree;
    sml.LoadSmlFromMemory(tree, flipped.data(), static_cast<int>(flipped.size()));
  }
  const struct {
    const char* name;
    size_t offset;  // of a u32 field set to all ones
  } counts[] = {{"root attribute count", 8}, {"root child count", 12}, {"first attribute type", 24}};
  for (const auto& c : counts) {
    SCOPED_TRACE(c.name);
    std::string damaged = bytes;
    damaged.replace(c.offset, 4, "\xff\xff\xff\xff");
    COvScriptTree tree;
    bool loaded = sml.LoadSmlFromMemory(tree, damaged.data(), static_cast<int>(damaged.size()));
    // An unknown type is skipped as the format says; the stream then no longer lines up.
    EXPECT_FALSE(loaded && *tree.GetRootNode() == *original.GetRootNode());
  }
  COvScriptTree swapped;
  std::string swappedBytes = SaveBytes(original, true);
  EXPECT_FALSE(sml.LoadSmlFromMemory(swapped, swappedBytes.data(), static_cast<int>(swappedBytes.size())));
}

}  // namespace
