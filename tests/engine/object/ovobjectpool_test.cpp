#include "engine/object/ovobjectpool.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "engine/object/ovmanaged.h"

namespace {

// Identifiers with a chosen CRC, so that clusters in the table can be built on purpose.
COvIdentifier WithCrc(uint64_t crc) { return COvIdentifier(crc, "crafted"); }

// One object per identifier, each added to the pool.
std::vector<std::unique_ptr<COvManaged>> AddObjects(const std::vector<COvIdentifier>& ids,
                                                    COvObjectPool& pool) {
  std::vector<std::unique_ptr<COvManaged>> objects;
  for (const COvIdentifier& id : ids) {
    objects.emplace_back(new COvManaged(id));
    pool.Add(objects.back().get());
  }
  return objects;
}

}  // namespace

TEST(OvObjectPool, RemovalInsideAClusterKeepsTheRestFindable) {
  const uint64_t kSlots = COvObjectTable::kInitialSlots;
  // The case, the identifiers' CRCs in the order added and the one removed.
  const std::tuple<const char*, std::vector<uint64_t>, int> rows[] = {
      {"same home, middle", {7, 7 + kSlots, 7 + 2 * kSlots, 8, 7 + 3 * kSlots}, 1},
      {"same home, first", {7, 7 + kSlots, 8, 9 + kSlots}, 0},
      {"cluster wraps past the end", {kSlots - 1, 2 * kSlots - 1, 0, kSlots, 3 * kSlots - 1}, 0},
      {"neighbour at its own home stays", {5, 6, 5 + kSlots, 6 + kSlots}, 0},
  };
  for (const auto& [name, crcs, removed] : rows) {
    SCOPED_TRACE(name);
    std::vector<COvIdentifier> ids;
    for (uint64_t crc : crcs) ids.push_back(WithCrc(crc));
    COvObjectPool pool(COvIdentifier("pool"));
    auto objects = AddObjects(ids, pool);
    EXPECT_TRUE(pool.Remove(objects[removed].get()) && !pool.Remove(objects[removed].get()));
    for (size_t i = 0; i < ids.size(); ++i)
      EXPECT_EQ(int(i) == removed ? nullptr : objects[i].get(), pool.Find(ids[i])) << i;
    EXPECT_EQ(int(ids.size()) - 1, pool.GetCount());
  }
}

TEST(OvObjectPool, ManyObjectsDoubleTheTable) {
  std::vector<COvIdentifier> ids;
  for (int i = 0; i < 5000; ++i) ids.emplace_back(("pooled_" + std::to_string(i)).c_str());
  COvObjectPool pool(COvIdentifier("pool"));
  auto objects = AddObjects(ids, pool);
  EXPECT_EQ(4 * COvObjectTable::kInitialSlots, pool.GetSlotCount());
  for (size_t i = 0; i < ids.size(); i += 3) EXPECT_TRUE(pool.Remove(objects[i].get()));
  for (size_t i = 0; i < ids.size(); ++i)
    ASSERT_EQ(i % 3 ? objects[i].get() : nullptr, pool.Find(ids[i])) << i;
}

TEST(OvObjectPool, SharedIdentifiersAndRenames) {
  COvIdentifier box("box"), crate("crate"), barrel("barrel");
  COvManaged first(box), second(box), other(crate);
  COvObjectPool pool(COvIdentifier("pool"));
  for (COvManaged* object : {&first, &second, &other}) pool.Add(object);
  EXPECT_EQ(&first, pool.Find(box));

  // The object of the same name takes the renamed one's place.
  EXPECT_TRUE(pool.Rename(&first, barrel) && pool.Find(barrel) == &first && pool.Find(box) == &second);
  // The entry already filed stays first.
  EXPECT_TRUE(pool.Rename(&second, crate) && pool.Find(crate) == &other && !pool.Find(box));
  EXPECT_TRUE(pool.Remove(&other) && pool.Find(crate) == &second);
}
