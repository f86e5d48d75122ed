// COvScriptTree: the engine's generic document, a tree of COvScriptTreeNode with one root.
// The tree owns its root and every node below it.
#pragma once

#include "core/ovidentifier.h"
#include "core/ovstring.h"
#include "scripttree/ovscripttreenode.h"

class COvScriptTree {
 public:
  COvScriptTree() = default;
  // Copies are deep: two trees never share nodes.
  COvScriptTree(const COvScriptTree& other);
  COvScriptTree& operator=(const COvScriptTree& other);
  // Deletes every node.
  virtual ~COvScriptTree();

  // Makes a fresh root named id and returns it. A previous root is not deleted: call Empty()
  // first.
  COvScriptTreeNode* CreateRootNode(const COvIdentifier& id);
  // Null for an empty tree.
  COvScriptTreeNode* GetRootNode() const { return m_pRoot; }
  // The tree takes root; a previous root is not deleted.
  void SetRootNode(COvScriptTreeNode* root) { m_pRoot = root; }
  // Deletes every node; the root becomes null.
  void Empty();

  // path names the root node, then child nodes, then an attribute, separated by '/' or '\\'
  // ("root/child/Name"); names match without regard to case. Where several children have
  // the same name, the first whose subtree holds the rest of the path wins. On success out
  // receives the attribute's text; otherwise false and out is unchanged. A path of a single
  // name finds nothing.
  bool GetValueAsString(const TOvString<char>& path, TOvString<char>& out) const;
  // The text found as above, converted with ovStringToFloat / ovStringToS32.
  bool GetValueAsFloat(const TOvString<char>& path, float& out) const;
  bool GetValueAsInt(const TOvString<char>& path, int& out) const;
  // Looks nothing up: always false.
  bool GetValue(const TOvString<char>& path) const;

 private:
  COvScriptTreeNode* m_pRoot = nullptr;
};
