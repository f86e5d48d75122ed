// Shared step of the project and source-control entries, which update their section element
// in place instead of building a new one. Internal to the configuration classes.
#pragma once

#include "core/ovstring.h"

class COvIdentifier;
class COvScriptTreeNode;

// Sets the first attribute named id to value as a string attribute, or appends one when the
// node has none of that name.
void OvSetSectionAttribute(COvScriptTreeNode& node, const COvIdentifier& id, const TOvString<char>& value);
