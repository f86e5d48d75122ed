// Identifiers: a name handled as the 64-bit CRC of its lower-cased text plus a pointer to the
// registered (lower-cased) name, and the process-wide registry that maps each CRC to the first
// name seen for it. Identifiers compare by CRC only, so names match case-insensitively. The
// registry is not locked and is meant for one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/ovcrc.h"
#include "core/ovstring.h"

class COvIdentifier {
 public:
  static constexpr uint64_t NULL_CRC64 = 0xFFFFFFFFFFFFFFFFull;

  // The null identifier: CRC all ones (also the CRC of ""), no name.
  COvIdentifier() = default;
  // Hashes the lower-cased text, registers the name and points at the registered copy. A null
  // text reads as "".
  COvIdentifier(const char* name) { Set(name); }
  COvIdentifier(const TOvString<char>& name) { Set(name); }
  // The debug name is whatever the registry knows for crc (null when unknown).
  explicit COvIdentifier(uint64_t crc);
  // Stores both as given without hashing; name is not copied and must outlive the identifier.
  // name is also registered under its own CRC (crc is not compared with it).
  COvIdentifier(uint64_t crc, const char* name);
  COvIdentifier(const COvIdentifier&) = default;
  COvIdentifier& operator=(const COvIdentifier&) = default;

  void Set(const char* name);
  void Set(const TOvString<char>& name);

  uint64_t GetCrc64() const { return m_uCrc64; }
  bool IsNull() const { return m_uCrc64 == NULL_CRC64; }
  int GetMemoryUsage() const { return 0; }
  // The name pointer taken when the identifier was made; may be null. Prefer DebugCString,
  // which consults the registry now.
  const char* GetDebugName() const { return m_pDebugName; }

  bool operator==(const COvIdentifier& other) const { return m_uCrc64 == other.m_uCrc64; }
  bool operator!=(const COvIdentifier& other) const { return m_uCrc64 != other.m_uCrc64; }
  bool operator<(const COvIdentifier& other) const { return m_uCrc64 < other.m_uCrc64; }

  // The registered name, or "<empty>" (with a logged warning) when the CRC has none.
  const char* DebugCString() const;
  // A copy of the registered name, or "CRC<" + 16 upper-case hex digits + ">" (with a logged
  // warning) when the CRC has none.
  TOvString<char> DebugString() const;
  // The identifier of this identifier's name followed by suffix (null reads as "").
  COvIdentifier Append(const char* suffix) const;

 private:
  uint64_t m_uCrc64 = NULL_CRC64;
  const char* m_pDebugName = nullptr;
};

namespace std {
template <>
struct hash<COvIdentifier> {
  size_t operator()(const COvIdentifier& id) const noexcept { return static_cast<size_t>(id.GetCrc64()); }
};
}  // namespace std

// One registry record: a CRC and the owned name filed under it.
class COvIdentifierHashEntry {
 public:
  COvIdentifierHashEntry() = default;
  COvIdentifierHashEntry(const char* name, uint64_t crc) : m_uCrc64(crc), m_strName(name) {}
  COvIdentifierHashEntry(const TOvString<char>& name, uint64_t crc) : m_uCrc64(crc), m_strName(name) {}
  COvIdentifierHashEntry(const COvIdentifierHashEntry&) = default;
  COvIdentifierHashEntry& operator=(const COvIdentifierHashEntry&) = default;

  uint64_t GetCrc64() const { return m_uCrc64; }
  const TOvString<char>& GetName() const { return m_strName; }

 private:
  uint64_t m_uCrc64 = 0;
  TOvString<char> m_strName;
};

// Open-addressing table of registry entries with linear probing. Owns its entries. Starts
// with 256 slots and doubles before an insert when four times the entry count reaches the
// slot count.
class COvIdentifierHashTable {
 public:
  static constexpr int INITIAL_LOG2 = 8;
  // Longest name a hash file record may carry; longer records stop the load.
  static constexpr uint32_t MAX_FILE_NAME_LENGTH = 511;

  COvIdentifierHashTable();
  ~COvIdentifierHashTable();
  COvIdentifierHashTable(const COvIdentifierHashTable&) = delete;
  COvIdentifierHashTable& operator=(const COvIdentifierHashTable&) = delete;

  // Takes ownership of entry on success. Inserting the same pointer again is success; an
  // entry with a CRC already present is failure (entry stays the caller's).
  bool Insert(COvIdentifierHashEntry* entry);
  // Null when the CRC is not present.
  const COvIdentifierHashEntry* Find(uint64_t crc) const;

  int GetLog2() const { return m_iLog2; }
  int GetSlotCount() const { return m_iSlotCount; }
  int GetEntryCount() const { return m_iEntryCount; }
  // Slot i (0 <= i < GetSlotCount()); null when free.
  const COvIdentifierHashEntry* GetSlot(int i) const { return m_ppSlots[i]; }

  // Hash file: count (u32), then per entry the name length (u32), the name bytes and the CRC
  // (u64); little-endian, big-endian when swapEndian. Entries are written in slot order.
  // False when the file cannot be written completely.
  bool SaveHashFile(const char* path, bool swapEndian) const;
  // Adds one entry per record whose CRC is not present yet. Stops at the first damaged record
  // (cut short, or a name longer than MAX_FILE_NAME_LENGTH) keeping the records before it.
  // True when the file was opened and every announced record was read.
  bool LoadHashFile(const char* path, bool swapEndian);
  // The same reader over bytes in memory.
  bool LoadHashData(const void* data, size_t size, bool swapEndian);

 private:
  void Grow();
  // Slot where crc is or would go; the table always has a free slot.
  int ProbeSlot(uint64_t crc) const;

  int m_iLog2 = INITIAL_LOG2;
  int m_iSlotCount = 1 << INITIAL_LOG2;
  int m_iEntryCount = 0;
  COvIdentifierHashEntry** m_ppSlots = nullptr;
};

// The process-wide registry of identifier names. Created on first use, never destroyed.
class COvIdentifierManager {
 public:
  static COvIdentifierManager* GetInstance();
  virtual ~COvIdentifierManager();

  // The name registered for crc ("" for an empty name), or null when crc is unknown.
  const char* FindNameForCrc64(uint64_t crc);
  // Registers a lower-cased copy of name under its CRC unless the CRC is known already (the
  // first name wins; collisions are not reported). The flag has no effect.
  void CheckCrc64ForUniqueness(const char* name, bool flag);
  // Registers name (length bytes, CRC already computed from them) and returns the registered
  // name for crc, never null. The fast path of identifier construction.
  const char* RegisterName(const char* name, int length, uint64_t crc);

  // A file that cannot be opened is ignored. See COvIdentifierHashTable for the results.
  bool LoadHashFile(const char* path, bool swapEndian);
  bool SaveHashFile(const char* path, bool swapEndian);
  // Starts a new empty table. Names handed out before stay valid: the old entries are kept
  // until the process ends.
  void Release();

  // The current table (created when needed), for statistics and tests.
  const COvIdentifierHashTable& GetTable();

 private:
  COvIdentifierManager() = default;
  COvIdentifierHashTable& Table();

  COvIdentifierHashTable* m_pTable = nullptr;
  // Tables discarded by Release, kept so that their names stay valid.
  struct RetiredNode;
  RetiredNode* m_pRetiredList = nullptr;
};

// Policies of the engine's hash containers keyed by registry entries and by identifiers.
struct COvIdentifierHashPolicy {
  static uint64_t GetKey(const COvIdentifierHashEntry& entry) { return entry.GetCrc64(); }
  static uint64_t GetKey(const COvIdentifierHashEntry* entry) { return entry->GetCrc64(); }
  static bool MatchKey(const COvIdentifierHashEntry& entry, uint64_t key) { return entry.GetCrc64() == key; }
  static bool MatchKey(const COvIdentifierHashEntry* entry, uint64_t key) { return entry->GetCrc64() == key; }
  static uint32_t CreateHash(uint64_t key) { return static_cast<uint32_t>(key); }
};

struct COvObjectHashingPolicy {
  // object is any managed object type with GetIdentifier().
  template <typename T>
  static const COvIdentifier& GetKey(const T* object) {
    return object->GetIdentifier();
  }
  template <typename T>
  static bool MatchKey(const T* object, const COvIdentifier& key) {
    return object->GetIdentifier() == key;
  }
  static uint32_t CreateHash(const COvIdentifier& key) { return static_cast<uint32_t>(key.GetCrc64()); }
};
