// Directory operations and listings on top of the file-system service.
#include "core/ovdirectory.h"

#include <cstdio>
#include <vector>

#include "core/ovcopyfiles.h"
#include "core/ovfilepath.h"
#include "core/ovpathtext.h"
#include "core/platform/filesystem.h"

namespace {

struct ListedEntry {
  TOvString<char> path;
  bool isDirectory;
  bool isLink;
  bool excluded;
  uint64_t time;
};

// The directories a walk is inside, outermost first: a link to any of them would repeat the
// walk forever.
using Ancestors = std::vector<TOvString<char>>;

bool LeadsBack(const TOvString<char>& link, const Ancestors& ancestors) {
  uint64_t volume, index, ancestorVolume, ancestorIndex;
  if (!ovfs::GetFileIdentity(link.GetBuffer(), volume, index)) return false;
  for (const TOvString<char>& ancestor : ancestors) {
    if (ovfs::GetFileIdentity(ancestor.GetBuffer(), ancestorVolume, ancestorIndex) && ancestorVolume == volume &&
        ancestorIndex == index)
      return true;
  }
  return false;
}

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
    ListedEntry listed{prefix + entry.name, entry.isDirectory, entry.isLink,
                       entry.isDirectory && IsExcluded(entry.name, exclude), entry.fileTime};
    entries.push_back(static_cast<ListedEntry&&>(listed));
  });
  return entries;
}

// A depth-first walk. Links to directories are followed, except into a directory the walk is
// inside (those go to loops, unlisted); without followLinks they are listed and not entered.
struct Walk {
  COvArray<OvFindFile>* files;  // null when not wanted
  COvArray<TOvString<char>>& dirs;
  const COvArray<TOvString<char>>* exclude;
  bool wantTimes;
  bool followLinks;
  std::vector<TOvString<char>>* loops;  // may be null
  Ancestors ancestors;
};

void Enumerate(const TOvString<char>& path, Walk& walk) {
  TOvString<char> prefix = ovpath::JoinEntry(path, "", kOvHostPathStyle);
  walk.ancestors.push_back(path);
  for (ListedEntry& entry : ListEntries(path, prefix, walk.wantTimes, walk.exclude)) {
    if (entry.isDirectory) {
      if (entry.excluded) continue;
      if (entry.isLink && walk.followLinks && LeadsBack(entry.path, walk.ancestors)) {
        if (walk.loops) walk.loops->push_back(entry.path);
        continue;
      }
      walk.dirs.Add(entry.path);
      if (!entry.isLink || walk.followLinks) Enumerate(entry.path, walk);
    } else if (COvArray<OvFindFile>* files = walk.files) {
      OvFindFile found;
      found.name = static_cast<TOvString<char>&&>(entry.path);
      found.time = OvFileTime::FromU64(entry.time);
      files->Add(found);
    }
  }
  walk.ancestors.pop_back();
}

// The entries directly in dir, for the Retrieve functions.
std::vector<ListedEntry> ListForRetrieve(const TOvString<char>& dir) {
  if (dir.IsEmpty()) return {};
  TOvString<char> prefix = ovpath::WithTrailingSeparator(dir, kOvHostPathStyle);
  return ListEntries(prefix, prefix, false, nullptr);
}

// A link back into a directory being walked is listed but not walked again.
void RetrieveDirectoriesRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out, Ancestors& ancestors) {
  std::vector<ListedEntry> entries = ListForRetrieve(dir);
  for (const ListedEntry& entry : entries) {
    if (entry.isDirectory) out.Add(entry.path);
  }
  ancestors.push_back(dir);
  for (const ListedEntry& entry : entries) {
    if (entry.isDirectory && !(entry.isLink && LeadsBack(entry.path, ancestors)))
      RetrieveDirectoriesRecursive(entry.path, out, ancestors);
  }
  ancestors.pop_back();
}

void RetrieveDirectoriesRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out) {
  Ancestors ancestors;
  RetrieveDirectoriesRecursive(dir, out, ancestors);
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
  Walk walk{nullptr, dirs, exclude, false, true, nullptr, {}};
  Enumerate(path, walk);
}

void OvEnumerateDirectory(const TOvString<char>& path, COvArray<OvFindFile>& files,
                          COvArray<TOvString<char>>& dirs, const COvArray<TOvString<char>>* exclude) {
  Walk walk{&files, dirs, exclude, true, true, nullptr, {}};
  Enumerate(path, walk);
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
  // Links are removed themselves, never entered: nothing outside the tree is touched.
  COvArray<OvFindFile> files;
  COvArray<TOvString<char>> dirs;
  Walk walk{&files, dirs, nullptr, false, false, nullptr, {}};
  Enumerate(path, walk);
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
  std::vector<TOvString<char>> loops;
  Walk walk{&files, dirs, nullptr, false, true, &loops, {}};
  Enumerate(source, walk);
  for (const TOvString<char>& loop : loops)
    std::fprintf(stderr, "Error : Can't copy %s, the link leads back into its own tree !\n", loop.GetBuffer());
  int skip = source.GetLength();
  for (const TOvString<char>& dir : dirs) {
    TOvString<char> created = target + (dir.GetBuffer() + skip);
    ovfs::MakeDirectory(created.GetBuffer());
    std::printf("Creating %s\n", created.GetBuffer());
  }
  std::vector<OvCopyJob> jobs;
  jobs.reserve(static_cast<size_t>(files.GetCount()));
  for (const OvFindFile& file : files) jobs.push_back({file.name, target + (file.name.GetBuffer() + skip)});
  OvCopyFilesInOrder(
      jobs, [&](size_t i) { std::printf("Copying %s\n", jobs[i].target.GetBuffer()); }, [](size_t, bool) {});
  return loops.empty();
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
