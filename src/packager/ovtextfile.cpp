#include "packager/ovtextfile.h"

#include <cstdio>

#include "core/ovfilehandle.h"
#include "core/ovfilereplace.h"

bool OvWriteTextFile(const TOvString<char>& path, const TOvString<char>& text, const char* openError,
                     const char* writeError, const char* closeError) {
  const char* message = nullptr;
  switch (OvReplaceFile(path, text.GetBuffer(), text.GetLength(), eOvFileSystemOpenMode_WriteText)) {
    case eOvReplaceStep_None:
      return true;
    case eOvReplaceStep_Open:
      message = openError;
      break;
    case eOvReplaceStep_Write:
      message = writeError;
      break;
    case eOvReplaceStep_Close:
    case eOvReplaceStep_Rename:
      message = closeError;
      break;
  }
  std::fprintf(stderr, message, path.GetBuffer());
  return false;
}
