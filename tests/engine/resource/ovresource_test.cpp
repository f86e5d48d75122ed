#include "engine/resource/ovresource.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "bigfile/ovbigfilegenerator.h"
#include "core/ovfilesystem.h"
#include "engine/resource/ovresourcemanagermanager.h"
#include "engine/resource/ovresourcepreloadmanager.h"
#include "engine/resource/ovvoidresourcemanager.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::string> g_unloaded;  // names, in unload order

// Registered names are lower case.
std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// A resource holding its file's text; a text starting with "bad" does not load.
class TextResource : public COvResource {
 public:
  TextResource(const char* name, const COvIdentifier& type) : COvResource(COvIdentifier(name), type) {}
  bool Load(COvFileHandle* handle) override {
    ++loads;
    text.assign(static_cast<size_t>(COvFileSystemUnCached::GetSize(handle)), '\0');
    COvFileSystemUnCached::Read(handle, &text[0], static_cast<int>(text.size()));
    return text.compare(0, 3, "bad") != 0;
  }
  bool LoadFromMemory(const char* data, unsigned size) override {
    text.assign(data, size);
    return true;
  }
  void Unload() override {
    g_unloaded.push_back(GetName());
    text.clear();
  }
  EResourceType GetResourceType() const override { return eResourceType_Texture; }
  const char* GetTypeName() const override { return "text"; }
  void GetMemoryUsage(int& ram, int& vram) const override {
    ram = static_cast<int>(text.size());
    vram = 0;
  }
  std::string text;
  int loads = 0;
};

class TextManager : public COvVoidResourceManager {
 public:
  TextManager() { SetIdentifier(COvIdentifier("text")); }
  ~TextManager() override { Release(); }
  void DestroyObject(COvResource* resource) override { delete resource; }
  COvResource* CreateEmptyObject(const char* name) override {
    return new TextResource(name, GetIdentifier());
  }
  const char* GetTypeName() const override { return "text"; }
  TextResource* Find(const std::string& name) {
    return static_cast<TextResource*>(FindVoidObject(name.c_str()));
  }
};

class OvResourceTest : public testing::Test {
 protected:
  void SetUp() override {
    g_unloaded.clear();
    pools->Initialize();
    pools->AddManager(&manager);
  }
  void TearDown() override { pools->Shutdown(); }

  COvResourceManagerManager* pools = COvResourceManagerManager::GetInstance();
  TempDir dir;
  TextManager manager;
};

TEST_F(OvResourceTest, PoolsReleaseWhatWasLoadedWhileOnTopNewestFirst) {
  const std::string a = dir.WriteFile("loose/a.txt", "A");
  const std::string b = dir.WriteFile("loose/sub/b.txt", "B");
  dir.WriteFile("loose/skip.bin", "not scanned");
  COvBigFileGenerator generator;
  ASSERT_TRUE(generator.AddFile(dir.WriteFile("c.src", "C").c_str(), "c.txt"));
  ASSERT_TRUE(generator.AddFile(dir.WriteFile("d.src", "DD").c_str(), "d.txt"));
  const std::string archive = dir.Join("pack.big");
  ASSERT_TRUE(generator.Save(archive.c_str(), false, false));
  ASSERT_TRUE(manager.ScanDirectory(dir.Join("loose").c_str(), "txt"));
  ASSERT_TRUE(manager.ScanBigFile(archive.c_str()));
  ASSERT_EQ(4, manager.GetCount());
  EXPECT_EQ(COvIdentifier("d.txt"), manager.GetVoidObject(3)->GetIdentifier());

  EXPECT_EQ("A", manager.Find(a)->text);
  pools->CreateNewResourcePoolOnStack(COvIdentifier("level"));
  EXPECT_EQ("C", manager.Find("c.txt")->text);
  EXPECT_EQ("B", manager.Find(b)->text);
  pools->CreateNewResourcePoolOnStack(COvIdentifier("cutscene"));
  TextResource* d = static_cast<TextResource*>(pools->FindAndLoadResource(COvIdentifier("d.txt")));
  ASSERT_NE(nullptr, d);
  EXPECT_EQ("DD", d->text);
  EXPECT_EQ(COvResource::eStatus_Loaded, d->GetStatus());

  ASSERT_TRUE(pools->ReleaseResourcePoolAtTopOfStack());
  EXPECT_EQ(std::vector<std::string>{"d.txt"}, g_unloaded);
  EXPECT_EQ(COvResource::eStatus_NotLoaded, d->GetStatus());
  EXPECT_EQ(COvIdentifier("level"), pools->GetTopResourcePoolId());
  EXPECT_EQ("DD", manager.Find("d.txt")->text);  // loaded again, into "level" now
  ASSERT_TRUE(pools->ReleaseResourcePoolAtTopOfStack());
  EXPECT_EQ((std::vector<std::string>{"d.txt", "d.txt", Lower(b), "c.txt"}), g_unloaded);
  EXPECT_EQ(COvResource::eStatus_Loaded, manager.FindExistVoidObject(a.c_str())->GetStatus());
  pools->Shutdown();
  EXPECT_EQ((std::vector<std::string>{"d.txt", "d.txt", Lower(b), "c.txt", Lower(a)}), g_unloaded);
}

TEST_F(OvResourceTest, FailedItemStaysFailedAndIsNotRetried) {
  const std::string bad = dir.WriteFile("bad.txt", "bad data");
  for (const std::string& name : {bad, dir.Join("missing.txt"), dir.WriteFile("good.txt", "good")})
    manager.AddEmptyObjectByName(name.c_str());
  TextResource* failed = manager.Find(bad);
  EXPECT_EQ(COvResource::eStatus_Failed, failed->GetStatus());
  EXPECT_EQ(failed, manager.Find(bad));
  EXPECT_EQ(failed, pools->FindAndLoadResource(COvIdentifier(bad.c_str())));
  EXPECT_EQ(1, failed->loads);
  EXPECT_FALSE(manager.ForceLoadAllResources());  // stops at the missing file
  EXPECT_EQ(COvResource::eStatus_Failed, manager.GetVoidObject(1)->GetStatus());
  EXPECT_EQ(COvResource::eStatus_NotLoaded, manager.GetVoidObject(2)->GetStatus());
  EXPECT_TRUE(manager.ForceLoadAllResources());  // failed items are skipped, the rest loads
  EXPECT_EQ(COvResource::eStatus_Loaded, manager.GetVoidObject(2)->GetStatus());
  EXPECT_EQ(nullptr, manager.FindVoidObject(COvIdentifier("unknown")));
  pools->Shutdown();
  // The failed file was read and so is in the pool; the missing one never was.
  EXPECT_EQ((std::vector<std::string>{Lower(dir.Join("good.txt")), Lower(bad)}), g_unloaded);
}

TEST_F(OvResourceTest, ManagerRegistryIgnoresNullAndDuplicates) {
  const int before = pools->GetManagerCount();
  pools->AddManager(nullptr);
  pools->AddManager(&manager);
  EXPECT_EQ(before, pools->GetManagerCount());
  EXPECT_EQ(nullptr, pools->GetManager(-1));
  EXPECT_EQ(nullptr, pools->GetManager(before));
  COvResource* resource = manager.AddEmptyObjectByName("shared");
  EXPECT_EQ(&manager, resource->GetResourceManager());
  EXPECT_EQ(resource, pools->FindResource(COvIdentifier("SHARED")));
  EXPECT_EQ(COvResource::eStatus_NotLoaded, resource->GetStatus());  // found, not loaded
}

TEST_F(OvResourceTest, RemoteItemIsFetchedOverHttp) {
  OneShotServer server("HTTP/1.0 200 OK\r\n\r\nfetched");
  ASSERT_TRUE(server.Listening());
  COvVoidResourceManager::SetRemoteSource("127.0.0.1", server.Port(), "/assets/");
  TextResource* remote = new TextResource("remote.txt", manager.GetIdentifier());
  manager.AddRemoteVoidObject(remote, "remote.txt");
  testing::internal::CaptureStdout();
  EXPECT_EQ(remote, manager.FindVoidObject(COvIdentifier("remote.txt")));
  testing::internal::GetCapturedStdout();
  server.Finish();
  EXPECT_EQ("fetched", remote->text);
  EXPECT_EQ(COvResource::eStatus_Loaded, remote->GetStatus());
  EXPECT_EQ(0u, server.Request().find("GET /assets/remote.txt HTTP/1.0\r\n"));
  pools->Shutdown();
  EXPECT_EQ(std::vector<std::string>{"remote.txt"}, g_unloaded);
}

TEST_F(OvResourceTest, ReleaseTwiceUnloadsOnceAndDestroyedResourcesLeaveTheirPool) {
  TextResource* resource =
      static_cast<TextResource*>(manager.AddEmptyObjectByName(dir.WriteFile("t.txt", "t").c_str()));
  ASSERT_TRUE(manager.ForceLoadAllResources());
  const COvArray<COvResource*>* textures =
      COvResourcePreloadManager::GetInstance().GetList(eResourceType_Texture);
  EXPECT_GE(textures->Find(resource), 0);
  resource->Release();
  resource->Release();
  EXPECT_EQ(1u, g_unloaded.size());
  COvResourcePreloadManager::GetInstance().DumpPreloadCode("level");
  EXPECT_EQ(0, textures->GetCount());
  EXPECT_EQ(nullptr, COvResourcePreloadManager::GetInstance().GetList(eResourceType_Shader));
  ASSERT_TRUE(manager.ForceLoadAllResources());
  manager.Release();  // destroyed while recorded in its pool: the pool forgets it
  pools->Shutdown();
  EXPECT_EQ(1u, g_unloaded.size());
}

TEST(OvResourceTypeNames, NamesOfTheTypes) {
  // clang-format off
  const std::pair<int, const char*> rows[] = {
      {1, "billboard"}, {7, "mesh_dynamic"}, {13, "particlesystembucketpreset"}, {16, ""}, {19, "texture"},
      {29, ""}, {30, "stringtable_entry"}, {33, ""}, {34, "submesh2"}, {0, ""}};
  // clang-format on
  for (const auto& row : rows)
    EXPECT_STREQ(row.second, COvResource::GetResourceTypeName(row.first)) << row.first;
  EXPECT_STREQ("ps instance", COvResource::GetDynamicResourceTypeName(1));
  EXPECT_STREQ("", COvResource::GetDynamicResourceTypeName(3));
}

}  // namespace
