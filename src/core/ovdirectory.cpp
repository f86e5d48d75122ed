// Directory operations and listings on top of the file-system service.
#include "core/ovdirectory.h"

#include <cstdio>
#include <vector>

#include "core/ovfilepath.h"
#include "core/ovpathtext.h"
#include "core/platform/filesystem.h"

namespace {

struct ListedEntry {
  TOvString<char> path;
  bool isDirectory;
  bool descend;
  bool excluded;
  uint64_t time;
};

bool IsExcluded(const char* name, const COvArray<TOvString<char>>* exclude) {
  if (!exclude) return false;
  for (const TOvString<char>& excluded : *exclude) {
    if (ovStrcmpNoCase(name, excluded.GetBuffer()) == 0) return true;
  }
  return false;
}

// The entries of one directory, named prefix + name. The listing is complete (and the directory
// handle closed) before any caller descends, so depth costs no open handles.
std::vector<ListedEntry> ListEntries(const TOvString<char>& directory, const TOvString<char>& prefix,
                                     bool wantTimes, const COvArray<TOvString<char>>* exclude) {
  std::vector<ListedEntry> entries;
  if (directory.IsEmpty()) return entries;
  ovfs::ListDirectory(directory.GetBuffer(), wantTimes, [&](const ovfs::DirectoryEntry& entry) {
    ListedEntry listed{prefix + entry.name, entry.isDirectory, entry.isDirectory && !entry.isLink,
                       entry.isDirectory && IsExcluded(entry.name, exclude), entry.fileTime};
    entries.push_back(static_cast<ListedEntry&&>(listed));
  });
  return entries;
}

// Files and directories in the order of a depth-first walk; files is null when not wanted.
void Enumerate(const TOvString<char>& path, COvArray<OvFindFile>* files, COvArray<TOvString<char>>& dirs,
               const COvArray<TOvString<char>>* exclude, bool wantTimes) {
  TOvString<char> prefix = ovpath::JoinEntry(path, "", kOvHostPathStyle);
  for (ListedEntry& entry : ListEntries(path, prefix, wantTimes, exclude)) {
    if (entry.isDirectory) {
      if (entry.excluded) continue;
      dirs.Add(entry.path);
      if (entry.descend) Enumerate(entry.path, files, dirs, exclude, wantTimes);
    } else if (files) {
      OvFindFile found;
      found.name = static_cast<TOvString<char>&&>(entry.path);
      found.time = OvFileTime::FromU64(entry.time);
      files->Add(found);
    }
  }
}

// The entries directly in dir, for the Retrieve functions.
std::vector<ListedEntry> ListForRetrieve(const TOvString<char>& dir) {
  if (dir.IsEmpty()) return {};
  TOvString<char> prefix = ovpath::WithTrailingSeparator(dir, kOvHostPathStyle);
  return ListEntries(prefix, prefix, false, nullptr);
}

void RetrieveDirectoriesRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out) {
  std::vector<ListedEntry> entries = ListForRetrieve(dir);
  for (const ListedEntry& entry : entries) {
    if (entry.isDirectory) out.Add(entry.path);
  }
  for (const ListedEntry& entry : entries) {
    if (entry.isDirectory && entry.descend) RetrieveDirectoriesRecursive(entry.path, out);
  }
}

}  // namespace

OvFileTime OvGetFileTime(const TOvString<char>& path) {
  uint64_t time = 0;
  if (path.IsEmpty() || !ovfs::ReadFileTime(path.GetBuffer(), time)) return OvFileTime();
  return OvFileTime::FromU64(time);
}

bool OvCreateDirectory(const TOvString<char>& path) {
  return ovfs::MakeDirectory(path.GetBuffer()) != ovfs::CreateResult::Failed;
}

bool OvRemoveDirectory(const TOvString<char>& path) { return ovfs::RemoveEmptyDirectory(path.GetBuffer()); }

bool OvDeleteFile(const TOvString<char>& path) { return ovfs::RemoveFile(path.GetBuffer()); }

bool OvCopyFile(const TOvString<char>& source, const TOvString<char>& target) {
  return ovfs::CopyFileReplacing(source.GetBuffer(), target.GetBuffer());
}

void OvEnumerateDirectory(const TOvString<char>& path, COvArray<TOvString<char>>& dirs,
                          const COvArray<TOvString<char>>* exclude) {
  Enumerate(path, nullptr, dirs, exclude, false);
}

void OvEnumerateDirectory(const TOvString<char>& path, COvArray<OvFindFile>& files,
                          COvArray<TOvString<char>>& dirs, const COvArray<TOvString<char>>* exclude) {
  Enumerate(path, &files, dirs, exclude, true);
}

void OvEnumerateDirectory(const TOvString<char>& path, COvArray<OvFindFile>& files) {
  TOvString<char> prefix = ovpath::JoinEntry(path, "", kOvHostPathStyle);
  for (ListedEntry& entry : ListEntries(path, prefix, true, nullptr)) {
    if (entry.isDirectory) continue;
    OvFindFile found;
    found.name = static_cast<TOvString<char>&&>(entry.path);
    found.time = OvFileTime::FromU64(entry.time);
    files.Add(found);
  }
}

bool OvRemoveDirectoryRecursively(const TOvString<char>& path, bool clearReadOnly) {
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  Enumerate(path, &files, dirs, nullptr, false);
  for (const OvFindFile& file : files) {
    std::printf("Deleting %s\n", file.name.GetBuffer());
    if (clearReadOnly) ovfs::ClearReadOnly(file.name.GetBuffer());
    ovfs::RemoveFile(file.name.GetBuffer());
  }
  for (int i = dirs.GetCount() - 1; i >= 0; --i) {
    std::printf("Deleting %s\n", dirs[i].GetBuffer());
    ovfs::RemoveEmptyDirectory(dirs[i].GetBuffer());
  }
  return true;
}

bool CopyRecursively(TOvString<char> source, TOvString<char> target) {
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  Enumerate(source, &files, dirs, nullptr, false);
  int skip = source.GetLength();
  for (const TOvString<char>& dir : dirs) {
    TOvString<char> created = target + (dir.GetBuffer() + skip);
    ovfs::MakeDirectory(created.GetBuffer());
    std::printf("Creating %s\n", created.GetBuffer());
  }
  for (const OvFindFile& file : files) {
    TOvString<char> copy = target + (file.name.GetBuffer() + skip);
    std::printf("Copying %s\n", copy.GetBuffer());
    ovfs::CopyFileReplacing(file.name.GetBuffer(), copy.GetBuffer());
  }
  return true;
}

bool OvCreatePath(TOvString<char>& path) {
  if (path.IsEmpty()) return false;
  COvArray<TOvString<char>> directories;
  ovpath::PlanCreatePath(path, directories, kOvHostPathStyle);
  for (const TOvString<char>& directory : directories) {
    if (ovfs::MakeDirectory(directory.GetBuffer()) == ovfs::CreateResult::Failed) return false;
  }
  return true;
}

bool OvRetrieveDirectoriesFromDirectory(const TOvString<char>& dir, COvArray<TOvString<char>>& out) {
  for (const ListedEntry& entry : ListForRetrieve(dir)) {
    if (entry.isDirectory) out.Add(entry.path);
  }
  return true;
}

bool OvRetrieveFilesFromDirectory(const TOvString<char>& dir, COvArray<TOvString<char>>& out,
                                  const COvArray<TOvString<char>>& extensions) {
  for (const ListedEntry& entry : ListForRetrieve(dir)) {
    if (entry.isDirectory) continue;
    if (extensions.GetCount() == 0 || extensions.Find(COvFilePath(entry.path).getFileExt()) >= 0) {
      out.Add(entry.path);
    }
  }
  return true;
}

bool OvRetrieveDirectoriesFromDirectoryRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out) {
  RetrieveDirectoriesRecursive(dir, out);
  return true;
}

bool OvRetrieveFilesFromDirectoryRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out,
                                           const COvArray<TOvString<char>>& extensions) {
  COvArray<TOvString<char>> dirs;
  RetrieveDirectoriesRecursive(dir, dirs);
  OvRetrieveFilesFromDirectory(dir, out, extensions);
  for (const TOvString<char>& subdirectory : dirs)
    OvRetrieveFilesFromDirectory(subdirectory, out, extensions);
  return true;
}
