// Script-tree node: attribute access, typed getters, child management and the subtree walks
// (copy, comparison, deletion, search), all iterative.
#include "scripttree/ovscripttreenode.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "core/ovcrc.h"

namespace {

bool IsTrueText(const TOvString<char>& text) {
  return ovStrcmp(text.GetBuffer(), "1") == 0 || ovStrcmp(text.GetBuffer(), "true") == 0;
}

// The key of a candidate child in the searches by attribute value: the CRC of the identifier
// of its first attribute's text (the empty text when the attribute is missing). Computed
// without building an identifier, so searching registers no names.
uint64_t AttributeValueCrc(const COvScriptTreeNode& child, const COvIdentifier& attributeId) {
  const COvScriptTreeAttribute* attribute = child.FindAttribute(attributeId);
  if (!attribute) return COvIdentifier::NULL_CRC64;
  const TOvString<char>& text = attribute->GetValue();
  return CreateCrc64_ToLower(text.GetBuffer(), text.GetLength(), COvIdentifier::NULL_CRC64);
}

bool MatchesAttributeValue(const COvScriptTreeNode& child, const COvIdentifier& attributeId,
                           const COvIdentifier& valueId) {
  return AttributeValueCrc(child, attributeId) == valueId.GetCrc64();
}

// Reads count floats (2 to 4) from the attribute's text with "%f" conversions, which skip
// any whitespace between them. False when the attribute is missing or fewer numbers convert.
bool ScanFloats(const COvScriptTreeAttribute* attribute, float (&v)[4], int count) {
  if (!attribute) return false;
  static const char* const kFormats[] = {"", "%f", "%f%f", "%f%f%f", "%f%f%f%f"};
  return std::sscanf(attribute->GetValue().GetBuffer(), kFormats[count], &v[0], &v[1], &v[2], &v[3]) == count;
}

// Everything of a node but its children.
bool SameContent(const COvScriptTreeNode& a, const COvScriptTreeNode& b) {
  if (a.GetIdentifier() != b.GetIdentifier()) return false;
  if (a.GetAttributeCount() != b.GetAttributeCount()) return false;
  for (int i = 0; i < a.GetAttributeCount(); ++i) {
    if (a.GetAttribute(i) != b.GetAttribute(i)) return false;
  }
  if (ovStrcmp(a.GetText().GetBuffer(), b.GetText().GetBuffer()) != 0) return false;
  return a.GetChildCount() == b.GetChildCount();
}

}  // namespace

COvScriptTreeNode::COvScriptTreeNode(const COvScriptTreeNode& other) { Copy(&other); }

COvScriptTreeNode& COvScriptTreeNode::operator=(const COvScriptTreeNode& source) {
  if (this == &source) return *this;
  // Cloning first keeps source alive even when it is one of the children deleted below.
  COvScriptTreeNode* clone = CloneSubtree(source);
  Empty();
  Adopt(clone);
  return *this;
}

bool COvScriptTreeNode::operator==(const COvScriptTreeNode& other) const {
  std::vector<std::pair<const COvScriptTreeNode*, const COvScriptTreeNode*>> pending;
  pending.emplace_back(this, &other);
  while (!pending.empty()) {
    auto [a, b] = pending.back();
    pending.pop_back();
    if (a == b) continue;
    if (!a || !b) return false;
    if (!SameContent(*a, *b)) return false;
    for (int i = a->GetChildCount() - 1; i >= 0; --i) pending.emplace_back(a->GetChild(i), b->GetChild(i));
  }
  return true;
}

void COvScriptTreeNode::AddAttribute(COvScriptTreeAttribute&& attribute) {
  // Add copies; an empty slot is cheap to copy and then receives the moved attribute.
  m_aAttributes.Add(COvScriptTreeAttribute());
  m_aAttributes[m_aAttributes.GetCount() - 1] = std::move(attribute);
}

COvScriptTreeAttribute& COvScriptTreeNode::AddAttribute(const COvIdentifier& id) {
  m_aAttributes.Add(COvScriptTreeAttribute());
  COvScriptTreeAttribute& added = m_aAttributes[m_aAttributes.GetCount() - 1];
  added.SetIdentifier(id);
  return added;
}

void COvScriptTreeNode::ReserveAttributes(int count) {
  if (count > 0 && m_aAttributes.GetCapacity() == 0) m_aAttributes = COvArray<COvScriptTreeAttribute>(count);
}

void COvScriptTreeNode::ReserveChildren(int count) {
  if (count > 0 && m_aChildren.GetCapacity() == 0) m_aChildren = COvArray<COvScriptTreeNode*>(count);
}

void COvScriptTreeNode::RemoveAttribute(const COvScriptTreeAttribute& attribute) {
  for (int i = 0; i < m_aAttributes.GetCount(); ++i) {
    if (m_aAttributes[i] == attribute) {
      m_aAttributes.RemoveAt(i);
      return;
    }
  }
}

COvScriptTreeAttribute* COvScriptTreeNode::FindAttribute(const COvIdentifier& id) {
  for (COvScriptTreeAttribute& attribute : m_aAttributes) {
    if (attribute.GetIdentifier() == id) return &attribute;
  }
  return nullptr;
}

const COvScriptTreeAttribute* COvScriptTreeNode::FindAttribute(const COvIdentifier& id) const {
  for (const COvScriptTreeAttribute& attribute : m_aAttributes) {
    if (attribute.GetIdentifier() == id) return &attribute;
  }
  return nullptr;
}

const TOvString<char>& COvScriptTreeNode::GetAttributeValueAsString(const COvIdentifier& id) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  return attribute ? attribute->GetValue() : TOvString<char>::STR_EMPTY;
}

bool COvScriptTreeNode::GetAttributeValueAsString(const COvIdentifier& id, TOvString<char>& out) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  if (!attribute) return false;
  out = attribute->GetValue();
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsWString(const COvIdentifier& id, TOvString<wchar_t>& out) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  if (!attribute) return false;
  out = attribute->GetWValue();
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsBool(const COvIdentifier& id) const {
  return GetAttributeValueAsBoolDefault(id, false);
}

bool COvScriptTreeNode::GetAttributeValueAsBoolDefault(const COvIdentifier& id, bool def) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  return attribute ? IsTrueText(attribute->GetValue()) : def;
}

bool COvScriptTreeNode::GetAttributeValueAsBool(const COvIdentifier& id, bool& out) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  if (!attribute) return false;
  out = IsTrueText(attribute->GetValue());
  return true;
}

int COvScriptTreeNode::GetAttributeValueAsInt(const COvIdentifier& id) const {
  return GetAttributeValueAsIntDefault(id, 0);
}

int COvScriptTreeNode::GetAttributeValueAsIntDefault(const COvIdentifier& id, int def) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  return attribute ? ovStringToS32(attribute->GetValue().GetBuffer()) : def;
}

bool COvScriptTreeNode::GetAttributeValueAsInt(const COvIdentifier& id, int& out) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  if (!attribute) return false;
  int value = 0;
  if (std::sscanf(attribute->GetValue().GetBuffer(), "%d", &value) != 1) return false;
  out = value;
  return true;
}

float COvScriptTreeNode::GetAttributeValueAsFloat(const COvIdentifier& id) const {
  return GetAttributeValueAsFloatDefault(id, 0.0f);
}

float COvScriptTreeNode::GetAttributeValueAsFloatDefault(const COvIdentifier& id, float def) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  return attribute ? ovStringToFloat(attribute->GetValue().GetBuffer()) : def;
}

bool COvScriptTreeNode::GetAttributeValueAsFloat(const COvIdentifier& id, float& out) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  if (!attribute) return false;
  float value = 0.0f;
  if (std::sscanf(attribute->GetValue().GetBuffer(), "%f", &value) != 1) return false;
  out = value;
  return true;
}

uint64_t COvScriptTreeNode::GetAttributeValueAsU64(const COvIdentifier& id) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  return attribute ? static_cast<uint64_t>(ovStringToS64(attribute->GetValue().GetBuffer())) : 0;
}

bool COvScriptTreeNode::GetAttributeValueAsU64(const COvIdentifier& id, uint64_t& out) const {
  const COvScriptTreeAttribute* attribute = FindAttribute(id);
  if (!attribute) return false;
  out = static_cast<uint64_t>(ovStringToS64(attribute->GetValue().GetBuffer()));
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsVector2(const COvIdentifier& id, COvVector2& out) const {
  float v[4];
  if (!ScanFloats(FindAttribute(id), v, 2)) return false;
  out.x = v[0];
  out.y = v[1];
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsVector3(const COvIdentifier& id, COvVector3& out) const {
  float v[4];
  if (!ScanFloats(FindAttribute(id), v, 3)) return false;
  out.x = v[0];
  out.y = v[1];
  out.z = v[2];
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsColor(const COvIdentifier& id, COvRGB<float>& out) const {
  float v[4];
  if (!ScanFloats(FindAttribute(id), v, 3)) return false;
  out.r = v[0];
  out.g = v[1];
  out.b = v[2];
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsColor(const COvIdentifier& id, COvRGBA<float>& out) const {
  float v[4];
  if (!ScanFloats(FindAttribute(id), v, 4)) return false;
  out.r = v[0];
  out.g = v[1];
  out.b = v[2];
  out.a = v[3];
  return true;
}

bool COvScriptTreeNode::GetAttributeValueAsQuaternion(const COvIdentifier& id, COvQuaternion& out) const {
  float v[4];
  if (!ScanFloats(FindAttribute(id), v, 4)) return false;
  out.x = v[0];
  out.y = v[1];
  out.z = v[2];
  out.w = v[3];
  return true;
}

COvScriptTreeNode* COvScriptTreeNode::AddChild(const COvIdentifier& id, const COvRGB<float>& color) {
  static const COvIdentifier red("red"), green("green"), blue("blue");
  COvScriptTreeNode* child = new COvScriptTreeNode(id);
  child->AddAttribute(COvScriptTreeAttribute(red, color.r));
  child->AddAttribute(COvScriptTreeAttribute(green, color.g));
  child->AddAttribute(COvScriptTreeAttribute(blue, color.b));
  m_aChildren.Add(child);
  return child;
}

void COvScriptTreeNode::AddChildrenArray(const COvArray<COvScriptTreeNode*>& children) {
  // Read the count first: children may be this node's own array.
  int count = children.GetCount();
  for (int i = 0; i < count; ++i) m_aChildren.Add(children[i]);
}

void COvScriptTreeNode::RemoveChild(COvScriptTreeNode* child) {
  int index = m_aChildren.Find(child);
  if (index >= 0) m_aChildren.RemoveAt(index);
}

void COvScriptTreeNode::RemoveChildrenById(const COvIdentifier& id) {
  int kept = 0;
  for (int i = 0; i < m_aChildren.GetCount(); ++i) {
    COvScriptTreeNode* child = m_aChildren[i];
    if (child && child->GetIdentifier() == id) continue;
    m_aChildren[kept++] = child;
  }
  m_aChildren.SetCount(kept);
}

COvScriptTreeNode* COvScriptTreeNode::FindChild(const COvIdentifier& id) const {
  for (COvScriptTreeNode* child : m_aChildren) {
    if (child && child->GetIdentifier() == id) return child;
  }
  return nullptr;
}

int COvScriptTreeNode::GetChildrenCountById(const COvIdentifier& id) const {
  int count = 0;
  for (const COvScriptTreeNode* child : m_aChildren) {
    if (child && child->GetIdentifier() == id) ++count;
  }
  return count;
}

void COvScriptTreeNode::GetChildrenByIdArray(const COvIdentifier& id, COvArray<COvScriptTreeNode*>& children) const {
  children.SetCount(0);
  for (COvScriptTreeNode* child : m_aChildren) {
    if (child && child->GetIdentifier() == id) children.Add(child);
  }
}

void COvScriptTreeNode::GetChildrenByIdArray(const COvIdentifier& id,
                                             COvArray<const COvScriptTreeNode*>& children) const {
  children.SetCount(0);
  for (const COvScriptTreeNode* child : m_aChildren) {
    if (child && child->GetIdentifier() == id) children.Add(child);
  }
}

COvScriptTreeNode* COvScriptTreeNode::FindChildByAttribute(const COvIdentifier& attributeId,
                                                           const COvIdentifier& valueId) const {
  return FindChildByAttribute(attributeId, valueId, false);
}

COvScriptTreeNode* COvScriptTreeNode::FindChildByAttribute(const COvIdentifier& attributeId,
                                                           const COvIdentifier& valueId, bool recursive) const {
  // Pre-order: a child is tested, then (when recursive) its subtree, then its next sibling.
  std::vector<std::pair<const COvScriptTreeNode*, int>> pending;
  pending.emplace_back(this, 0);
  while (!pending.empty()) {
    auto& [parent, next] = pending.back();
    if (next >= parent->GetChildCount()) {
      pending.pop_back();
      continue;
    }
    COvScriptTreeNode* child = parent->GetChild(next++);
    if (!child) continue;
    if (MatchesAttributeValue(*child, attributeId, valueId)) return child;
    if (recursive && child->GetChildCount() > 0) pending.emplace_back(child, 0);
  }
  return nullptr;
}

COvScriptTreeNode* COvScriptTreeNode::FindChildByIdAndAttributeValue(const COvIdentifier& childId,
                                                                     const COvIdentifier& attributeId,
                                                                     const COvIdentifier& valueId) {
  for (COvScriptTreeNode* child : m_aChildren) {
    if (child && child->GetIdentifier() == childId && MatchesAttributeValue(*child, attributeId, valueId)) return child;
  }
  return nullptr;
}

const COvScriptTreeNode* COvScriptTreeNode::FindChildByIdAndAttributeValue(const COvIdentifier& childId,
                                                                           const COvIdentifier& attributeId,
                                                                           const COvIdentifier& valueId) const {
  return const_cast<COvScriptTreeNode*>(this)->FindChildByIdAndAttributeValue(childId, attributeId, valueId);
}

void COvScriptTreeNode::Copy(const COvScriptTreeNode* source) {
  if (!source) return;
  // The clone is complete before this node changes, so source may be this node or lie below.
  Adopt(CloneSubtree(*source));
}

void COvScriptTreeNode::Empty() {
  for (COvScriptTreeNode* child : m_aChildren) DeleteSubtree(child);
  m_aChildren.SetCount(0);
}

void COvScriptTreeNode::DeleteSubtree(COvScriptTreeNode* node) {
  if (!node) return;
  std::vector<COvScriptTreeNode*> pending{node};
  while (!pending.empty()) {
    COvScriptTreeNode* current = pending.back();
    pending.pop_back();
    // Last child first, so nodes go in the order they were made (mostly ascending memory).
    for (int i = current->m_aChildren.GetCount() - 1; i >= 0; --i) {
      if (current->m_aChildren[i]) pending.push_back(current->m_aChildren[i]);
    }
    delete current;
  }
}

COvScriptTreeNode* COvScriptTreeNode::CloneSubtree(const COvScriptTreeNode& source) {
  COvScriptTreeNode* root = new COvScriptTreeNode(source.m_Identifier);
  std::vector<std::pair<const COvScriptTreeNode*, COvScriptTreeNode*>> pending;
  pending.emplace_back(&source, root);
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    to->m_Identifier = from->m_Identifier;
    to->m_aAttributes = from->m_aAttributes;
    to->m_strText = from->m_strText;
    for (const COvScriptTreeNode* child : from->m_aChildren) {
      // A null child has nothing to copy; it stays null so the shapes still compare equal.
      COvScriptTreeNode* copy = child ? new COvScriptTreeNode() : nullptr;
      to->m_aChildren.Add(copy);
      if (child) pending.emplace_back(child, copy);
    }
  }
  return root;
}

void COvScriptTreeNode::Adopt(COvScriptTreeNode* clone) {
  m_Identifier = clone->m_Identifier;
  m_aAttributes = std::move(clone->m_aAttributes);
  m_strText = std::move(clone->m_strText);
  for (COvScriptTreeNode* child : clone->m_aChildren) m_aChildren.Add(child);
  delete clone;
}
