// Whole-file replacement through a temporary sibling and one rename.
#include "core/ovfilereplace.h"

#include "core/ovdirectory.h"
#include "core/ovfile.h"
#include "core/platform/filesystem.h"

TOvString<char> OvTemporarySibling(const TOvString<char>& path) {
  const char* text = path.GetBuffer();
  int nameStart = 0;
  for (int i = 0; text[i]; ++i) {
    if (text[i] == '/' || text[i] == '\\') nameStart = i + 1;
  }
  return TOvString<char>(text, nameStart) + ".tmp-" + (text + nameStart);
}

bool OvCommitTemporary(const TOvString<char>& temporary, const TOvString<char>& target) {
  if (ovfs::RenameReplacing(temporary.GetBuffer(), target.GetBuffer())) return true;
  OvDeleteFile(temporary);
  return false;
}

EOvReplaceStep OvReplaceFile(const TOvString<char>& path, const void* data, int size, int mode) {
  const TOvString<char> temporary = OvTemporarySibling(path);
  COvFile file;
  if (file.Open(temporary.GetBuffer(), mode, false) != eOvFileSystemError_None) return eOvReplaceStep_Open;
  EOvReplaceStep failed = eOvReplaceStep_None;
  if (size > 0 && file.Write(data, size) != size) failed = eOvReplaceStep_Write;
  // Closing flushes the last buffered bytes: a full disk often shows only here.
  if (file.Close() != eOvFileSystemError_None && failed == eOvReplaceStep_None) failed = eOvReplaceStep_Close;
  if (failed != eOvReplaceStep_None) {
    OvDeleteFile(temporary);
    return failed;
  }
  return OvCommitTemporary(temporary, path) ? eOvReplaceStep_None : eOvReplaceStep_Rename;
}
