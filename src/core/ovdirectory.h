// Single-file and directory operations, directory listings and the recursive copy, removal and
// creation of directory trees. Paths are 8-bit texts handed to the OS unchanged (an empty text
// names nothing: it is never listed, copied from or removed below). Listings name each entry
// directory + native separator + name. Progress lines go to standard output.
#pragma once

#include <cstdint>

#include "core/ovarray.h"
#include "core/ovstring.h"

// A Windows FILETIME: 100-nanosecond intervals since 1601-01-01 UTC, low word first.
struct OvFileTime {
  uint32_t dwLowDateTime = 0;
  uint32_t dwHighDateTime = 0;

  uint64_t ToU64() const { return (static_cast<uint64_t>(dwHighDateTime) << 32) | dwLowDateTime; }
  static OvFileTime FromU64(uint64_t value) {
    OvFileTime time;
    time.dwLowDateTime = static_cast<uint32_t>(value);
    time.dwHighDateTime = static_cast<uint32_t>(value >> 32);
    return time;
  }
};

// One file of a listing: its full path and the later of its creation and last-write times.
struct OvFindFile {
  TOvString<char> name;
  OvFileTime time;

  // Older first.
  bool operator<(const OvFindFile& other) const {
    if (time.dwHighDateTime != other.time.dwHighDateTime)
      return time.dwHighDateTime < other.time.dwHighDateTime;
    return time.dwLowDateTime < other.time.dwLowDateTime;
  }
};

// The later of creation and last-write time; zero when the file cannot be opened for reading.
OvFileTime OvGetFileTime(const TOvString<char>& path);

// One directory whose parent exists; true also when the name already exists.
bool OvCreateDirectory(const TOvString<char>& path);
// One empty directory.
bool OvRemoveDirectory(const TOvString<char>& path);
bool OvDeleteFile(const TOvString<char>& path);
// Replaces an existing target; the target's directory must exist. The copy keeps the source's
// read-only state and last-write time.
bool OvCopyFile(const TOvString<char>& source, const TOvString<char>& target);

// Appends every subdirectory below path, recursively: each directory before its contents, in
// the order of the listing. A directory whose plain name equals an entry of exclude (ignoring
// case) is left out with everything below it; exclude may be null. A link to a directory is
// listed and followed as a directory, unless it leads back to a directory the listing is
// inside: that link is left out. A missing directory adds nothing.
void OvEnumerateDirectory(const TOvString<char>& path, COvArray<TOvString<char>>& dirs,
                          const COvArray<TOvString<char>>* exclude = nullptr);
// As above, also appending every file below path (exclude applies to directories only).
void OvEnumerateDirectory(const TOvString<char>& path, COvArray<OvFindFile>& files,
                          COvArray<TOvString<char>>& dirs,
                          const COvArray<TOvString<char>>* exclude = nullptr);
// The files directly in path, not recursive.
void OvEnumerateDirectory(const TOvString<char>& path, COvArray<OvFindFile>& files);

// Deletes every file and directory below path (path itself stays), printing "Deleting %s\n"
// for each. Links are deleted themselves, never followed. With clearReadOnly, read-only files are made writable first. Single failures are
// ignored; the result is always true.
bool OvRemoveDirectoryRecursively(const TOvString<char>& path, bool clearReadOnly);

// Copies the tree below source into target, which must exist, printing "Creating %s\n" after
// each directory and "Copying %s\n" before each file (target paths), in listing order while a
// few threads copy. Links to directories are followed; one that leads back into the tree is
// reported on standard error, not followed, and makes the result false. Other single failures
// are ignored.
bool CopyRecursively(TOvString<char> source, TOvString<char> target);

// Creates every missing directory of path except its first part (a drive, or the first directory
// below a leading separator). path is rewritten in place with native separators and a final
// one. False at the first directory that can be neither created nor found existing, and for an
// empty path (left empty).
bool OvCreatePath(TOvString<char>& path);

// The Retrieve functions name entries dir + separator (unless dir ends with one) + name and
// always return true; a missing directory gives nothing.
bool OvRetrieveDirectoriesFromDirectory(const TOvString<char>& dir, COvArray<TOvString<char>>& out);
// Only files whose extension (case-sensitive, without '.') is in extensions; every file when
// extensions is empty.
bool OvRetrieveFilesFromDirectory(const TOvString<char>& dir, COvArray<TOvString<char>>& out,
                                  const COvArray<TOvString<char>>& extensions);
// The direct subdirectories of dir, then for each of them (in order) its own recursive result.
// Links to directories are followed, except one leading back to a directory being walked
// (listed, not walked again).
bool OvRetrieveDirectoriesFromDirectoryRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out);
// The files of dir, then those of each subdirectory in the order of the function above.
bool OvRetrieveFilesFromDirectoryRecursive(const TOvString<char>& dir, COvArray<TOvString<char>>& out,
                                           const COvArray<TOvString<char>>& extensions);
