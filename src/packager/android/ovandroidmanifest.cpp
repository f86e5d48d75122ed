// The manifest edit. Every walk over child nodes looks at the elements only and passes over
// comments and other nodes, so a commented manifest is edited like a plain one instead of
// gaining a second application, SDK declaration or activity on each run.
#include "packager/android/ovandroidmanifest.h"

#include <cstdio>

#include "core/ovstrfuncs.h"
#include "packager/ovxmlfile.h"

using namespace ovmanifest;

namespace {

bool IsNamed(const TiXmlElement* element, const char* name) { return ovStrcmp(element->Value(), name) == 0; }

bool HasAttributeValue(const TiXmlElement* element, const char* attribute, const char* value) {
  const char* actual = element->Attribute(attribute);
  return actual && ovStrcmp(actual, value) == 0;
}

// The next element among the siblings that follow node (node itself excluded); null at the end.
TiXmlElement* NextElement(TiXmlNode* node) {
  for (TiXmlNode* next = node->NextSibling(); next; next = next->NextSibling()) {
    if (TiXmlElement* element = next->ToElement()) return element;
  }
  return nullptr;
}

TiXmlElement* FirstElement(TiXmlNode* parent) {
  TiXmlNode* first = parent->FirstChild();
  if (!first) return nullptr;
  if (TiXmlElement* element = first->ToElement()) return element;
  return NextElement(first);
}

// A new empty element at the end of parent; null when TinyXML refuses it.
TiXmlElement* AppendElement(TiXmlNode* parent, const char* name) {
  TiXmlNode* added = parent->InsertEndChild(TiXmlElement(name));
  return added ? added->ToElement() : nullptr;
}

// A new element holding one attribute, at the end of parent; false when TinyXML refuses it.
bool AppendElementWith(TiXmlNode* parent, const char* name, const char* attribute, const char* value) {
  TiXmlElement* element = AppendElement(parent, name);
  if (!element) return false;
  element->SetAttribute(attribute, value);
  return true;
}

}  // namespace

COvAndroidManifest::COvAndroidManifest()
    : path("AndroidManifest.xml"), targetSdkVersion(kDefaultTargetSdkValue) {}

bool COvAndroidManifest::Initialize(const COvFilePath& manifestPath, const TOvString<char>& targetSdk) {
  path = manifestPath;
  targetSdkVersion = targetSdk;
  root = nullptr;
  // A failed load must not leave the previous file's content behind to be saved under this name.
  document.Clear();
  if (!document.LoadFile(path.GetAsString().GetBuffer())) {
    std::printf("Cannot open file %s\n", path.GetAsString().GetBuffer());
    return false;
  }
  TiXmlElement* first = document.RootElement();
  if (!first || !IsNamed(first, kManifestElement)) return false;
  root = first;
  return true;
}

bool COvAndroidManifest::Save() { return root && OvSaveXmlDocument(document, path.GetAsString()); }

bool COvAndroidManifest::RemoveActivities() {
  if (!root) return false;
  TiXmlElement* application = root->FirstChildElement(kApplicationElement);
  if (!application || !application->FirstChildElement(kActivityElement)) return false;
  bool removed = true;
  while (TiXmlElement* activity = application->FirstChildElement(kActivityElement)) {
    activity->Clear();
    removed = application->RemoveChild(activity);
    if (!removed) break;
  }
  return removed;
}

bool COvAndroidManifest::Update(const TOvString<char>& package, const TOvString<char>& versionCode,
                                const TOvString<char>& versionName) {
  if (!root) return false;
  root->SetAttribute(kNamespaceAttribute, kAndroidNamespace);
  root->SetAttribute(kPackageAttribute, package.GetBuffer());
  root->SetAttribute(kVersionCodeAttribute, versionCode.GetBuffer());
  root->SetAttribute(kVersionNameAttribute, versionName.GetBuffer());
  root->SetAttribute(kInstallLocationAttribute, kInstallLocationValue);

  TiXmlElement* application = nullptr;
  bool sdkKept = false;
  bool featureFound = false;
  TiXmlElement* element = FirstElement(root);
  while (element) {
    TiXmlElement* next = NextElement(element);
    if (IsNamed(element, kApplicationElement)) {
      application = element;
    } else if (IsNamed(element, kSdkElement)) {
      // Only one declaration may stay: the first that already names both levels.
      bool matches = HasAttributeValue(element, kMinSdkAttribute, kMinSdkValue) &&
                     HasAttributeValue(element, kTargetSdkAttribute, targetSdkVersion.GetBuffer());
      if (matches && !sdkKept) {
        sdkKept = true;
      } else {
        root->RemoveChild(element);
      }
    } else if (IsNamed(element, kFeatureElement) && HasAttributeValue(element, kGlEsAttribute, kGlEsValue)) {
      featureFound = true;
    }
    element = next;
  }

  if (!application) {
    application = AppendElement(root, kApplicationElement);
    if (!application) {
      std::printf("Cannot insert node %s\n", kApplicationElement);
      return false;
    }
  }
  if (!sdkKept) {
    TiXmlElement* sdk = AppendElement(root, kSdkElement);
    if (sdk) {
      sdk->SetAttribute(kMinSdkAttribute, kMinSdkValue);
      sdk->SetAttribute(kTargetSdkAttribute, targetSdkVersion.GetBuffer());
    }
  }
  if (!featureFound) AppendElementWith(root, kFeatureElement, kGlEsAttribute, kGlEsValue);

  if (!ConfigureApplication(application)) {
    std::printf("Failed to initialize %s\n", application->Value());
    return false;
  }
  return true;
}

bool COvAndroidManifest::ConfigureApplication(TiXmlElement* application) {
  if (!application) return false;
  application->SetAttribute(kBackupAttribute, kBackupValue);
  application->SetAttribute(kHardwareAcceleratedAttribute, kHardwareAcceleratedValue);
  application->SetAttribute(kIconAttribute, kIconValue);
  application->SetAttribute(kLabelAttribute, kLabelValue);

  TiXmlElement* activity = nullptr;
  for (TiXmlElement* element = FirstElement(application); element; element = NextElement(element)) {
    if (IsNamed(element, kActivityElement) &&
        HasAttributeValue(element, kActivityNameAttribute, kActivityNameValue)) {
      activity = element;
    }
  }
  if (!activity) {
    activity = AppendElement(application, kActivityElement);
    if (!activity) {
      std::printf("Cannot insert node %s\n", kActivityElement);
      return false;
    }
  }
  if (!ConfigureActivity(activity)) {
    std::printf("Failed to initialize %s\n", activity->Value());
    return false;
  }
  return true;
}

bool COvAndroidManifest::ConfigureActivity(TiXmlElement* activity) {
  if (!activity) return false;
  activity->SetAttribute(kActivityNameAttribute, kActivityNameValue);
  activity->SetAttribute(kLaunchModeAttribute, kLaunchModeValue);
  activity->SetAttribute(kOrientationAttribute, kOrientationValue);
  activity->SetAttribute(kConfigChangesAttribute, kConfigChangesValue);
  activity->SetAttribute(kActivityLabelAttribute, kActivityLabelValue);

  TiXmlElement* filter = activity->FirstChildElement(kIntentFilterElement);
  if (!filter) {
    filter = AppendElement(activity, kIntentFilterElement);
    if (!filter) {
      std::printf("Cannot insert node %s\n", kIntentFilterElement);
      return false;
    }
  }

  bool hasMain = false, hasLauncher = false, hasGame = false;
  for (TiXmlElement* element = FirstElement(filter); element; element = NextElement(element)) {
    if (IsNamed(element, kActionElement) &&
        HasAttributeValue(element, kActionNameAttribute, kActionNameValue)) {
      hasMain = true;
    } else if (IsNamed(element, kCategoryElement)) {
      if (HasAttributeValue(element, kCategoryNameAttribute, kLauncherCategoryValue)) hasLauncher = true;
      if (HasAttributeValue(element, kCategoryNameAttribute, kGameCategoryValue)) hasGame = true;
    }
  }
  if (!hasMain) hasMain = AppendElementWith(filter, kActionElement, kActionNameAttribute, kActionNameValue);
  if (!hasLauncher) {
    hasLauncher = AppendElementWith(filter, kCategoryElement, kCategoryNameAttribute, kLauncherCategoryValue);
  }
  if (!hasGame)
    hasGame = AppendElementWith(filter, kCategoryElement, kCategoryNameAttribute, kGameCategoryValue);
  return hasMain && hasLauncher && hasGame;
}
