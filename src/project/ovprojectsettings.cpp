// COvProjectSettings: group tree operations and the generic load and save of settings.
#include "project/ovprojectsettings.h"

#include <vector>

#include "core/ovid.h"
#include "project/ovprojectsettingsinternal.h"
#include "scripttree/ovscripttreeattribute.h"
#include "scripttree/ovscripttreenode.h"

const COvRTTI COvProjectSettings::TYPE("COvProjectSettings", nullptr);

COvProjectSettings::COvProjectSettings(const COvIdentifier& id) : identifier(id) {}

COvProjectSettings::~COvProjectSettings() { DeleteChildren(); }

COvProjectSettings::COvProjectSettings(const COvProjectSettings& other) : identifier(other.identifier) {
  for (COvProjectSettings* child : other.children) {
    if (child) children.Add(child->Clone());
  }
}

COvProjectSettings& COvProjectSettings::operator=(const COvProjectSettings& other) {
  if (this == &other) return *this;
  // Clone first: other may lie inside this group's subtree.
  COvArray<COvProjectSettings*> clones;
  for (COvProjectSettings* child : other.children) {
    if (child) clones.Add(child->Clone());
  }
  identifier = other.identifier;
  DeleteChildren();
  children = clones;
  return *this;
}

void COvProjectSettings::DeleteChildren() {
  for (COvProjectSettings* child : children) delete child;
  children.RemoveAll();
}

const COvArray<COvReflectionInformation>& COvProjectSettings::GetReflectionInformationArray() const {
  static const COvArray<COvReflectionInformation> table;
  return table;
}

void COvProjectSettings::Initialize() {
  void* object = this;
  for (const COvReflectionInformation& info : GetReflectionInformationArray()) {
    switch (ovproject::KindOf(info)) {
      case ovproject::ESettingKind::Bool:
        info.SetValueBool(object, false);
        break;
      case ovproject::ESettingKind::Int:
        info.SetValueInt(object, 0);
        break;
      case ovproject::ESettingKind::Float:
        info.SetValueFloat(object, 0.0f);
        break;
      case ovproject::ESettingKind::String:
        info.SetValueString(object, TOvString<char>());
        break;
      case ovproject::ESettingKind::Other:
        break;
    }
  }
}

COvProjectSettings* COvProjectSettings::FindChild(const COvIdentifier& id) const {
  for (COvProjectSettings* child : children) {
    if (!child) continue;
    if (child->identifier == id) return child;
    if (COvProjectSettings* found = child->FindChild(id)) return found;
  }
  return nullptr;
}

bool COvProjectSettings::FindReflectionInformation(const COvIdentifier& name,
                                                   COvReflectionInformation& out) const {
  for (const COvReflectionInformation& info : GetReflectionInformationArray()) {
    if (info.GetIdentifier() == name) {
      out = info;
      return true;
    }
  }
  return false;
}

namespace {

// Writes the value of one "setting" element into group; unknown names are skipped.
void LoadSetting(COvProjectSettings& group, const COvScriptTreeNode& element) {
  const OVID& ids = OVID::GetSingleton();
  COvReflectionInformation info;
  if (!group.FindReflectionInformation(COvIdentifier(element.GetAttributeValueAsString(ids.name)), info))
    return;
  void* object = &group;
  switch (ovproject::KindOf(info)) {
    case ovproject::ESettingKind::Bool:
      info.SetValueBool(object, element.GetAttributeValueAsBool(ids.value));
      break;
    case ovproject::ESettingKind::Int:
      info.SetValueInt(object, element.GetAttributeValueAsInt(ids.value));
      break;
    case ovproject::ESettingKind::Float:
      info.SetValueFloat(object, element.GetAttributeValueAsFloat(ids.value));
      break;
    case ovproject::ESettingKind::String:
      info.SetValueString(object, element.GetAttributeValueAsString(ids.value));
      break;
    case ovproject::ESettingKind::Other:
      break;
  }
}

}  // namespace

bool COvProjectSettings::SerializeFrom(const COvScriptTreeNode* node) {
  if (!node) return false;
  const COvIdentifier& settingId = OVID::GetSingleton().setting;
  // A group element may nest its own name any number of times, so walk with an explicit
  // stack; elements are still visited in document order.
  struct Frame {
    COvProjectSettings* group;
    const COvScriptTreeNode* element;
    int next;
  };
  std::vector<Frame> stack;
  stack.push_back({this, node, 0});
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next >= frame.element->GetChildCount()) {
      stack.pop_back();
      continue;
    }
    COvProjectSettings* group = frame.group;
    const COvScriptTreeNode* child = frame.element->GetChild(frame.next++);
    if (!child) continue;
    const COvIdentifier& name = child->GetIdentifier();
    if (name == settingId) {
      LoadSetting(*group, *child);
    } else if (name == group->identifier) {
      stack.push_back({group, child, 0});
    } else if (COvProjectSettings* target = group->FindChild(name)) {
      stack.push_back({target, child, 0});
    }
  }
  return false;
}

bool COvProjectSettings::SerializeTo(COvScriptTreeNode* parent, COvProject* project) const {
  if (!parent) return false;
  const OVID& ids = OVID::GetSingleton();
  COvScriptTreeNode* element = new COvScriptTreeNode(identifier);
  parent->AddChild(element);
  void* object = const_cast<COvProjectSettings*>(this);
  for (const COvReflectionInformation& info : GetReflectionInformationArray()) {
    ovproject::ESettingKind kind = ovproject::KindOf(info);
    if (kind == ovproject::ESettingKind::Other) continue;
    // A false bool is left out of the file altogether.
    if (kind == ovproject::ESettingKind::Bool && !info.GetValueBool(object)) continue;
    COvScriptTreeNode* setting = new COvScriptTreeNode(ids.setting);
    setting->AddAttribute(COvScriptTreeAttribute(ids.name, info.GetIdentifier().DebugString()));
    switch (kind) {
      case ovproject::ESettingKind::Bool:
        setting->AddAttribute(COvScriptTreeAttribute(ids.value, 1));
        break;
      case ovproject::ESettingKind::Int:
        setting->AddAttribute(COvScriptTreeAttribute(ids.value, static_cast<int>(info.GetValueInt(object))));
        break;
      case ovproject::ESettingKind::Float:
        setting->AddAttribute(COvScriptTreeAttribute(ids.value, info.GetValueFloat(object)));
        break;
      case ovproject::ESettingKind::String:
        setting->AddAttribute(COvScriptTreeAttribute(ids.value, info.GetValueString(object)));
        break;
      case ovproject::ESettingKind::Other:
        break;
    }
    element->AddChild(setting);
  }
  for (COvProjectSettings* child : children) {
    if (child) child->SerializeTo(element, project);
  }
  return true;
}
