// Saving a TinyXML document the way the packager saves the Android project's XML files: the
// document's text replaces the file as a whole (core/ovfilereplace.h), in text mode, so a
// failed save leaves the previous file in place.
#pragma once

#include "core/ovstring.h"

class TiXmlDocument;

// True when the whole document reached path.
bool OvSaveXmlDocument(const TiXmlDocument& document, const TOvString<char>& path);
