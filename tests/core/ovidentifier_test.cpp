#include "core/ovidentifier.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
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
  }
  void TearDown() override {
    Manager()->Release();
    EXPECT_TRUE(Manager()->LoadHashFile(m_backup.c_str(), false));
  }
  static COvIdentifierManager* Manager() { return COvIdentifierManager::GetInstance(); }

  TempDir m_dir;
  std::string m_backup;
};

std::string LowerHex(uint64_t crc) {
  char text[32];
  std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(crc));
  return text;
}

}  // namespace

TEST(OvIdentifier, DefaultAndEmptyNameAreTheNullIdentifier) {
  COvIdentifier none;
  COvIdentifier empty("");
  COvIdentifier fromNull(static_cast<const char*>(nullptr));
  EXPECT_TRUE(none.IsNull());
  EXPECT_TRUE(empty.IsNull());
  EXPECT_TRUE(fromNull.IsNull());
  EXPECT_EQ(none, empty);
  EXPECT_EQ(COvIdentifier::NULL_CRC64, none.GetCrc64());
  EXPECT_EQ(nullptr, none.GetDebugName());
  EXPECT_EQ(0, none.GetMemoryUsage());
  EXPECT_TRUE(COvIdentifier(TOvString<char>()).IsNull());
}

TEST(OvIdentifier, NamesMatchIgnoringCaseAndAreStoredLowerCase) {
  COvIdentifier upper("Name");
  COvIdentifier lower("name");
  EXPECT_EQ(upper, lower);
  EXPECT_FALSE(upper != lower);
  EXPECT_STREQ("name", upper.DebugCString());
  EXPECT_STREQ("name", lower.DebugCString());
  EXPECT_STREQ("name", upper.GetDebugName());
  EXPECT_EQ(0xF10896EFC03E0514ull, COvIdentifier("ABC").GetCrc64());
  EXPECT_EQ(0xF10896EFC03E0514ull, COvIdentifier("abc").GetCrc64());
}

TEST(OvIdentifier, FirstRegisteredTextIsLowerCasedEvenWhenMixed) {
  COvIdentifier id("UniqueMixedCase_Ident1fier");
  EXPECT_STREQ("uniquemixedcase_ident1fier", id.DebugCString());
  EXPECT_STREQ("uniquemixedcase_ident1fier", id.DebugString().GetBuffer());
  // Non-ASCII bytes are left alone.
  COvIdentifier accented("Caf\xC3\x89Z");
  EXPECT_STREQ("caf\xC3\x89z", accented.DebugCString());
}

TEST(OvIdentifier, AppendEqualsTheIdentifierOfTheWholeName) {
  COvIdentifier ab("ab");
  COvIdentifier abc = ab.Append("c");
  EXPECT_EQ(COvIdentifier("abc"), abc);
  EXPECT_STREQ("abc", abc.DebugCString());
  COvIdentifier suffixed = COvIdentifier("Level").Append("_Unique_SUFFIX_42");
  EXPECT_EQ(COvIdentifier("level_unique_suffix_42"), suffixed);
  EXPECT_STREQ("level_unique_suffix_42", suffixed.DebugCString());
  EXPECT_EQ(ab, ab.Append(nullptr));
}

TEST(OvIdentifier, FromCrcFindsTheRegisteredName) {
  COvIdentifier named("from_crc_name");
  COvIdentifier byCrc(named.GetCrc64());
  EXPECT_EQ(named, byCrc);
  EXPECT_STREQ("from_crc_name", byCrc.GetDebugName());
  COvIdentifier unknown(kUnknownCrc);
  EXPECT_EQ(nullptr, unknown.GetDebugName());
  EXPECT_EQ(kUnknownCrc, unknown.GetCrc64());
}

TEST_F(OvIdentifierRegistry, NameRegisteredLaterIsFoundByDebugString) {
  Manager()->Release();
  const char* name = "registered_after_the_crc";
  COvIdentifier early(CreateCrc64(name, static_cast<int>(std::strlen(name))));
  EXPECT_EQ(nullptr, early.GetDebugName());
  COvIdentifier late(name);
  EXPECT_EQ(nullptr, early.GetDebugName());
  EXPECT_STREQ(name, early.DebugCString());
  EXPECT_STREQ(name, early.DebugString().GetBuffer());
}

TEST(OvIdentifier, OrderIsUnsignedCrcOrder) {
  COvIdentifier low(0x00000000FFFFFFFFull);
  COvIdentifier high(0x8000000000000000ull);
  EXPECT_TRUE(low < high);
  EXPECT_FALSE(high < low);
  EXPECT_FALSE(low < low);
  std::set<COvIdentifier> ordered{high, low, COvIdentifier()};
  EXPECT_EQ(low, *ordered.begin());
  std::unordered_set<COvIdentifier> hashed{COvIdentifier("x"), COvIdentifier("X")};
  EXPECT_EQ(1u, hashed.size());
}

TEST_F(OvIdentifierRegistry, ReleaseEmptiesTheRegistryButKeepsHandedOutNames) {
  COvIdentifier id("kept_after_release");
  const char* pointer = id.GetDebugName();
  Manager()->Release();
  EXPECT_EQ(0, Manager()->GetTable().GetEntryCount());
  EXPECT_EQ(256, Manager()->GetTable().GetSlotCount());
  EXPECT_EQ(nullptr, Manager()->FindNameForCrc64(id.GetCrc64()));
  EXPECT_STREQ("kept_after_release", pointer);
}

TEST_F(OvIdentifierRegistry, FirstNameForACrcWins) {
  Manager()->Release();
  COvIdentifier(0x42, "first_text");  // filed under its own CRC
  uint64_t crc = COvIdentifier("first_text").GetCrc64();
  // Another text under the same CRC: the hash file reader inserts records as given.
  COvIdentifierHashTable table;
  EXPECT_TRUE(table.Insert(new COvIdentifierHashEntry("first", crc)));
  COvIdentifierHashEntry second("second", crc);
  EXPECT_FALSE(table.Insert(&second));
  EXPECT_STREQ("first", table.Find(crc)->GetName().GetBuffer());
  EXPECT_EQ(1, table.GetEntryCount());
}

namespace {

// Sends the log to files in a temporary directory for one test and restores the defaults.
class OvIdentifierWarnings : public ::testing::Test {
 protected:
  void SetUp() override {
    OvLogSetDirectory(m_dir.Path().c_str());
    ASSERT_TRUE(OvLogInit("ids"));
    OvLogSetOutputMask(eLogOutput_Files);
  }
  void TearDown() override {
    OvLogRelease();
    OvLogSetDirectory(nullptr);
    OvLogSetOutputMask(OV_LOG_DEFAULT_OUTPUT_MASK);
    OvLogSetLevelMask(OV_LOG_DEFAULT_LEVEL_MASK);
    OvLogSetTypeMask(OV_LOG_DEFAULT_TYPE_MASK);
  }
  std::string LogFile(const char* suffix) const {
    return m_dir.Join("_logs/ids" + std::string(suffix) + ".log");
  }

  TempDir m_dir;
};

int CountOccurrences(const std::string& text, const std::string& what) {
  int count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

}  // namespace

TEST_F(OvIdentifierWarnings, UnknownCrcLogsOneWarningPerQuery) {
  COvIdentifier unknown(kUnknownCrc);
  EXPECT_STREQ("<empty>", unknown.DebugCString());
  EXPECT_STREQ("CRC<0123456789ABCDEF>", unknown.DebugString().GetBuffer());
  OvLogRelease();
  const std::string message = "[WARNING] MISSING DEBUG STRING FOR CRC64: <" + LowerHex(kUnknownCrc) + ">\n";
  std::string main = ReadFileBytes(LogFile(""));
  EXPECT_EQ(2, CountOccurrences(main, message)) << main;
  EXPECT_EQ(2, CountOccurrences(ReadFileBytes(LogFile("_warning")), message));
  EXPECT_EQ("", ReadFileBytes(LogFile("_info")));
  // "hh:mm:ss " then the tag, no indentation.
  ASSERT_GE(main.size(), 9u);
  EXPECT_EQ(':', main[2]);
  EXPECT_EQ(':', main[5]);
  EXPECT_EQ("[WARNING] MISSING", main.substr(9, 17));
}

namespace {

// Entries whose CRCs are chosen so that their home slots are known.
COvIdentifierHashEntry* Entry(uint64_t crc) { return new COvIdentifierHashEntry("e", crc); }

}  // namespace

TEST(OvIdentifierHashTable, GrowsFrom256To512SlotsAtThe65thEntry) {
  COvIdentifierHashTable table;
  EXPECT_EQ(8, table.GetLog2());
  EXPECT_EQ(256, table.GetSlotCount());
  for (uint64_t i = 0; i < 64; ++i) ASSERT_TRUE(table.Insert(Entry(i * 0x1000000010001ull + 7)));
  EXPECT_EQ(64, table.GetEntryCount());
  EXPECT_EQ(256, table.GetSlotCount());
  ASSERT_TRUE(table.Insert(Entry(0xABCDEF)));
  EXPECT_EQ(65, table.GetEntryCount());
  EXPECT_EQ(512, table.GetSlotCount());
  EXPECT_EQ(9, table.GetLog2());
  for (uint64_t i = 0; i < 64; ++i) EXPECT_NE(nullptr, table.Find(i * 0x1000000010001ull + 7));
  EXPECT_NE(nullptr, table.Find(0xABCDEF));
}

TEST(OvIdentifierHashTable, CollidingCrcsProbeLinearlyAndWrap) {
  COvIdentifierHashTable table;
  // Same low 32 bits (home slot 255), different high bits: 255, then 0, then 1.
  ASSERT_TRUE(table.Insert(Entry(0x00000001000000FFull)));
  ASSERT_TRUE(table.Insert(Entry(0x00000002000000FFull)));
  ASSERT_TRUE(table.Insert(Entry(0x00000003000000FFull)));
  EXPECT_EQ(0x00000001000000FFull, table.GetSlot(255)->GetCrc64());
  EXPECT_EQ(0x00000002000000FFull, table.GetSlot(0)->GetCrc64());
  EXPECT_EQ(0x00000003000000FFull, table.GetSlot(1)->GetCrc64());
  EXPECT_NE(nullptr, table.Find(0x00000003000000FFull));
  EXPECT_EQ(nullptr, table.Find(0x00000004000000FFull));
}

TEST(OvIdentifierHashTable, SamePointerIsSuccessSameCrcIsFailure) {
  COvIdentifierHashTable table;
  COvIdentifierHashEntry* entry = Entry(5);
  ASSERT_TRUE(table.Insert(entry));
  EXPECT_TRUE(table.Insert(entry));
  COvIdentifierHashEntry other("other", 5);
  EXPECT_FALSE(table.Insert(&other));
  EXPECT_FALSE(table.Insert(nullptr));
  EXPECT_EQ(1, table.GetEntryCount());
}

namespace {

// Little-endian hash file image built by hand.
struct HashImage {
  std::string bytes;
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(v >> (8 * i)));
  }
  void U64(uint64_t v) {
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>(v >> (8 * i)));
  }
  void Record(const std::string& name, uint64_t crc) {
    U32(static_cast<uint32_t>(name.size()));
    bytes += name;
    U64(crc);
  }
};

}  // namespace

TEST_F(OvIdentifierRegistry, SaveAndLoadRoundTripWithItsExactSize) {
  Manager()->Release();
  COvIdentifier alpha("Alpha");
  COvIdentifier be("be");
  COvIdentifier c("c");
  std::string path = m_dir.Join("ids.hash");
  ASSERT_TRUE(Manager()->SaveHashFile(path.c_str(), false));
  std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(4u + 3 * 12 + 5 + 2 + 1, bytes.size());
  EXPECT_EQ(std::string("\x03\0\0\0", 4), bytes.substr(0, 4));

  Manager()->Release();
  EXPECT_EQ(nullptr, Manager()->FindNameForCrc64(alpha.GetCrc64()));
  ASSERT_TRUE(Manager()->LoadHashFile(path.c_str(), false));
  EXPECT_EQ(3, Manager()->GetTable().GetEntryCount());
  EXPECT_STREQ("alpha", Manager()->FindNameForCrc64(alpha.GetCrc64()));
  EXPECT_STREQ("be", Manager()->FindNameForCrc64(be.GetCrc64()));
  EXPECT_STREQ("c", Manager()->FindNameForCrc64(c.GetCrc64()));
}

TEST_F(OvIdentifierRegistry, EmptyNameIsSavedWithLengthZero) {
  Manager()->Release();
  COvIdentifier empty("");
  std::string path = m_dir.Join("empty.hash");
  ASSERT_TRUE(Manager()->SaveHashFile(path.c_str(), false));
  HashImage expected;
  expected.U32(1);
  expected.Record("", COvIdentifier::NULL_CRC64);
  EXPECT_EQ(expected.bytes, ReadFileBytes(path));
  Manager()->Release();
  ASSERT_TRUE(Manager()->LoadHashFile(path.c_str(), false));
  EXPECT_STREQ("", Manager()->FindNameForCrc64(COvIdentifier::NULL_CRC64));
}

TEST_F(OvIdentifierRegistry, MissingOrUnwritableFilesAreIgnored) {
  Manager()->Release();
  COvIdentifier kept("kept");
  EXPECT_FALSE(Manager()->LoadHashFile(m_dir.Join("absent.hash").c_str(), false));
  EXPECT_FALSE(Manager()->SaveHashFile(m_dir.Join("no/such/dir/x.hash").c_str(), false));
  EXPECT_EQ(1, Manager()->GetTable().GetEntryCount());
}

TEST(OvIdentifierHashFile, ByteSwappedFilesRoundTripWithTheSameFlag) {
  TempDir dir;
  COvIdentifierHashTable table;
  table.Insert(new COvIdentifierHashEntry("swap", 0x0102030405060708ull));
  std::string path = dir.Join("swapped.hash");
  ASSERT_TRUE(table.SaveHashFile(path.c_str(), true));
  std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string("\0\0\0\x01\0\0\0\x04swap\x01\x02\x03\x04\x05\x06\x07\x08", 20), bytes);
  COvIdentifierHashTable loaded;
  ASSERT_TRUE(loaded.LoadHashFile(path.c_str(), true));
  ASSERT_NE(nullptr, loaded.Find(0x0102030405060708ull));
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
  ASSERT_EQ(ends[2], image.bytes.size());
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
  EXPECT_EQ(3, whole.GetEntryCount());
  EXPECT_STREQ("two!", whole.Find(2)->GetName().GetBuffer());
}

TEST(OvIdentifierHashFile, HugeCountStopsAtTheEndOfTheData) {
  HashImage image;
  image.U32(0xFFFFFFFFu);
  image.Record("only", 9);
  COvIdentifierHashTable table;
  EXPECT_FALSE(table.LoadHashData(image.bytes.data(), image.bytes.size(), false));
  EXPECT_EQ(1, table.GetEntryCount());
  EXPECT_NE(nullptr, table.Find(9));
}

TEST(OvIdentifierHashFile, NamesLongerThan511BytesStopTheLoad) {
  HashImage image;
  image.U32(3);
  image.Record(std::string(511, 'n'), 1);
  image.Record(std::string(512, 'm'), 2);
  image.Record("after", 3);
  COvIdentifierHashTable table;
  EXPECT_FALSE(table.LoadHashData(image.bytes.data(), image.bytes.size(), false));
  EXPECT_EQ(1, table.GetEntryCount());
  EXPECT_EQ(511, table.Find(1)->GetName().GetLength());
  EXPECT_EQ(nullptr, table.Find(2));
  EXPECT_EQ(nullptr, table.Find(3));

  HashImage huge;
  huge.U32(1);
  huge.U32(0xFFFFFFF0u);
  huge.bytes += "short";
  COvIdentifierHashTable other;
  EXPECT_FALSE(other.LoadHashData(huge.bytes.data(), huge.bytes.size(), false));
  EXPECT_EQ(0, other.GetEntryCount());
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
  EXPECT_FALSE(table.LoadHashData(nullptr, 10, false));
}
