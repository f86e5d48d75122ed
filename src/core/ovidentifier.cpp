// Identifiers and the registry of their names.
#include "core/ovidentifier.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/ovbytecursor.h"
#include "core/ovlog.h"

namespace {

void LogMissingName(uint64_t crc) {
  OvLog(eLogLevel_Warning, eLogType_Identifier, 0, "MISSING DEBUG STRING FOR CRC64: <%016llx>",
        static_cast<unsigned long long>(crc));
}

uint32_t SwapU32(uint32_t v) { return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24); }

uint64_t SwapU64(uint64_t v) {
  return (static_cast<uint64_t>(SwapU32(static_cast<uint32_t>(v))) << 32) |
         SwapU32(static_cast<uint32_t>(v >> 32));
}

bool ReadU32(COvByteCursor& cursor, bool swapEndian, uint32_t& value) {
  if (!cursor.ReadU32(value)) return false;
  if (swapEndian) value = SwapU32(value);
  return true;
}

bool ReadU64(COvByteCursor& cursor, bool swapEndian, uint64_t& value) {
  if (!cursor.ReadU64(value)) return false;
  if (swapEndian) value = SwapU64(value);
  return true;
}

}  // namespace

COvIdentifier::COvIdentifier(uint64_t crc)
    : m_uCrc64(crc), m_pDebugName(COvIdentifierManager::GetInstance()->FindNameForCrc64(crc)) {}

COvIdentifier::COvIdentifier(uint64_t crc, const char* name) : m_uCrc64(crc), m_pDebugName(name) {
  COvIdentifierManager::GetInstance()->CheckCrc64ForUniqueness(name, false);
}

void COvIdentifier::Set(const char* name) {
  if (!name) name = "";
  int length = ovStrlen(name);
  m_uCrc64 = CreateCrc64_ToLower(name, length, NULL_CRC64);
  m_pDebugName = COvIdentifierManager::GetInstance()->RegisterName(name, length, m_uCrc64);
}

void COvIdentifier::Set(const TOvString<char>& name) { Set(name.GetBuffer()); }

const char* COvIdentifier::DebugCString() const {
  const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(m_uCrc64);
  if (name) return name;
  LogMissingName(m_uCrc64);
  return "<empty>";
}

TOvString<char> COvIdentifier::DebugString() const {
  const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(m_uCrc64);
  if (name) return TOvString<char>(name);
  LogMissingName(m_uCrc64);
  char text[32];
  std::snprintf(text, sizeof(text), "CRC<%8.8X%8.8X>", static_cast<unsigned>(m_uCrc64 >> 32),
                static_cast<unsigned>(m_uCrc64 & 0xFFFFFFFFu));
  return TOvString<char>(text);
}

COvIdentifier COvIdentifier::Append(const char* suffix) const {
  if (!suffix) suffix = "";
  COvIdentifierManager* manager = COvIdentifierManager::GetInstance();
  COvIdentifier result;
  result.m_uCrc64 = CreateCrc64_ToLower(suffix, ovStrlen(suffix), m_uCrc64);
  const char* base = manager->FindNameForCrc64(m_uCrc64);
  TOvString<char> name(base ? base : "");
  name += suffix;
  manager->CheckCrc64ForUniqueness(name.GetBuffer(), false);
  result.m_pDebugName = manager->FindNameForCrc64(result.m_uCrc64);
  return result;
}

COvIdentifierHashTable::COvIdentifierHashTable() : m_ppSlots(new COvIdentifierHashEntry*[m_iSlotCount]()) {}

COvIdentifierHashTable::~COvIdentifierHashTable() {
  for (int i = 0; i < m_iSlotCount; ++i) delete m_ppSlots[i];
  delete[] m_ppSlots;
}

int COvIdentifierHashTable::ProbeSlot(uint64_t crc) const {
  const uint32_t mask = static_cast<uint32_t>(m_iSlotCount - 1);
  uint32_t slot = static_cast<uint32_t>(crc) & mask;
  while (m_ppSlots[slot] && m_ppSlots[slot]->GetCrc64() != crc) slot = (slot + 1) & mask;
  return static_cast<int>(slot);
}

void COvIdentifierHashTable::Grow() {
  COvIdentifierHashEntry** old = m_ppSlots;
  int oldCount = m_iSlotCount;
  ++m_iLog2;
  m_iSlotCount = 1 << m_iLog2;
  m_ppSlots = new COvIdentifierHashEntry*[m_iSlotCount]();
  for (int i = 0; i < oldCount; ++i) {
    if (old[i]) m_ppSlots[ProbeSlot(old[i]->GetCrc64())] = old[i];
  }
  delete[] old;
}

bool COvIdentifierHashTable::Insert(COvIdentifierHashEntry* entry) {
  if (!entry) return false;
  if (m_iEntryCount * 4 >= m_iSlotCount) Grow();
  int slot = ProbeSlot(entry->GetCrc64());
  if (m_ppSlots[slot]) return m_ppSlots[slot] == entry;
  m_ppSlots[slot] = entry;
  ++m_iEntryCount;
  return true;
}

const COvIdentifierHashEntry* COvIdentifierHashTable::Find(uint64_t crc) const {
  return m_ppSlots[ProbeSlot(crc)];
}

bool COvIdentifierHashTable::SaveHashFile(const char* path, bool swapEndian) const {
  if (!path) return false;
  size_t total = 4;
  for (int i = 0; i < m_iSlotCount; ++i) {
    if (m_ppSlots[i]) total += 12 + static_cast<size_t>(m_ppSlots[i]->GetName().GetLength());
  }
  if (total > static_cast<size_t>(INT32_MAX)) return false;
  std::vector<uint8_t> bytes(total);
  COvByteWriter writer(bytes.data(), static_cast<int>(total), swapEndian);
  writer.WriteU32(static_cast<uint32_t>(m_iEntryCount));
  for (int i = 0; i < m_iSlotCount; ++i) {
    const COvIdentifierHashEntry* entry = m_ppSlots[i];
    if (!entry) continue;
    int length = entry->GetName().GetLength();
    writer.WriteU32(static_cast<uint32_t>(length));
    writer.WriteBytes(entry->GetName().GetBuffer(), length);
    writer.WriteU64(entry->GetCrc64());
  }
  if (writer.HasFailed()) return false;
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool COvIdentifierHashTable::LoadHashFile(const char* path, bool swapEndian) {
  if (!path) return false;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  // Read as much as the file holds, whatever its header claims.
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(file);
  return LoadHashData(bytes.data(), bytes.size(), swapEndian);
}

bool COvIdentifierHashTable::LoadHashData(const void* data, size_t size, bool swapEndian) {
  if (!data || size > static_cast<size_t>(INT32_MAX)) return false;
  COvByteCursor cursor(data, static_cast<int>(size));
  uint32_t count = 0;
  if (!ReadU32(cursor, swapEndian, count)) return false;
  char name[MAX_FILE_NAME_LENGTH + 1];
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t length = 0;
    uint64_t crc = 0;
    if (!ReadU32(cursor, swapEndian, length) || length > MAX_FILE_NAME_LENGTH) return false;
    if (!cursor.ReadBytes(name, static_cast<int>(length)) || !ReadU64(cursor, swapEndian, crc)) return false;
    name[length] = 0;
    if (Find(crc)) continue;
    Insert(new COvIdentifierHashEntry(TOvString<char>(name, static_cast<int>(length)), crc));
  }
  return true;
}

struct COvIdentifierManager::RetiredNode {
  COvIdentifierHashTable* table;
  RetiredNode* next;
};

COvIdentifierManager* COvIdentifierManager::GetInstance() {
  static COvIdentifierManager* instance = new COvIdentifierManager;
  return instance;
}

COvIdentifierManager::~COvIdentifierManager() {
  delete m_pTable;
  while (m_pRetiredList) {
    RetiredNode* next = m_pRetiredList->next;
    delete m_pRetiredList->table;
    delete m_pRetiredList;
    m_pRetiredList = next;
  }
}

COvIdentifierHashTable& COvIdentifierManager::Table() {
  if (!m_pTable) m_pTable = new COvIdentifierHashTable;
  return *m_pTable;
}

const COvIdentifierHashTable& COvIdentifierManager::GetTable() { return Table(); }

const char* COvIdentifierManager::FindNameForCrc64(uint64_t crc) {
  const COvIdentifierHashEntry* entry = Table().Find(crc);
  return entry ? entry->GetName().GetBuffer() : nullptr;
}

const char* COvIdentifierManager::RegisterName(const char* name, int length, uint64_t crc) {
  COvIdentifierHashTable& table = Table();
  if (const COvIdentifierHashEntry* entry = table.Find(crc)) return entry->GetName().GetBuffer();
  TOvString<char> lowered(name, length);
  lowered.ToLower();
  COvIdentifierHashEntry* entry = new COvIdentifierHashEntry(lowered, crc);
  table.Insert(entry);
  return entry->GetName().GetBuffer();
}

void COvIdentifierManager::CheckCrc64ForUniqueness(const char* name, bool) {
  if (!name) name = "";
  int length = ovStrlen(name);
  RegisterName(name, length, CreateCrc64_ToLower(name, length, COvIdentifier::NULL_CRC64));
}

bool COvIdentifierManager::LoadHashFile(const char* path, bool swapEndian) {
  return Table().LoadHashFile(path, swapEndian);
}

bool COvIdentifierManager::SaveHashFile(const char* path, bool swapEndian) {
  return Table().SaveHashFile(path, swapEndian);
}

void COvIdentifierManager::Release() {
  if (!m_pTable) return;
  m_pRetiredList = new RetiredNode{m_pTable, m_pRetiredList};
  m_pTable = nullptr;
}
