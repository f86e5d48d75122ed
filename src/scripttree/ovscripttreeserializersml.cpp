// SML: script trees as compact binary files. Written into memory first and saved in one
// write; read through a bounds-checked memory reader.
#include "scripttree/ovscripttreeserializersml.h"

#include <climits>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "bigfile/ovmemfilereader.h"
#include "core/ovfile.h"
#include "core/ovstrfuncs.h"

namespace {

enum EValueType : uint32_t { kTypeU64 = 1, kTypeS32 = 2, kTypeF32 = 3, kTypeText = 4 };

// Smallest records: an attribute of unknown type (CRC and type) and a node (CRC, counts).
constexpr int kMinAttributeRecord = 12;
constexpr int kMinNodeRecord = 16;

class CSmlWriter {
 public:
  explicit CSmlWriter(bool swapEndian) : m_bSwap(swapEndian) {}

  void WriteTree(const COvScriptTreeNode& root) {
    struct Pending {
      const COvScriptTreeNode* node;
      int next;
    };
    std::vector<Pending> stack;
    WriteNode(root);
    stack.push_back({&root, 0});
    while (!stack.empty()) {
      Pending& top = stack.back();
      if (top.next == top.node->GetChildCount()) {
        stack.pop_back();
        continue;
      }
      const COvScriptTreeNode* child = top.node->GetChild(top.next++);
      if (!child) continue;
      WriteNode(*child);
      stack.push_back({child, 0});
    }
  }

  void WriteNameTable() {
    U32(static_cast<uint32_t>(m_aNames.size()));
    for (const COvIdentifier& id : m_aNames) {
      TOvString<char> name = id.DebugString();
      m_strOut.append(name.GetBuffer(), static_cast<size_t>(name.GetLength()) + 1);
    }
  }

  const std::string& GetBytes() const { return m_strOut; }

 private:
  void WriteNode(const COvScriptTreeNode& node) {
    int children = 0;
    for (int i = 0; i < node.GetChildCount(); ++i) children += node.GetChild(i) ? 1 : 0;
    U64(node.GetIdentifier().GetCrc64());
    U32(static_cast<uint32_t>(node.GetAttributeCount()));
    U32(static_cast<uint32_t>(children));
    Note(node.GetIdentifier());
    for (int i = 0; i < node.GetAttributeCount(); ++i) {
      const COvScriptTreeAttribute& attribute = node.GetAttribute(i);
      U64(attribute.GetIdentifier().GetCrc64());
      Note(attribute.GetIdentifier());
      const char* text = attribute.GetValue().GetBuffer();
      if (ovIsFloat(text)) {
        U32(kTypeF32);
        float value = ovStringToFloat(text);
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        U32(bits);
      } else if (ovIsInt(text)) {
        U32(kTypeS32);
        U32(static_cast<uint32_t>(ovStringToS32(text)));
      } else {
        U32(kTypeText);
        m_strOut.append(text, std::strlen(text) + 1);
      }
    }
  }

  void Note(const COvIdentifier& id) {
    if (m_aSeen.insert(id.GetCrc64()).second) m_aNames.push_back(id);
  }

  void Bytes(uint64_t value, int count) {
    char bytes[8];
    for (int i = 0; i < count; ++i) {
      int shift = 8 * (m_bSwap ? count - 1 - i : i);
      bytes[i] = static_cast<char>(value >> shift);
    }
    m_strOut.append(bytes, static_cast<size_t>(count));
  }
  void U32(uint32_t value) { Bytes(value, 4); }
  void U64(uint64_t value) { Bytes(value, 8); }

  bool m_bSwap;
  std::string m_strOut;
  std::vector<COvIdentifier> m_aNames;
  std::unordered_set<uint64_t> m_aSeen;
};

// Reads one attribute record and appends it to node (an unknown type adds nothing).
bool ReadAttribute(COvMemFileReader& reader, COvScriptTreeNode* node) {
  uint64_t crc = 0;
  uint32_t type = 0;
  if (!reader.ReadU64(crc) || !reader.ReadU32(type)) return false;
  COvIdentifier id(crc);
  switch (type) {
    case kTypeU64: {
      uint64_t value = 0;
      if (!reader.ReadU64(value)) return false;
      node->AddAttribute(COvScriptTreeAttribute(id, value));
      return true;
    }
    case kTypeS32: {
      int32_t value = 0;
      if (!reader.ReadS32(value)) return false;
      node->AddAttribute(COvScriptTreeAttribute(id, static_cast<int>(value)));
      return true;
    }
    case kTypeF32: {
      float value = 0;
      if (!reader.ReadF32(value)) return false;
      node->AddAttribute(COvScriptTreeAttribute(id, value));
      return true;
    }
    case kTypeText: {
      COvString text;
      if (!reader.ReadString(text)) return false;
      node->AddAttribute(COvScriptTreeAttribute(id, text));
      return true;
    }
    default:
      return true;
  }
}

// Reads a node's CRC, counts and attributes; children receives its child count. Counts that
// the remaining data cannot hold are damage.
bool ReadNode(COvMemFileReader& reader, COvScriptTreeNode* node, uint32_t& children) {
  uint64_t crc = 0;
  uint32_t attributes = 0;
  children = 0;
  if (!reader.ReadU64(crc) || !reader.ReadU32(attributes) || !reader.ReadU32(children)) return false;
  node->SetIdentifier(COvIdentifier(crc));
  if (attributes > static_cast<uint32_t>(reader.GetRemaining() / kMinAttributeRecord)) return false;
  node->ReserveAttributes(static_cast<int>(attributes));
  for (uint32_t i = 0; i < attributes; ++i) {
    if (!ReadAttribute(reader, node)) return false;
  }
  if (children > static_cast<uint32_t>(reader.GetRemaining() / kMinNodeRecord)) return false;
  node->ReserveChildren(static_cast<int>(children));
  return true;
}

bool ReadTree(COvMemFileReader& reader, COvScriptTreeNode* root) {
  struct Pending {
    COvScriptTreeNode* node;
    uint32_t childrenLeft;
  };
  std::vector<Pending> stack;
  uint32_t children = 0;
  if (!ReadNode(reader, root, children)) return false;
  stack.push_back({root, children});
  while (!stack.empty()) {
    if (stack.back().childrenLeft == 0) {
      stack.pop_back();
      continue;
    }
    --stack.back().childrenLeft;
    COvScriptTreeNode* child = new COvScriptTreeNode;
    stack.back().node->AddChild(child);
    if (!ReadNode(reader, child, children)) return false;
    stack.push_back({child, children});
  }
  return true;
}

bool ReadNameTable(COvMemFileReader& reader) {
  uint32_t count = 0;
  if (!reader.ReadU32(count) || count > static_cast<uint32_t>(reader.GetRemaining())) return false;
  for (uint32_t i = 0; i < count; ++i) {
    COvString name;
    if (!reader.ReadString(name)) return false;
    // Constructing the identifier registers the name.
    COvIdentifier registered(name);
  }
  return true;
}

}  // namespace

bool COvScriptTreeSerializerSML::Load(COvScriptTree& tree, const TOvString<char>& path) {
  COvFileHandle* handle = nullptr;
  if (COvFileSystemUnCached::Open(handle, path.GetBuffer(), eOvFileSystemOpenMode_ReadBinary, true) !=
      eOvFileSystemError_None)
    return false;
  bool result = LoadSmlFromFileHandle(tree, handle);
  COvFileSystemUnCached::Close(handle);
  return result;
}

bool COvScriptTreeSerializerSML::LoadSmlFromFileHandle(COvScriptTree& tree, COvFileHandle* handle) {
  if (!handle) return false;
  COvFile file(handle);
  int size = 0;
  uint8_t* data = file.ReadEntireFile(size);
  bool result = LoadSmlFromMemory(tree, data, size);
  delete[] data;
  return result;
}

bool COvScriptTreeSerializerSML::LoadSmlFromMemory(COvScriptTree& tree, const void* data, int size) {
  if (!data || size <= 0) return true;
  COvScriptTreeNode* root = tree.GetRootNode();
  if (!root) root = tree.CreateRootNode(COvIdentifier());
  COvMemFileReader reader(data, size);
  return ReadTree(reader, root) && ReadNameTable(reader);
}

bool COvScriptTreeSerializerSML::Save(COvScriptTree& tree, const TOvString<char>& path, bool swapEndian) {
  COvFile file;
  if (file.Open(path.GetBuffer(), eOvFileSystemOpenMode_WriteBinary, false) != eOvFileSystemError_None)
    return false;
  bool written = true;
  if (const COvScriptTreeNode* root = tree.GetRootNode()) {
    CSmlWriter writer(swapEndian);
    writer.WriteTree(*root);
    writer.WriteNameTable();
    const std::string& bytes = writer.GetBytes();
    written = bytes.size() <= static_cast<size_t>(INT_MAX) &&
              file.Write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
  }
  return file.Close() == eOvFileSystemError_None && written;
}
