// In-place update of a section element's attributes.
#include "configuration/ovconfigurationsection.h"

#include "scripttree/ovscripttree.h"

void OvSetSectionAttribute(COvScriptTreeNode& node, const COvIdentifier& id, const TOvString<char>& value) {
  COvScriptTreeAttribute* attribute = node.FindAttribute(id);
  if (attribute) {
    attribute->SetValue(value);
    attribute->SetType(COvScriptTreeAttribute::eTypeString);
  } else {
    node.AddAttribute(COvScriptTreeAttribute(id, value));
  }
}
