#include "core/ovidentifier.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/ovlog.h"
#include "support/temp_dir.h"

namespace {

// A CRC nobody registers: not the CRC of any name these tests use.
constexpr uint64_t kUnknownCrc = 0x0123456789ABCDEFull;

// Tests that empty the process-wide registry put its names back afterwards, so the other
// tests of this program still find every name registered so far.
class OvIdentifierRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    m_backup = m_dir.Join("backup.hash");
    ASSERT_TRUE(Manager()->SaveHashFile(m_backup.c_str(), false));
    Manager()->Release();
  }
  void TearDown() override {
    Manager()->Release();
    EXPECT_TRUE(Manager()->LoadHashFile(m_backup.c_str(), false));
  }
  static COvIdentifierManager* Manager() { return COvIdentifierManager::GetInstance(); }

  TempDir m_dir;
  std::string m_backup;
};

// Little-endian hash file image built by hand.
struct HashImage {
  std::string bytes;
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(v >> (8 * i)));
  }
  void Record(const std::string& name, uint64_t crc) {
    U32(static_cast<uint32_t>(name.size()));
    bytes += name;
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>(crc >> (8 * i)));
  }
};

COvIdentifierHashEntry* Entry(uint64_t crc) { return new COvIdentifierHashEntry("e", crc); }

}  // namespace

TEST(OvIdentifier, DefaultAndEmptyNameAreTheNullIdentifier) {
  COvIdentifier none;
  EXPECT_TRUE(none.IsNull());
  EXPECT_TRUE(COvIdentifier("").IsNull());
  EXPECT_TRUE(COvIdentifier(static_cast<const char*>(nullptr)).IsNull());
  EXPECT_TRUE(COvIdentifier(TOvString<char>()).IsNull());
  EXPECT_EQ(COvIdentifier::NULL_CRC64, none.GetCrc64());
  EXPECT_EQ(nullptr, none.GetDebugName());
  EXPECT_EQ(0, none.GetMemoryUsage());
}

TEST(OvIdentifier, NamesMatchIgnoringCaseAndAreStoredLowerCase) {
  EXPECT_EQ(COvIdentifier("Name"), COvIdentifier("name"));
  EXPECT_FALSE(COvIdentifier("Name") != COvIdentifier("name"));
  EXPECT_EQ(0xF10896EFC03E0514ull, COvIdentifier("ABC").GetCrc64());
  EXPECT_STREQ("uniquemixedcase_ident1fier", COvIdentifier("UniqueMixedCase_Ident1fier").DebugCString());
  // Non-ASCII bytes are left alone.
  EXPECT_STREQ("caf\xC3\x89z", COvIdentifier("Caf\xC3\x89Z").DebugCString());
  COvIdentifier suffixed = COvIdentifier("Level").Append("_Unique_SUFFIX_42");
  EXPECT_EQ(COvIdentifier("level_unique_suffix_42"), suffixed);
  EXPECT_STREQ("level_unique_suffix_42", suffixed.DebugCString());
  EXPECT_EQ(COvIdentifier("ab"), COvIdentifier("ab").Append(nullptr));
}

TEST_F(OvIdentifierRegistry, IdentifierFromACrcFindsItsNameOnceRegistered) {
  const char* name = "registered_after_the_crc";
  COvIdentifier early(CreateCrc64(name, static_cast<int>(std::strlen(name))));
  COvIdentifier late(name);
  EXPECT_EQ(nullptr, early.GetDebugName());
  EXPECT_STREQ(name, early.DebugCString());
  EXPECT_STREQ(name, early.DebugString().GetBuffer());
  EXPECT_STREQ(name, COvIdentifier(late.GetCrc64()).GetDebugName());
  EXPECT_EQ(nullptr, COvIdentifier(kUnknownCrc).GetDebugName());
}

TEST(OvIdentifier, OrderIsUnsignedCrcOrder) {
  COvIdentifier low(0x00000000FFFFFFFFull);
  COvIdentifier high(0x8000000000000000ull);
  EXPECT_TRUE(low < high);
  EXPECT_FALSE(high < low);
  std::unordered_set<COvIdentifier> hashed{COvIdentifier("x"), COvIdentifier("X")};
  EXPECT_EQ(1u, hashed.size());
}

TEST_F(OvIdentifierRegistry, ReleaseEmptiesTheRegistryButKeepsHandedOutNames) {
  COvIdentifier id("kept_after_release");
  const char* pointer = id.GetDebugName();
  Manager()->Release();
  EXPECT_EQ(0, Manager()->GetTable().GetEntryCount());
  EXPECT_EQ(256, Manager()->GetTable().GetSlotCount());
  EXPECT_STREQ("kept_after_release", pointer);
}

TEST(OvIdentifierWarnings, UnknownCrcLogsOneWarningPerQuery) {
  TempDir dir;
  OvLogSetDirectory(dir.Path().c_str());
  ASSERT_TRUE(OvLogInit("ids"));
  OvLogSetOutputMask(eLogOutput_Files);
  COvIdentifier unknown(kUnknownCrc);
  EXPECT_STREQ("<empty>", unknown.DebugCString());
  EXPECT_STREQ("CRC<0123456789ABCDEF>", unknown.DebugString().GetBuffer());
  OvLogRelease();
  OvLogSetDirectory(nullptr);
  OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);
  const std::string message = "[WARNING] MISSING DEBUG STRING FOR CRC64: <0123456789abcdef>\n";
  std::string main = ReadFileBytes(dir.Join("_logs/ids.log"));
  // "hh:mm:ss " then the tag, no indentation, once per query.
  ASSERT_EQ(2 * (9 + message.size()), main.size()) << main;
  EXPECT_EQ(message, main.substr(9, message.size()));
  EXPECT_EQ(main, ReadFileBytes(dir.Join("_logs/ids_warning.log")));
}

TEST(OvIdentifierHashTable, GrowsFrom256To512SlotsAtThe65thEntry) {
  COvIdentifierHashTable table;
  for (uint64_t i = 0; i < 64; ++i) ASSERT_TRUE(table.Insert(Entry(i * 0x1000000010001ull + 7)));
  EXPECT_EQ(256, table.GetSlotCount());
  ASSERT_TRUE(table.Insert(Entry(0xABCDEF)));
  EXPECT_EQ(65, table.GetEntryCount());
  EXPECT_EQ(512, table.GetSlotCount());
  EXPECT_EQ(9, table.GetLog2());
  for (uint64_t i = 0; i < 64; ++i) EXPECT_NE(nullptr, table.Find(i * 0x1000000010001ull + 7));
}

TEST(OvIdentifierHashTable, CollidingCrcsProbeLinearlyAndWrapAndDuplicatesAreRefused) {
  COvIdentifierHashTable table;
  // Same low 32 bits (home slot 255), different high bits: 255, then 0, then 1.
  COvIdentifierHashEntry* first = Entry(0x00000001000000FFull);
  ASSERT_TRUE(table.Insert(first));
  ASSERT_TRUE(table.Insert(Entry(0x00000002000000FFull)));
  ASSERT_TRUE(table.Insert(Entry(0x00000003000000FFull)));
  EXPECT_EQ(first, table.GetSlot(255));
  EXPECT_EQ(0x00000002000000FFull, table.GetSlot(0)->GetCrc64());
  EXPECT_EQ(0x00000003000000FFull, table.GetSlot(1)->GetCrc64());
  EXPECT_EQ(nullptr, table.Find(0x00000004000000FFull));
  // The same entry again is success; another entry of a filed CRC is refused: the first wins.
  EXPECT_TRUE(table.Insert(first));
  COvIdentifierHashEntry other("other", 0x00000001000000FFull);
  EXPECT_FALSE(table.Insert(&other));
  EXPECT_FALSE(table.Insert(nullptr));
  EXPECT_EQ(3, table.GetEntryCount());
  EXPECT_EQ(first, table.Find(0x00000001000000FFull));
}

TEST_F(OvIdentifierRegistry, SaveAndLoadRoundTripWithItsExactSize) {
  COvIdentifier alpha("Alpha");
  COvIdentifier be("be");
  COvIdentifier empty("");
  std::string path = m_dir.Join("ids.hash");
  ASSERT_TRUE(Manager()->SaveHashFile(path.c_str(), false));
  std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(4u + 3 * 12 + 5 + 2, bytes.size());
  EXPECT_EQ(std::string("\x03\0\0\0", 4), bytes.substr(0, 4));
  Manager()->Release();
  ASSERT_TRUE(Manager()->LoadHashFile(path.c_str(), false));
  EXPECT_EQ(3, Manager()->GetTable().GetEntryCount());
  EXPECT_STREQ("alpha", Manager()->FindNameForCrc64(alpha.GetCrc64()));
  EXPECT_STREQ("", Manager()->FindNameForCrc64(COvIdentifier::NULL_CRC64));

  EXPECT_FALSE(Manager()->LoadHashFile(m_dir.Join("absent.hash").c_str(), false));
  EXPECT_FALSE(Manager()->SaveHashFile(m_dir.Join("no/such/dir/x.hash").c_str(), false));
  EXPECT_EQ(3, Manager()->GetTable().GetEntryCount());
}

TEST(OvIdentifierHashFile, ByteSwappedFilesRoundTripWithTheSameFlag) {
  TempDir dir;
  COvIdentifierHashTable table;
  table.Insert(new COvIdentifierHashEntry("swap", 0x0102030405060708ull));
  std::string path = dir.Join("swapped.hash");
  ASSERT_TRUE(table.SaveHashFile(path.c_str(), true));
  EXPECT_EQ(std::string("\0\0\0\x01\0\0\0\x04swap\x01\x02\x03\x04\x05\x06\x07\x08", 20), ReadFileBytes(path));
  COvIdentifierHashTable loaded;
  ASSERT_TRUE(loaded.LoadHashFile(path.c_str(), true));
  EXPECT_STREQ("swap", loaded.Find(0x0102030405060708ull)->GetName().GetBuffer());
  // Read without swapping, the count is 16M records that are not there.
  COvIdentifierHashTable wrong;
  EXPECT_FALSE(wrong.LoadHashFile(path.c_str(), false));
  EXPECT_EQ(0, wrong.GetEntryCount());
}

TEST(OvIdentifierHashFile, FileCutAnywhereKeepsTheCompleteRecords) {
  HashImage image;
  image.U32(3);
  image.Record("one", 1);
  image.Record("two!", 2);
  image.Record("three", 3);
  const size_t ends[] = {4 + 15, 4 + 15 + 16, 4 + 15 + 16 + 17};
  for (size_t cut = 0; cut < image.bytes.size(); ++cut) {
    SCOPED_TRACE(cut);
    // A copy of exactly the cut length, so a read past it is caught by the sanitizers.
    std::vector<uint8_t> prefix(image.bytes.begin(), image.bytes.begin() + cut);
    COvIdentifierHashTable table;
    EXPECT_FALSE(table.LoadHashData(prefix.data(), prefix.size(), false));
    int complete = 0;
    for (size_t end : ends) complete += cut >= end ? 1 : 0;
    EXPECT_EQ(complete, table.GetEntryCount());
  }
  COvIdentifierHashTable whole;
  EXPECT_TRUE(whole.LoadHashData(image.bytes.data(), image.bytes.size(), false));
  EXPECT_STREQ("two!", whole.Find(2)->GetName().GetBuffer());
  EXPECT_FALSE(whole.LoadHashData(nullptr, 10, false));
}

TEST(OvIdentifierHashFile, DamagedCountsAndLengthsStopTheLoad) {
  HashImage hugeCount;
  hugeCount.U32(0xFFFFFFFFu);
  hugeCount.Record("only", 9);
  HashImage longName;  // names longer than 511 bytes stop the load
  longName.U32(3);
  longName.Record(std::string(511, 'n'), 1);
  longName.Record(std::string(512, 'm'), 2);
  longName.Record("after", 3);
  HashImage hugeLength;
  hugeLength.U32(1);
  hugeLength.U32(0xFFFFFFF0u);
  hugeLength.bytes += "short";
  const struct {
    const char* what;
    const HashImage& image;
    int entries;
  } cases[] = {{"huge count", hugeCount, 1}, {"long name", longName, 1}, {"huge length", hugeLength, 0}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.what);
    COvIdentifierHashTable table;
    EXPECT_FALSE(table.LoadHashData(test.image.bytes.data(), test.image.bytes.size(), false));
    EXPECT_EQ(test.entries, table.GetEntryCount());
  }
}

TEST(OvIdentifierHashFile, KnownCrcsKeepTheirNameAndTrailingBytesAreIgnored) {
  HashImage image;
  image.U32(2);
  image.Record("replacement", 7);
  image.Record("fresh", 8);
  image.bytes += "trailing garbage";
  COvIdentifierHashTable table;
  table.Insert(new COvIdentifierHashEntry("original", 7));
  EXPECT_TRUE(table.LoadHashData(image.bytes.data(), image.bytes.size(), false));
  EXPECT_STREQ("original", table.Find(7)->GetName().GetBuffer());
  EXPECT_STREQ("fresh", table.Find(8)->GetName().GetBuffer());
}
