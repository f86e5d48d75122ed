#include "core/ovidentifier.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <unordered_set>

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

[[maybe_unused]] std::string LowerHex(uint64_t crc) {
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

TEST(OvIdentifier, StringAndSetGiveTheSameIdentifier) {
  TOvString<char> text("Some_Setting");
  COvIdentifier a(text);
  COvIdentifier b;
  b.Set("some_setting");
  COvIdentifier c;
  c.Set(text);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a, c);
  EXPECT_EQ(CreateCrc64("some_setting", 12), a.GetCrc64());
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

TEST(OvIdentifier, CrcAndTextAreStoredAsGivenAndTheTextRegistered) {
  static const char kText[] = "Given_Text_For_Crc";
  COvIdentifier id(kUnknownCrc ^ 1, kText);
  EXPECT_EQ(kUnknownCrc ^ 1, id.GetCrc64());
  EXPECT_EQ(kText, id.GetDebugName());
  // Filed under the text's own CRC, lower-cased.
  EXPECT_STREQ("given_text_for_crc", COvIdentifier(CreateCrc64_ToLower(kText, 18, ~0ull)).GetDebugName());
  EXPECT_EQ(nullptr, COvIdentifierManager::GetInstance()->FindNameForCrc64(kUnknownCrc ^ 1));
}

TEST(OvIdentifier, NameRegisteredLaterIsFoundByDebugString) {
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

TEST(OvIdentifier, CopiesKeepCrcAndName) {
  COvIdentifier a("copied");
  COvIdentifier b(a);
  COvIdentifier c;
  c = a;
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.GetDebugName(), b.GetDebugName());
  EXPECT_EQ(a.GetDebugName(), c.GetDebugName());
}

TEST(OvIdentifierHashPolicy, KeysAndHashes) {
  COvIdentifierHashEntry entry("abc", 0x1122334455667788ull);
  EXPECT_EQ(0x1122334455667788ull, COvIdentifierHashPolicy::GetKey(entry));
  EXPECT_EQ(0x1122334455667788ull, COvIdentifierHashPolicy::GetKey(&entry));
  EXPECT_TRUE(COvIdentifierHashPolicy::MatchKey(entry, 0x1122334455667788ull));
  EXPECT_FALSE(COvIdentifierHashPolicy::MatchKey(&entry, 0x1122334455667789ull));
  EXPECT_EQ(0x55667788u, COvIdentifierHashPolicy::CreateHash(0x1122334455667788ull));
  struct Object {
    COvIdentifier id;
    const COvIdentifier& GetIdentifier() const { return id; }
  } object{COvIdentifier("pooled")};
  EXPECT_EQ(COvIdentifier("POOLED"), COvObjectHashingPolicy::GetKey(&object));
  EXPECT_TRUE(COvObjectHashingPolicy::MatchKey(&object, COvIdentifier("pooled")));
  EXPECT_EQ(static_cast<uint32_t>(object.id.GetCrc64()), COvObjectHashingPolicy::CreateHash(object.id));
}

TEST(OvIdentifierHashEntry, ConstructorsAndAssignment) {
  COvIdentifierHashEntry empty;
  EXPECT_EQ(0u, empty.GetCrc64());
  EXPECT_TRUE(empty.GetName().IsEmpty());
  COvIdentifierHashEntry fromString(TOvString<char>("two"), 2);
  COvIdentifierHashEntry copy(fromString);
  EXPECT_STREQ("two", copy.GetName().GetBuffer());
  empty = copy;
  EXPECT_EQ(2u, empty.GetCrc64());
  EXPECT_STREQ("two", empty.GetName().GetBuffer());
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
