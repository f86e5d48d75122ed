#include "engine/object/ovpooledobjectmanager.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/ovid.h"
#include "engine/object/ovmanaged.h"
#include "engine/object/ovobjectpool.h"
#include "engine/object/ovpooledobjectmanagermanager.h"

namespace {

std::string g_events;  // "r<name>" on Release, "d<name>" on delete

class Prop : public COvManaged {
 public:
  explicit Prop(const char* name, const char* pool = "global")
      : COvManaged(COvIdentifier(name)), pool(pool) {}
  ~Prop() override { g_events += std::string("d") + GetIdentifier().DebugCString(); }
  void Release() override { g_events += std::string("r") + GetIdentifier().DebugCString(); }
  COvIdentifier GetPoolIdentifier() const override { return pool; }

  const COvArray<COvReflectionInformation>& GetReflectionInformationArray() const override {
    static const COvArray<COvReflectionInformation> records = [] {
      Prop sample("sample");
      auto at = [&sample](const void* field) {
        return static_cast<const char*>(field) - reinterpret_cast<const char*>(&sample);
      };
      COvArray<COvReflectionInformation> r;
      r.Add(COvReflectionInformation("health", COvReflectionInformation::eTypeInt, at(&sample.health)));
      r.Add(COvReflectionInformation("label", COvReflectionInformation::eTypeString, at(&sample.label)));
      return r;
    }();
    return records;
  }

  COvIdentifier pool;
  int health = 10;
  TOvString<char> label = "start";
};

class PropManager : public COvPooledObjectManager {
 public:
  PropManager() : COvPooledObjectManager(COvIdentifier("propmanager")) { Initialize(); }
  COvIdentifier GetObjectTypeIdentifier() const override { return COvIdentifier("prop"); }
  int hooks = 0;

 protected:
  void OnInitialize() override { hooks += 1; }
  void OnRelease() override { hooks += 10; }
};

const COvIdentifier& Global() { return OVID::GetSingleton().global; }

}  // namespace

TEST(OvPooledObjectManager, PoolsAreClearedAndDestroyed) {
  // The call, whether the level pool is left and the events: per pool, releases then deletes.
  const std::tuple<const char*, void (*)(PropManager&), bool, const char*> rows[] = {
      {"Clear()", [](PropManager& m) { m.Clear(); }, false, "rcratedcrateraxedaxe"},
      {"Clear(level)", [](PropManager& m) { m.Clear(COvIdentifier("level")); }, false, "raxedaxe"},
      {"Clear(global)", [](PropManager& m) { m.Clear(Global()); }, true, "rcratedcrate"},
  };
  for (const auto& [name, clear, levelLeft, events] : rows) {
    SCOPED_TRACE(name);
    PropManager manager;
    manager.AddObject(Global(), new Prop("crate"));
    manager.AddObject(COvIdentifier("level"), new Prop("axe", "level"));
    g_events.clear();
    clear(manager);
    EXPECT_EQ(events, g_events);
    EXPECT_TRUE(manager.FindPool(Global()) &&
                levelLeft == (manager.FindPool(COvIdentifier("level")) != nullptr));
    manager.Release();
    EXPECT_TRUE(manager.hooks == 11 && manager.GetPoolCount() == 0);
  }
}

TEST(OvPooledObjectManager, ObjectsAreRenamedRemovedAndDestroyed) {
  PropManager manager;
  Prop* crate = new Prop("crate");
  COvManaged* lamp = new Prop("lamp", "level");
  manager.AddObject(Global(), crate);
  manager.AddObject(COvIdentifier("level"), lamp);
  Prop twin("crate");
  EXPECT_TRUE(manager.ObjectAlreadyExists(&twin));

  COvManaged* renamed = crate;
  manager.RenameObject(renamed, COvIdentifier("chest"));
  EXPECT_TRUE(manager.FindObject(Global(), COvIdentifier("chest")) == crate &&
              !manager.ObjectAlreadyExists(&twin));
  EXPECT_TRUE(manager.RemoveObject(crate) && !manager.RemoveObject(crate));

  // An object of no pool is not deleted and the caller keeps it.
  COvManaged* loose = crate;
  g_events.clear();
  EXPECT_TRUE(!manager.DestroyObject(loose) && loose == crate);
  delete crate;
  EXPECT_TRUE(manager.DestroyObject(lamp) && lamp == nullptr && manager.GetObjectCount(1) == 0);
  EXPECT_EQ("dchestrlampdlamp", g_events);
}

TEST(OvPooledObjectManager, NameListsAndSavesSkipHiddenObjects) {
  PropManager manager;
  for (const char* name : {"torch", "@grid", "rope"}) manager.AddObject(Global(), new Prop(name));
  manager.AddObject(COvIdentifier("level"), new Prop("bucket", "level"));
  COvArray<TOvString<char>> names;
  manager.GetObjectNameArray(names);
  ASSERT_EQ(2, names.GetCount());  // "@" marks the hidden
  EXPECT_STREQ("rope", names[1]);

  auto prop = [&manager](int i) { return static_cast<Prop*>(manager.GetObject(i / 3, i % 3)); };
  manager.SaveVariables();
  for (int i = 0; i < 4; ++i) prop(i)->health = 99, prop(i)->label = "played";
  manager.ResetVariables();
  const char* expected[] = {"torch 10 start", "@grid 99 played", "rope 10 start", "bucket 10 start"};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(expected[i], std::string(prop(i)->GetIdentifier().DebugCString()) + " " +
                               std::to_string(prop(i)->health) + " " + prop(i)->label.GetBuffer());
}

TEST(OvPooledObjectManagerManager, FindsManagersAndGeneratesFreeNames) {
  COvPooledObjectManagerManager* all = COvPooledObjectManagerManager::GetInstance();
  all->SetTopPoolIdentifier(Global());
  PropManager manager;
  EXPECT_TRUE(all->FindManager(COvIdentifier("propmanager")) == &manager &&
              all->FindManagerByObjectType(COvIdentifier("prop")) == &manager);
  // A name added to the top pool before asking (null: nothing), and the name offered.
  const std::pair<const char*, const char*> rows[] = {
      {nullptr, "box_001"}, {"box_001", "box_002"}, {"box_003", "box_002"}, {"box_002", "box_004"}};
  for (const auto& [existing, expected] : rows) {
    if (existing) manager.AddObject(Global(), new Prop(existing));
    EXPECT_STREQ(expected, all->GenerateIdentifierSuffix(COvIdentifier("Box")).DebugCString());
  }
  manager.Release();
  EXPECT_EQ(nullptr, all->FindManager(COvIdentifier("propmanager")));
}
