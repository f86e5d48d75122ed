// The file-system service on Windows: the ANSI Win32 file and directory calls. Only Win32 code.
#include "core/platform/filesystem.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace ovfs {
namespace {

uint64_t ToU64(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

uint64_t LaterOf(const FILETIME& a, const FILETIME& b) {
  return CompareFileTime(&a, &b) >= 0 ? ToU64(a) : ToU64(b);
}

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

// Volume and file index of an existing path, to tell whether two names are one file.
bool FileIdentity(const char* path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE handle = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BOOL ok = GetFileInformationByHandle(handle, &info);
  CloseHandle(handle);
  return ok != FALSE;
}

}  // namespace

bool ListDirectory(const char* directory, bool wantTimes, const DirectoryVisitor& visit) {
  if (!directory || !*directory) return false;
  std::string pattern(directory);
  pattern += EndsWithSeparator(pattern) ? "*" : "\\*";
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    const char* name = data.cFileName;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    DirectoryEntry entry{name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                         (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0, 0};
    if (wantTimes) entry.fileTime = LaterOf(data.ftCreationTime, data.ftLastWriteTime);
    visit(entry);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return true;
}

EntryKind GetEntryKind(const char* path) {
  if (!path || !*path) return EntryKind::Missing;
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Directory : EntryKind::File;
}

bool QueryFileSize(const char* path, uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!path || !*path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

CreateResult MakeDirectory(const char* path) {
  if (!path || !*path) return CreateResult::Failed;
  if (CreateDirectoryA(path, nullptr)) return CreateResult::Created;
  return GetLastError() == ERROR_ALREADY_EXISTS ? CreateResult::AlreadyExists : CreateResult::Failed;
}

bool RemoveEmptyDirectory(const char* path) { return path && *path && RemoveDirectoryA(path) != FALSE; }

bool GetFileIdentity(const char* path, uint64_t& volume, uint64_t& index) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!path || !*path || !FileIdentity(path, info)) return false;
  volume = info.dwVolumeSerialNumber;
  index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}

bool RemoveFile(const char* path) { return path && *path && DeleteFileA(path) != FALSE; }

bool ClearReadOnly(const char* path) {
  return path && *path && SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool CopyFileReplacing(const char* source, const char* target) {
  if (!source || !target || !*source || !*target) return false;
  BY_HANDLE_FILE_INFORMATION from, to;
  if (FileIdentity(source, from) && FileIdentity(target, to) &&
      from.dwVolumeSerialNumber == to.dwVolumeSerialNumber && from.nFileIndexHigh == to.nFileIndexHigh &&
      from.nFileIndexLow == to.nFileIndexLow) {
    return false;
  }
  return CopyFileA(source, target, FALSE) != FALSE;
}

bool ReadFileTime(const char* path, uint64_t& fileTime) {
  if (!path || !*path) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  FILETIME created, written;
  BOOL ok = GetFileTime(file, &created, nullptr, &written);
  CloseHandle(file);
  if (!ok) return false;
  fileTime = LaterOf(created, written);
  return true;
}

bool RenameReplacing(const char* source, const char* target) {
  return source && target && *source && *target &&
         MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace ovfs
