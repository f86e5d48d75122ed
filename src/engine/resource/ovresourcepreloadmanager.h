// COvResourcePreloadManager: collects the resources that were loaded, one list per resource
// type of interest, so that the code that preloads them can be emitted (through the debug
// trace) and the lists started afresh. Resources are not owned.
#pragma once

#include "core/ovarray.h"

class COvResource;

class COvResourcePreloadManager {
 public:
  // The global instance.
  static COvResourcePreloadManager& GetInstance();

  // Files the resource into the list of its type once; types without a list are ignored.
  void AddResource(COvResource* resource);
  // Takes the resource out of every list (a resource being destroyed).
  void RemoveResource(COvResource* resource);
  // Sorts each list by resource name, emits the preload lines and empties the lists.
  void DumpPreloadCode(const char* name);
  void ClearPreloadCode();
  void Release();

  // The list of one resource type, or null when the type has none.
  const COvArray<COvResource*>* GetList(int type) const;

 private:
  enum EList {
    eList_Texture,
    eList_SubMesh,
    eList_Mesh,
    eList_SkeletonAnimation,
    eList_ParticleSystem,
    eList_BucketPreset,
    eList_Sound,
    eList_MetaAnimation,
    eList_Font,
    eList_SubMesh2,  // collected, neither emitted nor cleared
    eList_Count,
  };
  static int ListOf(int type);

  COvArray<COvResource*> m_aLists[eList_Count];
};
