// The preload lines go to the debug trace; what callers see is that the lists are sorted and
// emptied.
#include "engine/resource/ovresourcepreloadmanager.h"

#include <algorithm>
#include <cstring>

#include "core/ovlog.h"
#include "engine/resource/ovresource.h"

namespace {

// The line format of each emitted list, in emission order (the submesh2 list has none).
const char* const kLineFormats[] = {
    "COvTextureManager::GetInstance()->FindTexture(COvIdentifier(0x%016llx, \"%s\"));\n",
    "COvSubMeshManager::GetInstance()->FindSubMesh(COvIdentifier(0x%016llx, \"%s\"));\n",
    "COvMeshManager::GetInstance()->FindMesh(COvIdentifier(0x%016llx, \"%s\"));\n",
    "COvSkeletonAnimationManager::GetInstance()->FindSkeletonAnimation(COvIdentifier(0x%016llx, \"%s\"));\n",
    "COvParticleSystemManager::GetInstance()->FindParticleSystem(COvIdentifier(0x%016llx, \"%s\"));\n",
    ("COvParticleSystemBucketPresetManager::GetInstance()->FindParticleSystemBucketPreset(COvIdentifier("
     "0x%016llx, \"%s\"));\n"),
    "COvSoundManager::GetInstance()->FindSoundResource(COvIdentifier(0x%016llx, \"%s\"));\n",
    "COvMetaAnimationManager::GetInstance()->FindMetaAnimation(COvIdentifier(0x%016llx, \"%s\"));\n",
    "COvFontManager::GetInstance()->FindFont(COvIdentifier(0x%016llx, \"%s\"));\n",
};

bool cmpResourceNameAsc(const COvResource* a, const COvResource* b) {
  return std::strcmp(a->GetName(), b->GetName()) < 0;
}

}  // namespace

COvResourcePreloadManager& COvResourcePreloadManager::GetInstance() {
  static COvResourcePreloadManager* instance = new COvResourcePreloadManager();
  return *instance;
}

int COvResourcePreloadManager::ListOf(int type) {
  switch (type) {
    case eResourceType_Texture:
      return eList_Texture;
    case eResourceType_SubMesh:
      return eList_SubMesh;
    case eResourceType_Mesh:
      return eList_Mesh;
    case eResourceType_SkeletonAnimation:
      return eList_SkeletonAnimation;
    case eResourceType_ParticleSystem:
      return eList_ParticleSystem;
    case eResourceType_ParticleSystemBucketPreset:
      return eList_BucketPreset;
    case eResourceType_Sound:
      return eList_Sound;
    case eResourceType_Font:
      return eList_Font;
    case eResourceType_SubMesh2:
      return eList_SubMesh2;
    default:
      return -1;
  }
}

void COvResourcePreloadManager::AddResource(COvResource* resource) {
  if (!resource) return;
  int list = ListOf(resource->GetResourceType());
  // A resource loaded again after a release is listed once.
  if (list >= 0 && m_aLists[list].Find(resource) < 0) m_aLists[list].Add(resource);
}

void COvResourcePreloadManager::RemoveResource(COvResource* resource) {
  for (COvArray<COvResource*>& list : m_aLists) {
    int index = list.Find(resource);
    if (index >= 0) list.RemoveAt(index);
  }
}

void COvResourcePreloadManager::DumpPreloadCode(const char* name) {
  OvTrace("[PRELOAD] %s\n", name ? name : "");
  for (int list = 0; list < eList_SubMesh2; ++list) {
    COvArray<COvResource*>& resources = m_aLists[list];
    std::sort(resources.begin(), resources.end(), cmpResourceNameAsc);
    for (COvResource* resource : resources) {
      OvTrace(kLineFormats[list], static_cast<unsigned long long>(resource->GetIdentifier().GetCrc64()),
              resource->GetName());
    }
  }
  OvTrace("[/PRELOAD]\n");
  ClearPreloadCode();
}

void COvResourcePreloadManager::ClearPreloadCode() {
  for (int list = 0; list < eList_SubMesh2; ++list) m_aLists[list].RemoveAll();
}

void COvResourcePreloadManager::Release() {
  for (COvArray<COvResource*>& list : m_aLists) list = COvArray<COvResource*>();
}

const COvArray<COvResource*>* COvResourcePreloadManager::GetList(int type) const {
  int list = ListOf(type);
  return list >= 0 ? &m_aLists[list] : nullptr;
}
