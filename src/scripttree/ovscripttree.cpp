// Script tree: root ownership and lookup of attribute values by path.
#include "scripttree/ovscripttree.h"

#include <utility>
#include <vector>

#include "core/ovarray.h"

COvScriptTree::COvScriptTree(const COvScriptTree& other) {
  if (other.m_pRoot) m_pRoot = new COvScriptTreeNode(*other.m_pRoot);
}

COvScriptTree& COvScriptTree::operator=(const COvScriptTree& other) {
  if (this == &other) return *this;
  COvScriptTreeNode* root = other.m_pRoot ? new COvScriptTreeNode(*other.m_pRoot) : nullptr;
  Empty();
  m_pRoot = root;
  return *this;
}

COvScriptTree::~COvScriptTree() { Empty(); }

COvScriptTreeNode* COvScriptTree::CreateRootNode(const COvIdentifier& id) {
  m_pRoot = new COvScriptTreeNode(id);
  return m_pRoot;
}

void COvScriptTree::Empty() {
  COvScriptTreeNode::DeleteSubtree(m_pRoot);
  m_pRoot = nullptr;
}

bool COvScriptTree::GetValueAsString(const TOvString<char>& path, TOvString<char>& out) const {
  COvArray<TOvString<char>> components;
  path.Split("/\\", components);
  int nodeCount = components.GetCount() - 1;
  if (nodeCount < 1 || !m_pRoot) return false;

  std::vector<COvIdentifier> names;
  names.reserve(static_cast<size_t>(nodeCount));
  for (int i = 0; i < nodeCount; ++i) names.emplace_back(components[i]);

  COvIdentifier attributeId(components[nodeCount]);

  // Depth-first walk with backtracking: each entry is a node that matched names[level] and
  // the index of its next child to try against names[level + 1]. A node that matches the
  // whole path but lacks the attribute lets the walk go on to its later namesakes.
  if (m_pRoot->GetIdentifier() != names[0]) return false;
  std::vector<std::pair<const COvScriptTreeNode*, int>> pending;
  pending.emplace_back(m_pRoot, 0);
  while (!pending.empty()) {
    size_t level = pending.size() - 1;
    if (level + 1 == names.size()) {
      const COvScriptTreeAttribute* attribute = pending.back().first->FindAttribute(attributeId);
      if (attribute) {
        out = attribute->GetValue();
        return true;
      }
      pending.pop_back();
      continue;
    }
    auto& [node, next] = pending.back();
    if (next >= node->GetChildCount()) {
      pending.pop_back();
      continue;
    }
    const COvScriptTreeNode* child = node->GetChild(next++);
    if (child && child->GetIdentifier() == names[level + 1]) pending.emplace_back(child, 0);
  }
  return false;
}

bool COvScriptTree::GetValueAsFloat(const TOvString<char>& path, float& out) const {
  TOvString<char> text;
  if (!GetValueAsString(path, text)) return false;
  out = ovStringToFloat(text.GetBuffer());
  return true;
}

bool COvScriptTree::GetValueAsInt(const TOvString<char>& path, int& out) const {
  TOvString<char> text;
  if (!GetValueAsString(path, text)) return false;
  out = ovStringToS32(text.GetBuffer());
  return true;
}

bool COvScriptTree::GetValue(const TOvString<char>& /*path*/) const { return false; }
