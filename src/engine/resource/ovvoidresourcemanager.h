// COvVoidResourceManager: the abstract base of every typed resource manager. It registers the
// resource files it finds (in big files or directory trees) by the CRC of their names as
// empty objects, and loads each on first use into the resource pool on top of the stack.
// The manager owns its item records, its objects (destroyed through DestroyObject) and the big
// files it opened; a derived manager calls Release in its destructor. A failed item keeps its failed status
// and is not loaded again.
#pragma once

#include <cstdint>

#include "core/ovarray.h"
#include "core/ovfilehandle.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"
#include "engine/resource/ovresourceitemtable.h"

class COvBigFile;
class COvResource;

class COvVoidResourceManager {
 public:
  // Where an item's bytes come from, when not from one of the manager's big files.
  static constexpr int kLooseFile = -1;
  static constexpr int kRemoteFile = -2;

  struct ItemInfo {
    COvResource* resource = nullptr;
    uint64_t crc = 0;
    int bigFileIndex = kLooseFile;  // or an index into the manager's big files
    int fileIndex = -1;             // the entry inside that big file
    int index = 0;                  // in the item array
    COvString fileName;             // loose file path, or name inside the big file
    COvString sourcePath;
  };

  COvVoidResourceManager() = default;
  virtual ~COvVoidResourceManager();
  COvVoidResourceManager(const COvVoidResourceManager&) = delete;
  COvVoidResourceManager& operator=(const COvVoidResourceManager&) = delete;

  // Destroys every object, forgets every item and closes the big files.
  virtual void Release();
  virtual void DestroyObject(COvResource* resource) = 0;
  // A new object for name in status not loaded, owned by the manager once registered.
  virtual COvResource* CreateEmptyObject(const char* name) = 0;
  // Reads the object from an open file; the base calls the resource's LoadFromFileHandle.
  virtual bool LoadObject(COvResource* resource, COvFileHandle* handle);
  // The managed type's name for log lines.
  virtual const char* GetTypeName() const = 0;

  // Registers every file of the archive; false (logged) when it cannot be opened.
  bool ScanBigFile(const char* path);
  // Registers every file below path, recursively; only those with the extension (without
  // '.') when one is given.
  bool ScanDirectory(const char* path, const char* extension);
  bool ScanForFileType(const char* path, const char* extension);
  // Registers an existing object (owned from now on) as a loose file under its identifier.
  void AddVoidObject(COvResource* resource, const char* fileName);
  // The same for an item fetched over HTTP: fileName is appended to the remote path.
  void AddRemoteVoidObject(COvResource* resource, const char* fileName);
  // Creates and registers the object for name.
  COvResource* AddEmptyObjectByName(const char* name);

  // The registered object, loaded first when it is waiting to be; null when unknown.
  COvResource* FindVoidObject(const COvIdentifier& identifier);
  // The registered object, never loaded here; null when unknown.
  COvResource* FindExistVoidObject(const COvIdentifier& identifier) const;
  // Loads a registered object of this manager now, whatever its status; true on success.
  bool LoadVoidObject(COvResource* resource);
  // Loads every item waiting to be, in registration order; false at the first failure.
  bool ForceLoadAllResources();

  // Null / -1 / empty when out of range or not registered.
  COvResource* GetVoidObject(int index) const;
  int GetVoidObjectIndex(const COvResource* resource) const;
  COvString GetFileName(int index) const;
  uint64_t GetFileNameCrc(int index) const;
  int GetCount() const { return m_aItems.GetCount(); }
  void GetIdentifierArray(COvArray<COvIdentifier>& out) const;
  const ItemInfo* GetItem(int index) const;

  void SetIdentifier(const COvIdentifier& identifier) { m_identifier = identifier; }
  const COvIdentifier& GetIdentifier() const { return m_identifier; }
  const char* TranslateFilename(const char* name) const { return name; }

  // Where items fetched over HTTP come from: the host, the port (80 unless set) and the path
  // the item's file name is appended to. Empty at first.
  static void SetRemoteSource(const char* host, unsigned short port, const char* path);

 private:
  ItemInfo* Register(COvResource* resource, uint64_t crc, int bigFileIndex, int fileIndex,
                     const char* fileName, const char* sourcePath);
  ItemInfo* FindItemOf(const COvResource* resource) const;
  void ReleaseItems(bool throughDestroySlot);
  bool LoadItem(ItemInfo& item);
  bool LoadRemoteItem(ItemInfo& item);

  COvResourceItemTable<ItemInfo> m_Table;
  COvArray<ItemInfo*> m_aItems;
  COvArray<COvBigFile*> m_aBigFiles;
  COvIdentifier m_identifier;
};
