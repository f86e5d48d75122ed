// COvProjectSettings: the base of the project's settings groups. Each group has an identifier,
// owns its child groups and describes its settings through a static table of reflection
// records, through which the groups are loaded from and saved to the project file generically.
// The groups form a containment tree (General > Desktop, Console, Mobile > platforms); every
// group class derives directly from this class.
#pragma once

#include <cstddef>

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovreflection.h"
#include "core/ovrtti.h"

// Declares, inside a group class, its run-time type, its settings table, its (deep) copy
// operations and its cloning.
#define OV_PROJECT_SETTINGS_CLASS(Class)                                                    \
 public:                                                                                    \
  static const COvRTTI TYPE;                                                                \
  const COvRTTI* GetRtti() const override { return &TYPE; }                                 \
  const COvArray<COvReflectionInformation>& GetReflectionInformationArray() const override; \
  Class(const Class&) = default;                                                            \
  Class& operator=(const Class&) = default;                                                 \
                                                                                            \
 protected:                                                                                 \
  COvProjectSettings* Clone() const override { return new Class(*this); }                   \
                                                                                            \
 public:

class COvProject;
class COvScriptTreeNode;

class COvProjectSettings {
 public:
  static const COvRTTI TYPE;

  // An empty group named id, with no children and no settings.
  explicit COvProjectSettings(const COvIdentifier& id);
  // Deletes the child groups.
  virtual ~COvProjectSettings();

  virtual const COvRTTI* GetRtti() const { return &TYPE; }
  // The class's own settings (the base class has none), built on first use and kept until the
  // process ends.
  virtual const COvArray<COvReflectionInformation>& GetReflectionInformationArray() const;

  const COvIdentifier& GetIdentifier() const { return identifier; }
  int GetChildCount() const { return children.GetCount(); }
  // index must be in 0 .. GetChildCount() - 1.
  COvProjectSettings* GetChild(int index) const { return children[index]; }

  // Resets the group's own settings to false, 0, 0.0 or the empty text; children are left alone.
  void Initialize();
  // The first descendant (depth first, pre-order; not this group) named id, or null.
  COvProjectSettings* FindChild(const COvIdentifier& id) const;
  // Searches this group's own table only; on a hit the record is copied into out.
  bool FindReflectionInformation(const COvIdentifier& name, COvReflectionInformation& out) const;

  // Loads the values of a group element and of the group elements found inside it. Unknown
  // settings and groups are skipped. Always returns false (nothing reports a failure here).
  bool SerializeFrom(const COvScriptTreeNode* node);
  // Appends this group's element, with its settings and child groups, to parent. A null parent
  // gives false.
  bool SerializeTo(COvScriptTreeNode* parent, COvProject* project) const;

 protected:
  // Copies are deep: the copy gets its own clones of the child groups. Protected so that a
  // group cannot be sliced into a group of another class.
  COvProjectSettings(const COvProjectSettings& other);
  COvProjectSettings& operator=(const COvProjectSettings& other);

  // A heap copy of this group, of its own class, with cloned children.
  virtual COvProjectSettings* Clone() const { return new COvProjectSettings(*this); }

  // Takes ownership of child and appends it.
  void AddChild(COvProjectSettings* child) { children.Add(child); }

  // The byte offset of a member within the group object, for the settings tables. object must
  // be a constructed group of the class that declares the member.
  template <typename Group, typename Member>
  static size_t MemberOffset(const Group* object, Member Group::*member) {
    const void* base = static_cast<const COvProjectSettings*>(object);
    return static_cast<size_t>(reinterpret_cast<const unsigned char*>(&(object->*member)) -
                               static_cast<const unsigned char*>(base));
  }

 private:
  void DeleteChildren();

  COvIdentifier identifier;
  COvArray<COvProjectSettings*> children;
};
