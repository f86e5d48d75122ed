#include "packager/ovtextfile.h"

#include <cstdio>

#include "core/ovfile.h"

bool OvWriteTextFile(const TOvString<char>& path, const TOvString<char>& text, const char* openError,
                     const char* writeError, const char* closeError) {
  COvFile file;
  if (file.Open(path.GetBuffer(), eOvFileSystemOpenMode_WriteText, false) != eOvFileSystemError_None) {
    std::fprintf(stderr, openError, path.GetBuffer());
    return false;
  }
  if (file.Write(text.GetBuffer(), text.GetLength()) != text.GetLength()) {
    std::fprintf(stderr, writeError, path.GetBuffer());
    file.Close();
    return false;
  }
  if (file.Close() != eOvFileSystemError_None) {
    std::fprintf(stderr, closeError, path.GetBuffer());
    return false;
  }
  return true;
}
