#include "core/ovidentifier.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/ovlog.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

namespace {

// A CRC nobody registers: not the CRC of any name these tests use.
constexpr uint64_t kUnknownCrc = 0x0123456789ABCDEFull;

// Tests that empty the process-wide registry put its names back afterwards, so the other
// tests of this program still find every name registered so far.
class OvIdentifierRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Manager()->SaveHashFile(m_backup.c_str(), false));
    Manager()->Release();
  }
  void TearDown() override {
    Manager()->Release();
    EXPECT_TRUE(Manager()->LoadHashFile(m_backup.c_str(), false));
  }
  static COvIdentifierManager* Manager() { return COvIdentifierManager::GetInstance(); }

  TempDir m_dir;
  std::string m_backup = m_dir.Join("backup.hash");
};

// The low `size` bytes of v, little-endian.
std::string LittleEndian(uint64_t v, int size = 4) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(v >> (8 * i)));
  return bytes;
}

// Little-endian hash file image built by hand: the count, then each name's length, name, CRC.
std::string Image(uint32_t count, const std::vector<std::pair<std::string, uint64_t>>& records) {
  std::string bytes = LittleEndian(count);
  for (const auto& record : records)
    bytes += LittleEndian(record.first.size()) + record.first + LittleEndian(record.second, 8);
  return bytes;
}

COvIdentifierHashEntry* Entry(uint64_t crc) { return new COvIdentifierHashEntry("e", crc); }

}  // namespace

TEST(OvIdentifier, DefaultAndEmptyNameAreTheNullIdentifier) {
  for (const COvIdentifier& none : {COvIdentifier(), COvIdentifier(""), COvIdentifier(TOvString<char>()),
                                    COvIdentifier(static_cast<const char*>(nullptr))})
    EXPECT_TRUE(none.IsNull() && none.GetMemoryUsage() == 0) << none.GetCrc64();
  EXPECT_EQ(nullptr, COvIdentifier().GetDebugName());
}

// Order and hashing follow the unsigned CRC; non-ASCII bytes are left alone.
TEST(OvIdentifier, NamesMatchIgnoringCaseAreStoredLowerCaseAndOrderByUnsignedCrc) {
  EXPECT_EQ(COvIdentifier("Name"), COvIdentifier("name"));
  EXPECT_FALSE(COvIdentifier("Name") != COvIdentifier("name"));
  EXPECT_STREQ("uniquemixedcase_ident1fier", COvIdentifier("UniqueMixedCase_Ident1fier").DebugCString());
  EXPECT_STREQ("caf\xC3\x89z", COvIdentifier("Caf\xC3\x89Z").DebugCString());
  COvIdentifier suffixed = COvIdentifier("Level").Append("_Unique_SUFFIX_42");
  EXPECT_EQ(COvIdentifier("level_unique_suffix_42"), suffixed);
  EXPECT_STREQ("level_unique_suffix_42", suffixed.DebugCString());
  EXPECT_EQ(COvIdentifier("ab"), COvIdentifier("ab").Append(nullptr));
  COvIdentifier low(0x00000000FFFFFFFFull), high(0x8000000000000000ull);
  EXPECT_TRUE(low < high && !(high < low));
  EXPECT_EQ(1u, (std::unordered_set<COvIdentifier>{COvIdentifier("x"), COvIdentifier("X")}.size()));
}

// Release empties the registry but names already handed out stay readable.
TEST_F(OvIdentifierRegistry, IdentifierFromACrcFindsItsNameOnceRegisteredAndReleaseKeepsIt) {
  const char* name = "registered_after_the_crc";
  COvIdentifier early(CreateCrc64(name, static_cast<int>(std::strlen(name))));
  EXPECT_EQ(nullptr, early.GetDebugName());
  COvIdentifier late(name);
  EXPECT_STREQ(name, early.DebugCString());
  EXPECT_STREQ(name, early.DebugString().GetBuffer());
  const char* pointer = late.GetDebugName();
  EXPECT_EQ(nullptr, COvIdentifier(kUnknownCrc).GetDebugName());
  Manager()->Release();
  EXPECT_EQ(0, Manager()->GetTable().GetEntryCount());
  EXPECT_STREQ(name, pointer);
}

// A warning without indentation, once per query.
TEST(OvIdentifierWarnings, UnknownCrcLogsOneWarningPerQuery) {
  COvIdentifier unknown(kUnknownCrc);
  OvLogSetOutputMask(eLogOutput_StdOut);
  std::vector<std::string> lines = StdoutLines([&] {
    EXPECT_STREQ("<empty>", unknown.DebugCString());
    EXPECT_STREQ("CRC<0123456789ABCDEF>", unknown.DebugString().GetBuffer());
  });
  OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);
  ASSERT_EQ(2u, lines.size());
  for (const std::string& line : lines)
    EXPECT_EQ("[WARNING] MISSING DEBUG STRING FOR CRC64: <0123456789abcdef>", line.substr(9)) << line;
}

TEST(OvIdentifierHashTable, GrowsFrom256To512SlotsAtThe65thEntryProbesLinearlyAndRefusesDuplicates) {
  COvIdentifierHashTable table, colliding;
  for (uint64_t i = 0; i < 64; ++i) ASSERT_TRUE(table.Insert(Entry(i * 0x1000000010001ull + 7)));
  EXPECT_EQ(256, table.GetSlotCount());
  ASSERT_TRUE(table.Insert(Entry(0xABCDEF)));
  EXPECT_EQ((std::vector<int>{65, 512, 9}),
            (std::vector<int>{table.GetEntryCount(), table.GetSlotCount(), table.GetLog2()}));
  for (uint64_t i = 0; i < 64; ++i) EXPECT_NE(nullptr, table.Find(i * 0x1000000010001ull + 7));
  // Same low 32 bits (home slot 255), different high bits: 255, then 0, then 1 (the probe wraps).
  COvIdentifierHashEntry* first = Entry(0x00000001000000FFull);
  ASSERT_TRUE(colliding.Insert(first) && colliding.Insert(Entry(0x00000002000000FFull)) &&
              colliding.Insert(Entry(0x00000003000000FFull)));
  EXPECT_EQ(first, colliding.GetSlot(255));
  EXPECT_EQ(0x00000002000000FFull, colliding.GetSlot(0)->GetCrc64());
  EXPECT_EQ(0x00000003000000FFull, colliding.GetSlot(1)->GetCrc64());
  EXPECT_EQ(nullptr, colliding.Find(0x00000004000000FFull));
  // The same entry again is success; another entry of a filed CRC is refused: the first wins.
  EXPECT_TRUE(colliding.Insert(first));
  COvIdentifierHashEntry other("other", 0x00000001000000FFull);
  EXPECT_FALSE(colliding.Insert(&other) || colliding.Insert(nullptr));
  EXPECT_EQ(3, colliding.GetEntryCount());
  EXPECT_EQ(first, colliding.Find(0x00000001000000FFull));
}

TEST_F(OvIdentifierRegistry, SaveAndLoadRoundTripWithItsExactSize) {
  COvIdentifier alpha("Alpha"), be("be"), empty("");
  std::string path = m_dir.Join("ids.hash");
  ASSERT_TRUE(Manager()->SaveHashFile(path.c_str(), false));
  std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(4u + 3 * 12 + 5 + 2, bytes.size());
  EXPECT_EQ(LittleEndian(3), bytes.substr(0, 4));
  Manager()->Release();
  ASSERT_TRUE(Manager()->LoadHashFile(path.c_str(), false));
  EXPECT_STREQ("alpha", Manager()->FindNameForCrc64(alpha.GetCrc64()));
  EXPECT_STREQ("", Manager()->FindNameForCrc64(COvIdentifier::NULL_CRC64));
  EXPECT_FALSE(Manager()->LoadHashFile(m_dir.Join("absent.hash").c_str(), false) ||
               Manager()->SaveHashFile(m_dir.Join("no/such/dir/x.hash").c_str(), false));
  EXPECT_EQ(3, Manager()->GetTable().GetEntryCount());
}

TEST(OvIdentifierHashFile, ByteSwappedFilesRoundTripWithTheSameFlag) {
  TempDir dir;
  COvIdentifierHashTable table, loaded, wrong;
  table.Insert(new COvIdentifierHashEntry("swap", 0x0102030405060708ull));
  std::string path = dir.Join("swapped.hash");
  ASSERT_TRUE(table.SaveHashFile(path.c_str(), true));
  EXPECT_EQ(std::string("\0\0\0\x01\0\0\0\x04swap\x01\x02\x03\x04\x05\x06\x07\x08", 20), ReadFileBytes(path));
  ASSERT_TRUE(loaded.LoadHashFile(path.c_str(), true));
  EXPECT_STREQ("swap", loaded.Find(0x0102030405060708ull)->GetName().GetBuffer());
  // Read without swapping, the count is 16M records that are not there.
  EXPECT_FALSE(wrong.LoadHashFile(path.c_str(), false));
  EXPECT_EQ(0, wrong.GetEntryCount());
}

TEST(OvIdentifierHashFile, FileCutAnywhereKeepsTheCompleteRecords) {
  const std::string image = Image(3, {{"one", 1}, {"two!", 2}, {"three", 3}});
  const size_t ends[] = {4 + 15, 4 + 15 + 16, 4 + 15 + 16 + 17};
  for (size_t cut = 0; cut < image.size(); ++cut) {
    SCOPED_TRACE(cut);
    // A copy of exactly the cut length, so a read past it is caught by the sanitizers.
    std::vector<uint8_t> prefix(image.begin(), image.begin() + cut);
    COvIdentifierHashTable table;
    EXPECT_FALSE(table.LoadHashData(prefix.data(), prefix.size(), false));
    int complete = 0;
    for (size_t end : ends) complete += cut >= end ? 1 : 0;
    EXPECT_EQ(complete, table.GetEntryCount());
  }
  // The whole image loads: the "trailing bytes" row below.
  EXPECT_FALSE(COvIdentifierHashTable().LoadHashData(nullptr, 10, false));
}

// Damaged counts and lengths (names longer than 511 bytes) stop the load. A CRC already known
// keeps its name, and bytes after the last record are ignored.
TEST(OvIdentifierHashFile, DamagedCountsAndLengthsStopTheLoadKnownCrcsKeepTheirName) {
  const struct {
    const char* what;
    std::string image;
    bool loaded;
    int entries;
  } cases[] = {
      {"huge count", Image(0xFFFFFFFFu, {{"only", 9}}), false, 2},
      {"long name", Image(3, {{std::string(511, 'n'), 1}, {std::string(512, 'm'), 2}, {"after", 3}}), false,
       2},
      {"huge length", LittleEndian(1) + LittleEndian(0xFFFFFFF0u) + "short", false, 1},
      {"trailing bytes", Image(2, {{"replacement", 7}, {"fresh", 8}}) + "trailing garbage", true, 2},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.what);
    COvIdentifierHashTable table;
    table.Insert(new COvIdentifierHashEntry("original", 7));
    EXPECT_EQ(test.loaded, table.LoadHashData(test.image.data(), test.image.size(), false));
    EXPECT_EQ(test.entries, table.GetEntryCount());
    EXPECT_STREQ("original", table.Find(7)->GetName().GetBuffer());
  }
}
