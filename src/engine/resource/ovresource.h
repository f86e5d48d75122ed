// COvResource: the abstract base of every engine resource (textures, meshes, sounds...). A
// resource is named by an identifier, typed by the identifier of its manager, and moves
// through the states not loaded -> loading -> loaded, or -> failed; releasing it makes it not
// loaded again. Loaded resources are linked into the resource pool that was on top when they
// were loaded (see COvResourceManagerManager).
#pragma once

#include "core/ovfilehandle.h"
#include "core/ovidentifier.h"

class COvVoidResourceManager;
class COvResourceManagerManager;

enum EResourceType {
  eResourceType_Billboard = 1,
  eResourceType_Dialog = 2,
  eResourceType_RagdollSettings = 3,
  eResourceType_SkeletonAnimation = 4,
  eResourceType_MaterialLibrary = 5,
  eResourceType_Mesh = 6,
  eResourceType_MeshDynamic = 7,
  eResourceType_SubMesh = 8,
  eResourceType_MetaAnimation = 9,
  eResourceType_Animation = 10,
  eResourceType_AnimationLayout = 11,
  eResourceType_ParticleSystem = 12,
  eResourceType_ParticleSystemBucketPreset = 13,
  eResourceType_Shape = 14,
  eResourceType_Sound = 15,
  eResourceType_AnimatedTexture = 17,
  eResourceType_Shader = 18,
  eResourceType_Texture = 19,
  eResourceType_VideoTexture = 20,
  eResourceType_Gui = 21,
  eResourceType_Font = 22,
  eResourceType_Level = 23,
  eResourceType_GameRules = 24,
  eResourceType_Subtitles = 25,
  eResourceType_SpriteLibrary = 26,
  eResourceType_NavMeshFile = 27,
  eResourceType_DataSet = 28,
  eResourceType_StringTableEntry = 30,
  eResourceType_SubMesh2 = 34,
};

enum EDynamicResourceType {
  eDynamicResourceType_Entity = 0,
  eDynamicResourceType_PsInstance = 1,
  eDynamicResourceType_RenderTarget = 2,
};

class COvResource {
 public:
  enum EStatus {
    eStatus_Failed = 0,
    eStatus_NotLoaded = 1,  // registered, or released
    eStatus_Loading = 2,
    eStatus_Loaded = 3,
  };

  COvResource(const COvIdentifier& identifier, const COvIdentifier& typeIdentifier);
  // Takes the resource out of its pool and out of the preload lists.
  virtual ~COvResource();
  COvResource(const COvResource&) = delete;
  COvResource& operator=(const COvResource&) = delete;

  // Builds the resource from a block in memory (a fetched file); the base cannot.
  virtual bool LoadFromMemory(const char* data, unsigned size);
  // Frees the loaded data.
  virtual void Unload() = 0;
  // Reads the resource from an open file; true on success.
  virtual bool Load(COvFileHandle* handle) = 0;
  virtual EResourceType GetResourceType() const = 0;
  // The type's name for log lines ("texture").
  virtual const char* GetTypeName() const = 0;
  virtual void GetMemoryUsage(int& ram, int& vram) const = 0;

  // Loads through the file system, logging and setting the status; see the .cpp.
  bool LoadFromFile(const char* path);
  bool LoadFromFileHandle(COvFileHandle* handle);
  // Unloads (logging once) unless already not loaded; the status becomes not loaded.
  void Release();

  EStatus GetStatus() const { return m_eStatus; }
  void SetStatus(EStatus status) { m_eStatus = status; }
  const COvIdentifier& GetIdentifier() const { return m_identifier; }
  void SetIdentifier(const COvIdentifier& identifier) { m_identifier = identifier; }
  const COvIdentifier& GetTypeIdentifier() const { return m_typeIdentifier; }
  // The registered manager whose identifier is this resource's type identifier, or null.
  COvVoidResourceManager* GetResourceManager() const;
  // The resource's name, or "" when the identifier registry has none.
  const char* GetName() const;

  // The name of a resource type ("" for a value without one).
  static const char* GetResourceTypeName(int type);
  static const char* GetDynamicResourceTypeName(int type);

 private:
  friend class COvResourceManagerManager;

  COvIdentifier m_identifier;
  COvIdentifier m_typeIdentifier;
  EStatus m_eStatus = eStatus_NotLoaded;
  // The next resource of the same pool (newest first); valid while m_bPooled.
  COvResource* m_pNext = nullptr;
  bool m_bPooled = false;
};
