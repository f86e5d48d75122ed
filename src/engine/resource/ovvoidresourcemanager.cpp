// Items are loaded from their big file entry, their loose file or over HTTP; the resource is
// linked into the top pool after each attempt that reached its data, as the pools expect.
#include "engine/resource/ovvoidresourcemanager.h"

#include <memory>

#include "bigfile/ovbigfile.h"
#include "core/ovdirectory.h"
#include "core/ovfilesystem.h"
#include "core/ovhttp.h"
#include "core/ovlog.h"
#include "engine/resource/ovresource.h"
#include "engine/resource/ovresourcemanagermanager.h"

namespace {

constexpr unsigned kRemoteBufferSize = 0x80000;

struct RemoteSource {
  COvString host;
  COvString path;
  unsigned short port = 80;
};

RemoteSource& Remote() {
  static RemoteSource* source = new RemoteSource();
  return *source;
}

}  // namespace

// The destroy slot is gone by now: objects a derived manager left behind are deleted directly.
COvVoidResourceManager::~COvVoidResourceManager() {
  ReleaseItems(false);
  COvResourceManagerManager::GetInstance()->RemoveManager(this);
}

void COvVoidResourceManager::SetRemoteSource(const char* host, unsigned short port, const char* path) {
  Remote().host = host;
  Remote().port = port;
  Remote().path = path;
}

COvVoidResourceManager::ItemInfo* COvVoidResourceManager::Register(COvResource* resource, uint64_t crc,
                                                                   int bigFileIndex, int fileIndex,
                                                                   const char* fileName,
                                                                   const char* sourcePath) {
  ItemInfo* item = new ItemInfo();
  item->resource = resource;
  item->crc = crc;
  item->bigFileIndex = bigFileIndex;
  item->fileIndex = fileIndex;
  item->index = m_aItems.GetCount();
  item->fileName = fileName;
  item->sourcePath = sourcePath;
  m_Table.Insert(crc, item);
  m_aItems.Add(item);
  return item;
}

bool COvVoidResourceManager::ScanBigFile(const char* path) {
  std::unique_ptr<COvBigFile> bigFile(new COvBigFile());
  if (bigFile->Open(path, eOvFileSystemOpenMode_ReadBinary) != eOvFileSystemError_None) {
    OvLog(eLogLevel_Error, eLogType_General, 0, "Unable to open bigfile : %s", path ? path : "");
    OvLog(eLogLevel_Error, eLogType_General, 0, "Unable to initialize %s manager from bigfile : \"%s\"",
          GetTypeName(), path ? path : "");
    return false;
  }
  int bigFileIndex = m_aBigFiles.GetCount();
  COvBigFile* archive = bigFile.release();
  m_aBigFiles.Add(archive);
  for (int i = 0; i < archive->GetNumFiles(); ++i) {
    uint64_t crc = archive->GetFileNameCrcByIndex(i);
    const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(crc);
    COvResource* resource = CreateEmptyObject(name ? name : "");
    // An entry whose name the registry does not know is still named by its CRC.
    if (resource && resource->GetIdentifier().GetCrc64() != crc) resource->SetIdentifier(COvIdentifier(crc));
    Register(resource, crc, bigFileIndex, i, archive->GetFileNameByIndex(i), archive->GetPath());
  }
  return true;
}

bool COvVoidResourceManager::ScanDirectory(const char* path, const char* extension) {
  COvArray<COvString> files;
  COvArray<COvString> extensions;
  if (extension && *extension) extensions.Add(COvString(extension));
  if (!OvRetrieveFilesFromDirectoryRecursive(COvString(path), files, extensions)) {
    OvLog(eLogLevel_Error, eLogType_General, 0, "Unable to get file list from directory : %s",
          path ? path : "");
    OvLog(eLogLevel_Error, eLogType_General, 0, "Unable to initialize %s manager from path : \"%s\"",
          GetTypeName(), path ? path : "");
    return false;
  }
  for (const COvString& file : files) {
    COvResource* resource = CreateEmptyObject(file);
    Register(resource, COvIdentifier(file).GetCrc64(), kLooseFile, -1, file, path);
  }
  return true;
}

bool COvVoidResourceManager::ScanForFileType(const char* path, const char* extension) {
  return ScanDirectory(path, extension);
}

void COvVoidResourceManager::AddVoidObject(COvResource* resource, const char* fileName) {
  if (resource) Register(resource, resource->GetIdentifier().GetCrc64(), kLooseFile, -1, fileName, "");
}

void COvVoidResourceManager::AddRemoteVoidObject(COvResource* resource, const char* fileName) {
  if (resource) Register(resource, resource->GetIdentifier().GetCrc64(), kRemoteFile, -1, fileName, "");
}

COvResource* COvVoidResourceManager::AddEmptyObjectByName(const char* name) {
  COvResource* resource = CreateEmptyObject(name);
  if (resource) Register(resource, COvIdentifier(name).GetCrc64(), kLooseFile, -1, name, "");
  return resource;
}

COvResource* COvVoidResourceManager::FindVoidObject(const COvIdentifier& identifier) {
  ItemInfo* item = m_Table.Find(identifier.GetCrc64());
  if (!item) return nullptr;
  if (item->resource->GetStatus() == COvResource::eStatus_NotLoaded) LoadItem(*item);
  return item->resource;
}

COvResource* COvVoidResourceManager::FindExistVoidObject(const COvIdentifier& identifier) const {
  ItemInfo* item = m_Table.Find(identifier.GetCrc64());
  return item ? item->resource : nullptr;
}

COvVoidResourceManager::ItemInfo* COvVoidResourceManager::FindItemOf(const COvResource* resource) const {
  if (!resource) return nullptr;
  ItemInfo* item = m_Table.Find(resource->GetIdentifier().GetCrc64());
  if (item && item->resource == resource) return item;
  for (ItemInfo* candidate : m_aItems) {  // a second object under the same name
    if (candidate->resource == resource) return candidate;
  }
  return nullptr;
}

bool COvVoidResourceManager::LoadVoidObject(COvResource* resource) {
  ItemInfo* item = FindItemOf(resource);
  return item && LoadItem(*item);
}

bool COvVoidResourceManager::ForceLoadAllResources() {
  for (ItemInfo* item : m_aItems) {
    if (item->resource->GetStatus() == COvResource::eStatus_NotLoaded && !LoadItem(*item)) return false;
  }
  return true;
}

bool COvVoidResourceManager::LoadObject(COvResource* resource, COvFileHandle* handle) {
  return resource->LoadFromFileHandle(handle);
}

bool COvVoidResourceManager::LoadRemoteItem(ItemInfo& item) {
  COvResource* resource = item.resource;
  std::unique_ptr<char[]> buffer(new char[kRemoteBufferSize]);
  unsigned size = 0;
  COvString path = Remote().path + item.fileName;
  if (!OvDownloadFileFromPort(Remote().host, Remote().port, path, buffer.get(), kRemoteBufferSize, size)) {
    resource->SetStatus(COvResource::eStatus_Failed);
    return false;
  }
  bool loaded = resource->LoadFromMemory(buffer.get(), size);
  resource->SetStatus(loaded ? COvResource::eStatus_Loaded : COvResource::eStatus_Failed);
  COvResourceManagerManager::GetInstance()->LinkToTopPool(resource);
  return loaded;
}

bool COvVoidResourceManager::LoadItem(ItemInfo& item) {
  COvResource* resource = item.resource;
  if (item.bigFileIndex == kRemoteFile) return LoadRemoteItem(item);
  bool loaded;
  if (item.bigFileIndex == kLooseFile) {
    COvFileHandle* handle = nullptr;
    if (COvFileSystemUnCached::Open(handle, item.fileName, eOvFileSystemOpenMode_ReadBinary, true) !=
        eOvFileSystemError_None) {
      resource->SetStatus(COvResource::eStatus_Failed);
      return false;
    }
    loaded = LoadObject(resource, handle);
    COvFileSystemUnCached::Close(handle);
  } else {
    COvBigFile* archive =
        item.bigFileIndex < m_aBigFiles.GetCount() ? m_aBigFiles[item.bigFileIndex] : nullptr;
    COvFileHandleBigFile* handle = archive ? archive->FileOpenByIndex(item.fileIndex) : nullptr;
    if (!handle) {
      resource->SetStatus(COvResource::eStatus_Failed);
      return false;
    }
    loaded = LoadObject(resource, handle);
    archive->FileClose(handle);
  }
  COvResourceManagerManager::GetInstance()->LinkToTopPool(resource);
  return loaded;
}

COvResource* COvVoidResourceManager::GetVoidObject(int index) const {
  const ItemInfo* item = GetItem(index);
  return item ? item->resource : nullptr;
}

int COvVoidResourceManager::GetVoidObjectIndex(const COvResource* resource) const {
  const ItemInfo* item = FindItemOf(resource);
  return item ? item->index : -1;
}

COvString COvVoidResourceManager::GetFileName(int index) const {
  const ItemInfo* item = GetItem(index);
  return item ? item->fileName : COvString();
}

uint64_t COvVoidResourceManager::GetFileNameCrc(int index) const {
  const ItemInfo* item = GetItem(index);
  return item ? item->crc : COvIdentifier::NULL_CRC64;
}

void COvVoidResourceManager::GetIdentifierArray(COvArray<COvIdentifier>& out) const {
  for (const ItemInfo* item : m_aItems) out.Add(COvIdentifier(item->crc));
}

const COvVoidResourceManager::ItemInfo* COvVoidResourceManager::GetItem(int index) const {
  return index >= 0 && index < m_aItems.GetCount() ? m_aItems[index] : nullptr;
}

void COvVoidResourceManager::Release() { ReleaseItems(true); }

void COvVoidResourceManager::ReleaseItems(bool throughDestroySlot) {
  for (ItemInfo* item : m_aItems) {
    if (throughDestroySlot) {
      DestroyObject(item->resource);
    } else {
      delete item->resource;
    }
    delete item;
  }
  m_aItems = COvArray<ItemInfo*>();
  m_Table.Clear();
  for (COvBigFile* archive : m_aBigFiles) {
    archive->Close();
    delete archive;
  }
  m_aBigFiles = COvArray<COvBigFile*>();
}
