// XML serializer of the script tree: TinyXML reads the document, the tree is built from it
// without recursion, and the writer builds the whole text in one growing buffer.
#include "scripttree/ovscripttreeserializerxml.h"

#include <tinyxml.h>

#include <cctype>
#include <cstring>
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

constexpr const char kIndent[] = "    ";
constexpr size_t kIndentLength = sizeof(kIndent) - 1;

// Moves p past the first occurrence of terminator (or to end when there is none).
const char* SkipPast(const char* p, const char* end, const char* terminator) {
  size_t length = std::strlen(terminator);
  for (; p < end; ++p) {
    p = static_cast<const char*>(std::memchr(p, terminator[0], static_cast<size_t>(end - p)));
    if (!p) return end;
    if (static_cast<size_t>(end - p) >= length && std::memcmp(p, terminator, length) == 0) return p + length;
  }
  return end;
}

bool IsNameStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 127;
}

// True when the elements of text nest deeper than limit. The scan follows the way TinyXML
// splits a document (comments, CDATA sections, declarations and unknown tags hold no
// elements; quoted attribute values may hold '>') and errs towards counting too deep, so it
// never lets through a document that TinyXML would nest deeper.
bool NestsDeeperThan(const char* text, size_t length, int limit) {
  const char* p = text;
  const char* end = text + length;
  int depth = 0;
  while (p < end) {
    p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p)));
    if (!p) break;
    const char* next = p + 1;
    size_t rest = static_cast<size_t>(end - next);
    if (rest >= 3 && std::memcmp(next, "!--", 3) == 0) {
      p = SkipPast(next + 3, end, "-->");
    } else if (rest >= 8 && std::memcmp(next, "![CDATA[", 8) == 0) {
      p = SkipPast(next + 8, end, "]]>");
    } else if (next < end && *next == '/') {
      // An end tag closes the open element or stops TinyXML with an error; at the top level it
      // is an unknown tag.
      if (depth > 0) --depth;
      p = SkipPast(next, end, ">");
    } else if (next < end && IsNameStart(static_cast<unsigned char>(*next))) {
      const char* q = next;
      char quote = 0;
      bool closed = false;
      for (; q < end; ++q) {
        char c = *q;
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          closed = true;
          break;
        }
      }
      if (!closed) break;
      if (q[-1] != '/' && ++depth > limit) return true;
      p = q + 1;
    } else {
      // Declarations, "<!" and other unknown tags run to the next '>'.
      p = SkipPast(next, end, ">");
    }
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

// Appends text with '<', '>' and '"' as entities and each '&' that starts no entity or
// character reference as "&amp;".
void AppendEscaped(std::string& out, const char* text) {
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
    out.append(run, static_cast<size_t>(p - run));
    out.append(entity);
    run = p + 1;
  }
  out.append(run, static_cast<size_t>(p - run));
}

// The name written for an identifier: its registered (lower-case) name, or DebugString's
// fallback form when none is registered.
void AppendName(std::string& out, const COvIdentifier& id) {
  const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(id.GetCrc64());
  if (name) {
    out.append(name);
  } else {
    out.append(id.DebugString().GetBuffer());
  }
}

void AppendIndent(std::string& out, size_t depth) {
  for (size_t i = 0; i < depth; ++i) out.append(kIndent, kIndentLength);
}

// Writes node and its subtree starting at depth. Text nodes (null identifier) are written as
// their escaped text; every other node as an element with its attributes.
void DumpSubtree(const COvScriptTreeNode* root, size_t depth, std::string& out) {
  // Each entry is a node whose head is written and the index of its next child.
  std::vector<std::pair<const COvScriptTreeNode*, int>> open;
  const COvScriptTreeNode* node = root;
  for (;;) {
    if (node) {
      size_t level = depth + open.size();
      if (node->GetIdentifier().IsNull()) {
        if (!node->GetText().IsEmpty()) {
          AppendIndent(out, level);
          AppendEscaped(out, node->GetText().GetBuffer());
          out.push_back('\n');
        }
      } else {
        AppendIndent(out, level);
        out.push_back('<');
        AppendName(out, node->GetIdentifier());
        for (int i = 0; i < node->GetAttributeCount(); ++i) {
          const COvScriptTreeAttribute& attribute = node->GetAttribute(i);
          out.push_back(' ');
          AppendName(out, attribute.GetIdentifier());
          out.append("=\"");
          AppendEscaped(out, attribute.GetValue().GetBuffer());
          out.push_back('"');
        }
        if (node->GetChildCount() > 0) {
          out.append(">\n");
          open.emplace_back(node, 0);
        } else {
          out.append("/>\n");
        }
      }
    }
    // Next: the next child of the innermost open element, closing the finished ones.
    node = nullptr;
    while (!open.empty()) {
      auto& [parent, next] = open.back();
      if (next < parent->GetChildCount()) {
        node = parent->GetChild(next++);
        break;
      }
      AppendIndent(out, depth + open.size() - 1);
      out.append("</");
      AppendName(out, parent->GetIdentifier());
      out.append(">\n");
      open.pop_back();
    }
    if (open.empty() && !node) return;
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
  if (NestsDeeperThan(buffer, std::strlen(buffer), kMaxElementDepth)) return false;
  TiXmlDocument document;
  document.Parse(buffer, nullptr, TIXML_ENCODING_UNKNOWN);
  if (document.Error()) return false;
  TiXmlElement* rootElement = document.RootElement();
  if (!rootElement) return false;
  COvScriptTreeNode* root = new COvScriptTreeNode();
  tree.SetRootNode(root);
  ParseTiXmlNode(rootElement, root);
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
  if (!xmlNode || !node) return;
  std::vector<std::pair<const TiXmlNode*, COvScriptTreeNode*>> pending;
  pending.emplace_back(xmlNode, node);
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    switch (from->Type()) {
      case TiXmlNode::TINYXML_ELEMENT:
        to->SetIdentifier(COvIdentifier(from->Value()));
        for (const TiXmlAttribute* attribute = from->ToElement()->FirstAttribute(); attribute;
             attribute = attribute->Next()) {
          to->AddAttribute(COvScriptTreeAttribute(COvIdentifier(attribute->Name()), attribute->Value()));
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
    // Children are appended in document order now and filled when popped.
    for (const TiXmlNode* child = from->FirstChild(); child; child = child->NextSibling()) {
      if (child->Type() == TiXmlNode::TINYXML_COMMENT) continue;
      COvScriptTreeNode* copy = new COvScriptTreeNode();
      to->AddChild(copy);
      pending.emplace_back(child, copy);
    }
  }
}

bool COvScriptTreeSerializerXML::RecursiveDump(COvScriptTreeNode* node, TOvString<char>& out, int depth) {
  if (!node) return false;
  std::string text;
  DumpSubtree(node, depth > 0 ? static_cast<size_t>(depth) : 0, text);
  out.Append(text.data(), static_cast<int>(text.size()));
  return true;
}
