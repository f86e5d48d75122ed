#include "engine/object/ovpooledobjectmanager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ovid.h"
#include "engine/object/ovmanaged.h"
#include "engine/object/ovobjectpool.h"
#include "engine/object/ovpooledobjectmanagermanager.h"
#include "engine/resource/ovresourcemanagermanager.h"

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
      auto offset = [&sample](const void* member) {
        return static_cast<size_t>(static_cast<const char*>(member) - reinterpret_cast<const char*>(&sample));
      };
      COvArray<COvReflectionInformation> r;
      r.Add(COvReflectionInformation("health", COvReflectionInformation::eTypeInt, offset(&sample.health)));
      r.Add(COvReflectionInformation("speed", COvReflectionInformation::eTypeFloat, offset(&sample.speed)));
      r.Add(COvReflectionInformation("label", COvReflectionInformation::eTypeString, offset(&sample.label)));
      return r;
    }();
    return records;
  }

  COvIdentifier pool;
  int health = 10;
  float speed = 1.5f;
  TOvString<char> label = "start";
};

class PropManager : public COvPooledObjectManager {
 public:
  PropManager() : COvPooledObjectManager(COvIdentifier("propmanager")) {}
  COvIdentifier GetObjectTypeIdentifier() const override { return COvIdentifier("prop"); }
  int hooks = 0;

 protected:
  void OnInitialize() override { hooks += 1; }
  void OnRelease() override { hooks += 10; }
};

const COvIdentifier& Global() { return OVID::GetSingleton().global; }

}  // namespace

TEST(OvPooledObjectManager, PoolsAreCreatedClearedAndDestroyed) {
  struct Row {
    const char* name;
    void (*clear)(PropManager&);
    int pools;           // left afterwards
    const char* events;  // per pool: releases, then deletes
  };
  const Row rows[] = {
      {"Clear()", [](PropManager& m) { m.Clear(); }, 1, "rcratedcrateraxedaxe"},
      {"Clear(level)", [](PropManager& m) { m.Clear(COvIdentifier("level")); }, 1, "raxedaxe"},
      {"Clear(global)", [](PropManager& m) { m.Clear(Global()); }, 2, "rcratedcrate"},
      {"DestroyPool(missing)", [](PropManager& m) { m.DestroyPool(COvIdentifier("none")); }, 2, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PropManager manager;
    manager.Initialize();
    manager.AddObject(Global(), new Prop("crate"));
    manager.AddObject(COvIdentifier("level"), new Prop("axe", "level"));
    manager.AddObject(Global(), nullptr);
    ASSERT_EQ(2, manager.GetPoolCount());
    g_events.clear();
    row.clear(manager);
    EXPECT_EQ(row.events, g_events);
    EXPECT_EQ(row.pools, manager.GetPoolCount());
    EXPECT_NE(nullptr, manager.FindPool(Global()));
    EXPECT_EQ(row.pools == 2, manager.FindPool(COvIdentifier("level")) != nullptr);
    manager.Release();
    EXPECT_EQ(11, manager.hooks);
    EXPECT_EQ(0, manager.GetPoolCount());
  }
}

TEST(OvPooledObjectManager, ObjectsAreFoundRemovedRenamedAndDestroyed) {
  PropManager manager;
  manager.Initialize();
  Prop* crate = new Prop("crate");
  COvManaged* lamp = new Prop("lamp", "level");
  manager.AddObject(Global(), crate);
  manager.AddObject(COvIdentifier("level"), lamp);
  EXPECT_TRUE(manager.ObjectAlreadyExists(crate));
  Prop twin("crate");
  EXPECT_TRUE(manager.ObjectAlreadyExists(&twin));
  EXPECT_EQ(crate, manager.FindObject(Global(), COvIdentifier("CRATE")));
  EXPECT_EQ(nullptr, manager.FindObject(COvIdentifier("level"), COvIdentifier("crate")));
  EXPECT_EQ(lamp, manager.GetObject(1, 0));
  EXPECT_EQ(nullptr, manager.GetObject(2, 0));
  EXPECT_EQ(0, manager.GetObjectCount(-1));

  COvManaged* renamed = crate;
  manager.RenameObject(renamed, COvIdentifier("chest"));
  EXPECT_EQ(crate, manager.FindObject(Global(), COvIdentifier("chest")));
  EXPECT_EQ(nullptr, manager.FindObject(Global(), COvIdentifier("crate")));

  EXPECT_TRUE(manager.RemoveObject(crate));
  EXPECT_FALSE(manager.RemoveObject(crate));
  EXPECT_EQ(0, manager.GetObjectCount(0));

  // An object of no pool is not deleted and the caller keeps it.
  COvManaged* loose = crate;
  g_events.clear();
  EXPECT_FALSE(manager.DestroyObject(loose));
  EXPECT_EQ(crate, loose);
  EXPECT_EQ("", g_events);
  delete crate;

  g_events.clear();
  EXPECT_TRUE(manager.DestroyObject(lamp));
  EXPECT_EQ(nullptr, lamp);
  EXPECT_EQ("rlampdlamp", g_events);
  EXPECT_EQ(0, manager.GetObjectCount(1));
}

TEST(OvPooledObjectManager, NameListsAndSavesSkipHiddenObjects) {
  PropManager manager;
  manager.Initialize();
  const char* names[] = {"torch", "@editor_grid", "rope", "@camera"};
  for (const char* name : names) manager.AddObject(Global(), new Prop(name));
  manager.AddObject(COvIdentifier("level"), new Prop("bucket", "level"));
  COvArray<TOvString<char>> list;
  manager.GetObjectNameArray(list);
  ASSERT_EQ(2, list.GetCount());
  EXPECT_STREQ("torch", list[0]);
  EXPECT_STREQ("rope", list[1]);
  COvArray<COvIdentifier> ids;
  manager.GetObjectIdentifierArray(ids);
  ASSERT_EQ(2, ids.GetCount());
  EXPECT_EQ(COvIdentifier("rope"), ids[1]);

  manager.SaveVariables();
  for (int pool = 0; pool < 2; ++pool) {
    for (int i = 0; i < manager.GetObjectCount(pool); ++i) {
      Prop* prop = static_cast<Prop*>(manager.GetObject(pool, i));
      prop->health = 99;
      prop->speed = -2;
      prop->label = "played";
    }
  }
  manager.ResetVariables();
  struct Row {
    int pool, index;
    int health;
    const char* label;
  };
  const Row rows[] = {{0, 0, 10, "start"}, {0, 1, 99, "played"}, {0, 2, 10, "start"}, {1, 0, 10, "start"}};
  for (const Row& row : rows) {
    Prop* prop = static_cast<Prop*>(manager.GetObject(row.pool, row.index));
    SCOPED_TRACE(prop->GetIdentifier().DebugCString());
    EXPECT_EQ(row.health, prop->health);
    EXPECT_EQ(row.health == 10 ? 1.5f : -2.0f, prop->speed);
    EXPECT_STREQ(row.label, prop->label);
  }
}

TEST(OvPooledObjectManagerManager, FindsObjectsAndGeneratesFreeNames) {
  COvPooledObjectManagerManager* all = COvPooledObjectManagerManager::GetInstance();
  all->SetTopPoolIdentifier(Global());
  PropManager manager;
  manager.Initialize();
  all->AddManager(&manager);
  all->AddManager(nullptr);
  int index = all->GetManagerCount() - 1;
  EXPECT_EQ(&manager, all->GetManager(index));
  EXPECT_EQ(nullptr, all->GetManager(index + 1));
  EXPECT_EQ(&manager, all->FindManager(COvIdentifier("propmanager")));
  EXPECT_EQ(&manager, all->FindManagerByObjectType(COvIdentifier("prop")));

  struct Row {
    const char* existing;  // added to the top pool before asking, null: nothing
    const char* expected;
  };
  const Row rows[] = {
      {nullptr, "box_001"}, {"box_001", "box_002"}, {"box_003", "box_002"}, {"box_002", "box_004"}};
  for (const Row& row : rows) {
    if (row.existing) manager.AddObject(Global(), new Prop(row.existing));
    EXPECT_STREQ(row.expected, all->GenerateIdentifierSuffix(COvIdentifier("Box")).DebugCString());
  }
  EXPECT_NE(nullptr, all->FindObject(Global(), COvIdentifier("box_003")));
  COvArray<COvIdentifier> ids;
  all->GetAllObjectIdentifierArray(ids);
  EXPECT_EQ(3, ids.GetCount());
  manager.Release();
  EXPECT_EQ(nullptr, all->FindManager(COvIdentifier("propmanager")));
}

TEST(OvPooledObjectManagerManager, TopPoolFollowsTheResourcePoolStack) {
  COvResourceManagerManager* resources = COvResourceManagerManager::GetInstance();
  COvPooledObjectManagerManager* all = COvPooledObjectManagerManager::GetInstance();
  resources->CreateNewResourcePoolOnStack(COvIdentifier("menu"));
  resources->CreateNewResourcePoolOnStack(COvIdentifier("level1"));
  all->SetTopPoolIdentifier(COvIdentifier("level1"));
  ASSERT_TRUE(resources->ReleaseResourcePoolAtTopOfStack());
  EXPECT_EQ(COvIdentifier("menu"), all->GetTopPoolIdentifier());
  resources->ReleaseResourcePoolAtTopOfStack();
}
