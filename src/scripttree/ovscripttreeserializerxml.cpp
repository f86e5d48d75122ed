// XML serializer of the script tree: TinyXML reads the document, the tree is built from it
// without recursion, and the writer measures the whole text first and then writes it into
// one buffer of exactly that size.
#include "scripttree/ovscripttreeserializerxml.h"

#include <tinyxml.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/ovfile.h"
#include "core/ovfilesystem.h"
#include "core/ovidentifier.h"

namespace {

// Open modes "rb" and "wt" of the file layer, and its success code.
constexpr int kModeReadBinary = 1;
constexpr int kModeWriteText = 5;
constexpr int kFileSuccess = 0;

constexpr size_t kIndentLength = 4;

// The bytes that stop the scan of a tag: its end, a quote, or the end of the text.
struct TagStops {
  bool stop[256] = {};
  constexpr TagStops() {
    stop[0] = stop[static_cast<unsigned char>('>')] = true;
    stop[static_cast<unsigned char>('"')] = stop[static_cast<unsigned char>('\'')] = true;
  }
  constexpr bool operator[](unsigned char c) const { return stop[c]; }
};
constexpr TagStops kTagStop;

bool IsNameStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 127;
}

// Just past the first occurrence of terminator at or after p; null when there is none.
const char* SkipPast(const char* p, const char* terminator) {
  const char* found = std::strstr(p, terminator);
  return found ? found + std::strlen(terminator) : nullptr;
}

// True when the elements of text nest deeper than limit. The scan follows the way TinyXML
// splits a document (comments, CDATA sections, declarations and unknown tags hold no
// elements; quoted attribute values may hold '>') and errs towards counting too deep, so it
// never lets through a document that TinyXML would nest deeper. The library's string
// functions do the byte-wise work, so the scan costs little next to the parse.
bool NestsDeeperThan(const char* text, int limit) {
  int depth = 0;
  for (const char* p = std::strchr(text, '<'); p; p = std::strchr(p, '<')) {
    const char* next = p + 1;
    if (std::strncmp(next, "!--", 3) == 0) {
      p = SkipPast(next + 3, "-->");
    } else if (std::strncmp(next, "![CDATA[", 8) == 0) {
      p = SkipPast(next + 8, "]]>");
    } else if (*next == '/') {
      // An end tag closes the open element or stops TinyXML with an error; at the top level it
      // is an unknown tag.
      if (depth > 0) --depth;
      p = SkipPast(next, ">");
    } else if (IsNameStart(static_cast<unsigned char>(*next))) {
      // Up to the '>' that ends the tag, stepping over quoted values.
      const unsigned char* q = reinterpret_cast<const unsigned char*>(next);
      for (;;) {
        while (!kTagStop[*q]) ++q;
        if (*q != '"' && *q != '\'') break;
        q = reinterpret_cast<const unsigned char*>(std::strchr(reinterpret_cast<const char*>(q + 1), *q));
        if (!q) return false;
        ++q;
      }
      if (!*q) return false;
      if (q[-1] != '/' && ++depth > limit) return true;
      p = reinterpret_cast<const char*>(q + 1);
    } else {
      // Declarations, "<!" and other unknown tags run to the next '>'.
      p = SkipPast(next, ">");
    }
    if (!p) break;
  }
  return false;
}

bool IsEntityReference(const char* p) {
  // p points at '&'.
  static const char* const kEntities[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
  for (const char* entity : kEntities) {
    if (std::strncmp(p, entity, std::strlen(entity)) == 0) return true;
  }
  if (p[1] != '#') return false;
  const char* q = p + 2;
  bool hex = *q == 'x';
  if (hex) ++q;
  const char* digits = q;
  while (hex ? std::isxdigit(static_cast<unsigned char>(*q)) : (*q >= '0' && *q <= '9')) ++q;
  return q > digits && *q == ';';
}

// The writer runs twice over the tree: first into a CountingSink to learn the exact size,
// then into a BufferSink over a buffer of that size. The output is thus built without any
// reallocation or copy, whatever its size.
class CountingSink {
 public:
  void Append(const char* /*text*/, size_t length) { m_uSize += length; }
  void Append(char) { ++m_uSize; }
  size_t GetSize() const { return m_uSize; }

 private:
  size_t m_uSize = 0;
};

class BufferSink {
 public:
  explicit BufferSink(char* buffer) : m_pWrite(buffer) {}
  void Append(const char* text, size_t length) {
    std::memcpy(m_pWrite, text, length);
    m_pWrite += length;
  }
  void Append(char c) { *m_pWrite++ = c; }

 private:
  char* m_pWrite;
};

template <typename Sink>
void AppendText(Sink& out, const char* text) {
  out.Append(text, std::strlen(text));
}

// Appends text with '<', '>' and '"' as entities and each '&' that starts no entity or
// character reference as "&amp;".
template <typename Sink>
void AppendEscaped(Sink& out, const char* text) {
  const char* run = text;
  const char* p = text;
  for (;; ++p) {
    p += std::strcspn(p, "<>\"&");
    if (!*p) break;
    const char* entity = nullptr;
    switch (*p) {
      case '<':
        entity = "&lt;";
        break;
      case '>':
        entity = "&gt;";
        break;
      case '"':
        entity = "&quot;";
        break;
      default:
        if (!IsEntityReference(p)) entity = "&amp;";
        break;
    }
    if (!entity) continue;
    out.Append(run, static_cast<size_t>(p - run));
    AppendText(out, entity);
    run = p + 1;
  }
  out.Append(run, static_cast<size_t>(p - run));
}

// The names written for identifiers: the registered (lower-case) name, or DebugString's
// fallback form when none is registered. DebugString logs a warning on every call, so names
// are looked up once per written node or attribute, while measuring, and replayed in the same
// order while writing (both passes walk the tree alike), which also keeps the two passes'
// texts identical.
class NameSource {
 public:
  void StartReplay() { m_uNext = 0; }
  // The returned text stays valid for the whole dump.
  const char* Get(const COvIdentifier& id) {
    if (m_uNext < m_aNames.size()) return m_aNames[m_uNext++];
    const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(id.GetCrc64());
    if (!name) {
      m_aFallbacks.push_back(id.DebugString());
      name = m_aFallbacks.back().GetBuffer();
    }
    m_aNames.push_back(name);
    ++m_uNext;
    return name;
  }

 private:
  std::vector<const char*> m_aNames;
  // A deque never moves its elements, so the texts that m_aNames points into stay put.
  std::deque<TOvString<char>> m_aFallbacks;
  size_t m_uNext = 0;
};

bool IsRepeatedAttribute(const COvScriptTreeNode& node, int index) {
  for (int i = 0; i < index; ++i) {
    if (node.GetAttribute(i).GetIdentifier() == node.GetAttribute(index).GetIdentifier()) return true;
  }
  return false;
}

// Four blanks per level, copied from one run of blanks grown on demand.
class Indentation {
 public:
  template <typename Sink>
  void Append(Sink& out, size_t depth) {
    size_t length = depth * kIndentLength;
    if (m_strBlanks.size() < length) m_strBlanks.resize(length, ' ');
    out.Append(m_strBlanks.data(), length);
  }

 private:
  std::string m_strBlanks;
};

// Writes node and its subtree starting at depth. Text nodes (null identifier) are written as
// their escaped text; every other node as an element with its attributes.
template <typename Sink>
void DumpSubtree(const COvScriptTreeNode* root, size_t depth, NameSource& names, Sink& out) {
  Indentation indent;
  // A node whose head is written, the index of its next child and its name for the end tag.
  struct OpenElement {
    const COvScriptTreeNode* node;
    int next;
    const char* name;
  };
  std::vector<OpenElement> open;
  const COvScriptTreeNode* node = root;
  for (;;) {
    if (node) {
      size_t level = depth + open.size();
      if (node->GetIdentifier().IsNull()) {
        if (!node->GetText().IsEmpty()) {
          indent.Append(out, level);
          AppendEscaped(out, node->GetText().GetBuffer());
          out.Append('\n');
        }
      } else {
        indent.Append(out, level);
        out.Append('<');
        const char* name = names.Get(node->GetIdentifier());
        AppendText(out, name);
        for (int i = 0; i < node->GetAttributeCount(); ++i) {
          const COvScriptTreeAttribute& attribute = node->GetAttribute(i);
          // Names that differ only in case are one name once written: a repeat would make the
          // file unreadable, and readers only ever take the first.
          if (IsRepeatedAttribute(*node, i)) continue;
          out.Append(' ');
          AppendText(out, names.Get(attribute.GetIdentifier()));
          out.Append("=\"", 2);
          AppendEscaped(out, attribute.GetValue().GetBuffer());
          out.Append('"');
        }
        if (node->GetChildCount() > 0) {
          out.Append(">\n", 2);
          open.push_back({node, 0, name});
        } else {
          out.Append("/>\n", 3);
        }
      }
    }
    // Next: the next child of the innermost open element, closing the finished ones.
    node = nullptr;
    while (!open.empty()) {
      auto& [parent, next, parentName] = open.back();
      if (next < parent->GetChildCount()) {
        node = parent->GetChild(next++);
        break;
      }
      indent.Append(out, depth + open.size() - 1);
      out.Append("</", 2);
      AppendText(out, parentName);
      out.Append(">\n", 2);
      open.pop_back();
    }
    if (open.empty() && !node) return;
  }
}

// Identifiers of the names met while reading one document. A document repeats a few names
// many times; a hit here saves hashing the name and looking it up in the registry (which
// would give the same identifier: the name is registered on its first use).
class NameCache {
 public:
  const COvIdentifier& Get(const TIXML_STRING& name) {
    size_t length = name.length();
    const char* text = name.c_str();
    size_t hash = length;
    if (length) hash = hash * 31 + static_cast<unsigned char>(text[0]) * 7 + static_cast<unsigned char>(text[length - 1]);
    Slot& slot = m_aSlots[hash % kSlotCount];
    if (!slot.used || slot.name.length() != length || std::memcmp(slot.name.data(), text, length) != 0) {
      slot.name.assign(text, length);
      slot.id = COvIdentifier(text);
      slot.used = true;
    }
    return slot.id;
  }

 private:
  static constexpr size_t kSlotCount = 61;
  struct Slot {
    std::string name;
    COvIdentifier id;
    bool used = false;
  };
  Slot m_aSlots[kSlotCount];
};

// Fills node from xmlNode and its descendants without recursion. With release, every XML
// node below xmlNode that has no children left once converted is deleted from the document
// on the spot: the tree's allocations then reuse the memory just freed, and the document
// never has to be held whole next to the finished tree.
void BuildFromXml(TiXmlNode* xmlNode, COvScriptTreeNode* node, bool release) {
  if (!xmlNode || !node) return;
  std::vector<std::pair<TiXmlNode*, COvScriptTreeNode*>> pending;
  pending.emplace_back(xmlNode, node);
  // Scratch lists, reused for every node: each list of the document is walked once, and the
  // node's storage is sized from the count before anything is added.
  std::vector<const TiXmlAttribute*> attributes;
  std::vector<TiXmlNode*> children;
  NameCache names;
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    switch (from->Type()) {
      case TiXmlNode::TINYXML_ELEMENT:
        to->SetIdentifier(names.Get(from->ValueTStr()));
        attributes.clear();
        for (const TiXmlAttribute* attribute = from->ToElement()->FirstAttribute(); attribute;
             attribute = attribute->Next()) {
          attributes.push_back(attribute);
        }
        to->ReserveAttributes(static_cast<int>(attributes.size()));
        for (const TiXmlAttribute* attribute : attributes) {
          COvScriptTreeAttribute& added = to->AddAttribute(names.Get(attribute->NameTStr()));
          added.GetValue() = attribute->Value();
          added.SetType(COvScriptTreeAttribute::eTypeString);
        }
        break;
      case TiXmlNode::TINYXML_TEXT:
        to->SetIdentifier(COvIdentifier());
        to->SetText(from->Value());
        break;
      default:
        to->SetIdentifier(COvIdentifier(from->Value()));
        break;
    }
    children.clear();
    for (TiXmlNode* child = from->FirstChild(); child; child = child->NextSibling()) {
      if (child->Type() != TiXmlNode::TINYXML_COMMENT) children.push_back(child);
    }
    // Children are appended in document order now and filled when popped. They are pushed
    // last first, so the document is visited in its own order, which is also the order in
    // which TinyXML allocated it: the walk then reads memory mostly forwards.
    to->ReserveChildren(static_cast<int>(children.size()));
    size_t first = pending.size();
    for (TiXmlNode* child : children) {
      COvScriptTreeNode* copy = new COvScriptTreeNode();
      to->AddChild(copy);
      pending.emplace_back(child, copy);
    }
    std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
    if (release && from != xmlNode && !from->FirstChild() && from->Parent()) from->Parent()->RemoveChild(from);
  }
}

}  // namespace

bool COvScriptTreeSerializerXML::Load(COvScriptTree& tree, const TOvString<char>& path) {
  COvFileHandle* handle = nullptr;
  if (COvFileSystemUnCached::Open(handle, path.GetBuffer(), kModeReadBinary, true) != kFileSuccess) return false;
  bool result = LoadXmlFromFileHandle(tree, handle);
  COvFileSystemUnCached::Close(handle);
  return result;
}

bool COvScriptTreeSerializerXML::LoadXmlFromFileHandle(COvScriptTree& tree, COvFileHandle* handle) {
  COvFile file(handle);
  int size = file.GetSize();
  if (size <= 0) return false;
  // Resize gives a zero-filled buffer with room for the terminator; the text ends at the
  // first 0 byte of the file, if any.
  TOvString<char> text;
  text.Resize(size);
  if (file.Read(text.GetRawBuffer(), size) < size) return false;
  return Parse(tree, text);
}

bool COvScriptTreeSerializerXML::Parse(COvScriptTree& tree, const TOvString<char>& text) {
  tree.Empty();
  const char* buffer = text.GetBuffer();
  if (NestsDeeperThan(buffer, kMaxElementDepth)) return false;
  TiXmlDocument document;
  // No error positions are reported, so TinyXML need not track rows and columns (a notable
  // part of its parse time).
  document.SetTabSize(0);
  document.Parse(buffer, nullptr, TIXML_ENCODING_UNKNOWN);
  if (document.Error()) return false;
  TiXmlElement* rootElement = document.RootElement();
  if (!rootElement) return false;
  COvScriptTreeNode* root = new COvScriptTreeNode();
  tree.SetRootNode(root);
  // The document is ours: it is taken apart while the tree is built.
  BuildFromXml(rootElement, root, true);
  return true;
}

bool COvScriptTreeSerializerXML::Save(COvScriptTree& tree, const TOvString<char>& path) {
  COvFile file;
  if (file.Open(path.GetBuffer(), kModeWriteText, false) != kFileSuccess) return false;
  TOvString<char> out;
  if (!Dump(tree, out)) {
    file.Close();
    return false;
  }
  int length = out.GetLength();
  if (length > 0 && file.Write(out.GetBuffer(), length) != length) {
    file.Close();
    return false;
  }
  return file.Close() == kFileSuccess;
}

bool COvScriptTreeSerializerXML::Dump(COvScriptTree& tree, TOvString<char>& out) {
  COvScriptTreeNode* root = tree.GetRootNode();
  if (!root) return false;
  out.Clear();
  return RecursiveDump(root, out, 0);
}

void COvScriptTreeSerializerXML::ParseTiXmlNode(TiXmlNode* xmlNode, COvScriptTreeNode* node) {
  BuildFromXml(xmlNode, node, false);
}

bool COvScriptTreeSerializerXML::RecursiveDump(COvScriptTreeNode* node, TOvString<char>& out, int depth) {
  if (!node) return false;
  size_t level = depth > 0 ? static_cast<size_t>(depth) : 0;
  CountingSink counter;
  NameSource names;
  DumpSubtree(node, level, names, counter);
  size_t before = static_cast<size_t>(out.GetLength());
  size_t total = before + counter.GetSize();
  // TOvString measures in int; a text of 2 GB or more cannot be held.
  if (total > static_cast<size_t>(std::numeric_limits<int>::max())) return false;
  if (counter.GetSize() == 0) return true;
  // Resize keeps the text already there and zero-fills the rest, so the result stays
  // terminated while it is written.
  out.Resize(static_cast<int>(total));
  BufferSink writer(out.GetRawBuffer() + before);
  names.StartReplay();
  DumpSubtree(node, level, names, writer);
  return true;
}
