#include "packager/ovxmlfile.h"

#include <tinyxml.h>

#include "core/ovfilehandle.h"
#include "core/ovfilereplace.h"

bool OvSaveXmlDocument(const TiXmlDocument& document, const TOvString<char>& path) {
  TiXmlPrinter printer;
  document.Accept(&printer);
  return OvReplaceFile(path, printer.CStr(), static_cast<int>(printer.Size()), eOvFileSystemOpenMode_WriteText) ==
         eOvReplaceStep_None;
}
