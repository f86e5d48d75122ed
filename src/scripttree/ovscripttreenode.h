// COvScriptTreeNode: a named node of a script tree with ordered attributes, an optional text
// and ordered children. Every search compares identifier CRCs, so names match without regard
// to case.
//
// Ownership: children are held as raw pointers. The destructor frees only the node's own
// storage and never deletes a child; whole subtrees are deleted by Empty(), by assignment and
// by COvScriptTree. A child removed with RemoveChild / RemoveChildrenById belongs to the
// caller afterwards.
//
// The walks over subtrees (copy, assignment, comparison, deletion, recursive search) use an
// explicit stack, so any depth is safe.
#pragma once

#include <cstdint>

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"
#include "engine/math/ovcolor.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"
#include "scripttree/ovscripttreeattribute.h"

class COvScriptTreeNode {
 public:
  COvScriptTreeNode() = default;
  explicit COvScriptTreeNode(const COvIdentifier& id) : m_Identifier(id) {}
  // A deep copy.
  COvScriptTreeNode(const COvScriptTreeNode& other);
  // Deletes this node's child subtrees, then copies source deeply. Self-assignment does
  // nothing; source may also lie inside this node's subtree.
  COvScriptTreeNode& operator=(const COvScriptTreeNode& source);
  virtual ~COvScriptTreeNode() = default;

  // Same identifier, attributes (in order), text and children (recursively, in order).
  bool operator==(const COvScriptTreeNode& other) const;
  bool operator!=(const COvScriptTreeNode& other) const { return !(*this == other); }

  COvIdentifier& GetIdentifier() { return m_Identifier; }
  const COvIdentifier& GetIdentifier() const { return m_Identifier; }
  void SetIdentifier(const COvIdentifier& id) { m_Identifier = id; }

  const TOvString<char>& GetText() const { return m_strText; }
  // Copies text; null gives the empty text.
  void SetText(const char* text) { m_strText = text; }

  // Appends a copy; an attribute of the same name may already be present.
  void AddAttribute(const COvScriptTreeAttribute& attribute) { m_aAttributes.Add(attribute); }
  // The same, taking over attribute's text instead of copying it.
  void AddAttribute(COvScriptTreeAttribute&& attribute);
  // Appends an attribute named id (eTypeNone, empty text) and returns it; the reference
  // stays valid until the next attribute is added or removed.
  COvScriptTreeAttribute& AddAttribute(const COvIdentifier& id);
  // Removes the first attribute equal to attribute; nothing when none is.
  void RemoveAttribute(const COvScriptTreeAttribute& attribute);
  // The first attribute with that name, or null.
  COvScriptTreeAttribute* FindAttribute(const COvIdentifier& id);
  const COvScriptTreeAttribute* FindAttribute(const COvIdentifier& id) const;
  int GetAttributeCount() const { return m_aAttributes.GetCount(); }
  // index must be in 0 .. GetAttributeCount() - 1.
  COvScriptTreeAttribute& GetAttribute(int index) { return m_aAttributes[index]; }
  const COvScriptTreeAttribute& GetAttribute(int index) const { return m_aAttributes[index]; }

  // Typed getters read the first attribute of the name and parse its text on every call.
  // The forms without an out parameter return the default (empty text, false, 0) when the
  // attribute is missing; the out-parameter forms return false and leave out unchanged when
  // it is missing or (for the scanned forms) its text does not parse.
  const TOvString<char>& GetAttributeValueAsString(const COvIdentifier& id) const;
  bool GetAttributeValueAsString(const COvIdentifier& id, TOvString<char>& out) const;
  bool GetAttributeValueAsWString(const COvIdentifier& id, TOvString<wchar_t>& out) const;
  // True only for the texts "1" and "true" (case-sensitive).
  bool GetAttributeValueAsBool(const COvIdentifier& id) const;
  bool GetAttributeValueAsBoolDefault(const COvIdentifier& id, bool def) const;
  bool GetAttributeValueAsBool(const COvIdentifier& id, bool& out) const;
  int GetAttributeValueAsInt(const COvIdentifier& id) const;
  int GetAttributeValueAsIntDefault(const COvIdentifier& id, int def) const;
  bool GetAttributeValueAsInt(const COvIdentifier& id, int& out) const;
  float GetAttributeValueAsFloat(const COvIdentifier& id) const;
  float GetAttributeValueAsFloatDefault(const COvIdentifier& id, float def) const;
  bool GetAttributeValueAsFloat(const COvIdentifier& id, float& out) const;
  // Read as "%lli" reads: decimal, hexadecimal after "0x" or "0X" (the form the 64-bit
  // attribute constructor writes), octal after a leading 0.
  uint64_t GetAttributeValueAsU64(const COvIdentifier& id) const;
  bool GetAttributeValueAsU64(const COvIdentifier& id, uint64_t& out) const;
  bool GetAttributeValueAsVector2(const COvIdentifier& id, COvVector2& out) const;
  bool GetAttributeValueAsVector3(const COvIdentifier& id, COvVector3& out) const;
  bool GetAttributeValueAsColor(const COvIdentifier& id, COvRGB<float>& out) const;
  bool GetAttributeValueAsColor(const COvIdentifier& id, COvRGBA<float>& out) const;
  bool GetAttributeValueAsQuaternion(const COvIdentifier& id, COvQuaternion& out) const;

  // Size the attribute / child storage for count entries when it has not been allocated
  // yet (otherwise nothing happens). Readers that know the counts use them to save memory.
  void ReserveAttributes(int count);
  void ReserveChildren(int count);

  // Appends child (null is stored as given); the node now belongs to this subtree.
  void AddChild(COvScriptTreeNode* child) { m_aChildren.Add(child); }
  // Appends a new child named id with the float attributes "red", "green" and "blue".
  COvScriptTreeNode* AddChild(const COvIdentifier& id, const COvRGB<float>& color);
  void AddChildrenArray(const COvArray<COvScriptTreeNode*>& children);
  // The removed nodes are detached, not deleted. index must be in 0 .. GetChildCount() - 1.
  void RemoveChild(int index) { m_aChildren.RemoveAt(index); }
  // Removes the first occurrence of child, if any.
  void RemoveChild(COvScriptTreeNode* child);
  // Removes every child with that name.
  void RemoveChildrenById(const COvIdentifier& id);

  int GetChildCount() const { return m_aChildren.GetCount(); }
  // index must be in 0 .. GetChildCount() - 1.
  COvScriptTreeNode* GetChild(int index) const { return m_aChildren[index]; }
  // The first child with that name, or null.
  COvScriptTreeNode* FindChild(const COvIdentifier& id) const;
  int GetChildrenCountById(const COvIdentifier& id) const;
  // children := the children with that name, in order (its previous content is dropped).
  void GetChildrenByIdArray(const COvIdentifier& id, COvArray<COvScriptTreeNode*>& children) const;
  void GetChildrenByIdArray(const COvIdentifier& id, COvArray<const COvScriptTreeNode*>& children) const;

  // Searches by attribute value: a child matches when the identifier of the text of its
  // first attribute named attributeId (the empty text when it has none) equals valueId. So a
  // child without the attribute matches the null identifier.
  // The first direct child that matches, or null.
  COvScriptTreeNode* FindChildByAttribute(const COvIdentifier& attributeId, const COvIdentifier& valueId) const;
  // With recursive, a child that does not match is searched (depth first, pre-order) before
  // its next sibling.
  COvScriptTreeNode* FindChildByAttribute(const COvIdentifier& attributeId, const COvIdentifier& valueId,
                                          bool recursive) const;
  // The first direct child named childId that matches.
  COvScriptTreeNode* FindChildByIdAndAttributeValue(const COvIdentifier& childId, const COvIdentifier& attributeId,
                                                    const COvIdentifier& valueId);
  const COvScriptTreeNode* FindChildByIdAndAttributeValue(const COvIdentifier& childId,
                                                          const COvIdentifier& attributeId,
                                                          const COvIdentifier& valueId) const;

  // Takes identifier, attributes and text from source and appends deep copies of its
  // children after the children this node already has. source may be this node or lie in
  // its subtree. Null does nothing.
  void Copy(const COvScriptTreeNode* source);
  // Deletes every child subtree; identifier, attributes and text stay.
  void Empty();

  // Deletes node and everything below it. Null does nothing.
  static void DeleteSubtree(COvScriptTreeNode* node);

 private:
  // A fresh deep copy of source's identifier, attributes, text and children.
  static COvScriptTreeNode* CloneSubtree(const COvScriptTreeNode& source);
  // Takes over the content of clone (made by CloneSubtree) and deletes its shell.
  void Adopt(COvScriptTreeNode* clone);

  COvIdentifier m_Identifier;
  COvArray<COvScriptTreeAttribute> m_aAttributes;
  COvArray<COvScriptTreeNode*> m_aChildren;
  TOvString<char> m_strText;
};
