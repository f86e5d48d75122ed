// Shared by the settings group implementations: the kinds of value that the settings handle
// and the definitions of the groups without settings of their own. Internal to src/project.
#pragma once

#include "core/ovidentifier.h"
#include "core/ovreflection.h"
#include "core/ovrtti.h"
#include "project/ovprojectsettings.h"

namespace ovproject {

// Type codes of the settings tables.
constexpr int kTypeBool = COvReflectionInformation::eTypeBool;
constexpr int kTypeInt = COvReflectionInformation::eTypeInt;
constexpr int kTypeText = COvReflectionInformation::eTypeString2;

enum class ESettingKind { Bool, Int, Float, String, Other };

// Both 8-bit text codes are strings; every code other than the four kinds is Other, which
// load, save and SetProperty skip.
inline ESettingKind KindOf(const COvReflectionInformation& info) {
  switch (info.GetType()) {
    case COvReflectionInformation::eTypeBool:
      return ESettingKind::Bool;
    case COvReflectionInformation::eTypeInt:
      return ESettingKind::Int;
    case COvReflectionInformation::eTypeFloat:
      return ESettingKind::Float;
    case COvReflectionInformation::eTypeString2:
    case COvReflectionInformation::eTypeString:
      return ESettingKind::String;
    default:
      return ESettingKind::Other;
  }
}

}  // namespace ovproject

// Defines the type record, the constructor and the settings table (the base class's, which is
// empty) of a group class without settings or children.
#define OV_DEFINE_PROJECT_SETTINGS_LEAF(Class, GroupName)                                  \
  const COvRTTI Class::TYPE(#Class, &COvProjectSettings::TYPE);                            \
  Class::Class() : COvProjectSettings(COvIdentifier(GroupName)) { Initialize(); }          \
  const COvArray<COvReflectionInformation>& Class::GetReflectionInformationArray() const { \
    static const COvArray<COvReflectionInformation> table(                                 \
        COvProjectSettings::GetReflectionInformationArray());                              \
    return table;                                                                          \
  }
