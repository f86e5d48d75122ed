// Loading narrates each resource in the log with the pool it lands in; failures are only
// logged and kept in the status.
#include "engine/resource/ovresource.h"

#include "core/ovfilesystem.h"
#include "core/ovlog.h"
#include "engine/resource/ovresourcemanagermanager.h"
#include "engine/resource/ovresourcepreloadmanager.h"

COvResource::COvResource(const COvIdentifier& identifier, const COvIdentifier& typeIdentifier)
    : m_identifier(identifier), m_typeIdentifier(typeIdentifier) {}

COvResource::~COvResource() {
  COvResourceManagerManager::GetInstance()->ForgetResource(this);
  COvResourcePreloadManager::GetInstance().RemoveResource(this);
}

bool COvResource::LoadFromMemory(const char*, unsigned) { return false; }

bool COvResource::LoadFromFile(const char* path) {
  COvFileHandle* handle = nullptr;
  if (COvFileSystemUnCached::Open(handle, path, eOvFileSystemOpenMode_ReadBinary, true) !=
      eOvFileSystemError_None) {
    OvLog(eLogLevel_Error, eLogType_General, 0, "Can't load %s file '%s'", GetTypeName(), path ? path : "");
    return false;
  }
  bool loaded = Load(handle);
  COvFileSystemUnCached::Close(handle);
  return loaded;
}

bool COvResource::LoadFromFileHandle(COvFileHandle* handle) {
  m_eStatus = eStatus_Loading;
  COvResourcePreloadManager::GetInstance().AddResource(this);
  const char* pool = COvResourceManagerManager::GetInstance()->GetTopResourcePoolName();
  if (handle && Load(handle)) {
    int ram = 0;
    int vram = 0;
    GetMemoryUsage(ram, vram);
    OvLog(eLogLevel_Info, eLogType_General, 0, "[+] %s '%s' (pool: %s) (RAM: %d VRAM %d)", GetTypeName(),
          GetName(), pool, ram, vram);
    m_eStatus = eStatus_Loaded;
    return true;
  }
  OvLog(eLogLevel_Info, eLogType_General, 0, "[+] %s '%s' (pool: %s)", GetTypeName(), GetName(), pool);
  OvLog(eLogLevel_Error, eLogType_General, 0, "FAILED to load %s resource : \"%s\"", GetTypeName(),
        handle ? handle->GetName().GetBuffer() : "");
  m_eStatus = eStatus_Failed;
  return false;
}

void COvResource::Release() {
  if (m_eStatus == eStatus_NotLoaded) return;
  OvLog(eLogLevel_Info, eLogType_General, 0, "[-] %s '%s'", GetTypeName(), GetName());
  Unload();
  m_eStatus = eStatus_NotLoaded;
}

COvVoidResourceManager* COvResource::GetResourceManager() const {
  return COvResourceManagerManager::GetInstance()->FindManager(m_typeIdentifier);
}

const char* COvResource::GetName() const {
  const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(m_identifier.GetCrc64());
  return name ? name : "";
}

const char* COvResource::GetResourceTypeName(int type) {
  switch (type) {
    case 1:
      return "billboard";
    case 2:
      return "dialog";
    case 3:
      return "ragdollsettings";
    case 4:
      return "skeletonanimation";
    case 5:
      return "materiallibrary";
    case 6:
      return "mesh";
    case 7:
      return "mesh_dynamic";
    case 8:
      return "submesh";
    case 9:
      return "metaanimation";
    case 10:
      return "animation";
    case 11:
      return "animation_layout";
    case 12:
      return "particlesystem";
    case 13:
      return "particlesystembucketpreset";
    case 14:
      return "shape";
    case 15:
      return "sound";
    case 17:
      return "animatedtexture";
    case 18:
      return "shader";
    case 19:
      return "texture";
    case 20:
      return "videotexture";
    case 21:
      return "gui";
    case 22:
      return "font";
    case 23:
      return "level";
    case 24:
      return "gamerules";
    case 25:
      return "subtitles";
    case 26:
      return "spritelibrary";
    case 27:
      return "navmeshfile";
    case 28:
      return "dataset";
    case 30:
      return "stringtable_entry";
    case 34:
      return "submesh2";
    default:
      return "";
  }
}

const char* COvResource::GetDynamicResourceTypeName(int type) {
  switch (type) {
    case 0:
      return "entity";
    case 1:
      return "ps instance";
    case 2:
      return "render target";
    default:
      return "";
  }
}
