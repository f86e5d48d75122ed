// The file-system service: the few operating-system calls that the path, directory and file
// code builds on. Paths are 8-bit texts handed to the OS as they are (no separator rewriting,
// no folding); every function reports failure through its result and never prints.
// Names avoid the Win32 macro names (CreateDirectory, CopyFile, ...) on purpose.
#pragma once

#include <cstdint>
#include <functional>

namespace ovfs {

enum class EntryKind { Missing, File, Directory };

// One entry of a directory listing. name is the plain entry name, valid only during the
// visitor call. isLink marks a symbolic link or reparse point; isDirectory is then true when
// it leads to a directory (on both systems), so callers choose whether to descend through it.
// fileTime is 0 unless times were asked for.
struct DirectoryEntry {
  const char* name;
  bool isDirectory;
  bool isLink;
  uint64_t fileTime;
};

using DirectoryVisitor = std::function<void(const DirectoryEntry&)>;

// Calls visit for every entry of directory in the order the OS returns them, "." and ".."
// excluded. With wantTimes, each file entry carries FileTimeOf's value. Returns false (and
// visits nothing) when the directory cannot be listed; an empty path is never listed.
bool ListDirectory(const char* directory, bool wantTimes, const DirectoryVisitor& visit);

// What path names, following links. Missing covers every failure.
EntryKind GetEntryKind(const char* path);

// Size in bytes of a file; false when path is missing or is not a regular file.
bool QueryFileSize(const char* path, uint64_t& size);

enum class CreateResult { Created, AlreadyExists, Failed };
// Creates one directory; its parent must exist. AlreadyExists when anything already has that
// name (a file included), as CreateDirectoryA's ERROR_ALREADY_EXISTS.
CreateResult MakeDirectory(const char* path);

// Removes one empty directory; a link to a directory is removed itself, whatever it leads to.
bool RemoveEmptyDirectory(const char* path);

// Identity of the directory (or file) that path leads to, links followed: two paths with the
// same volume and index are one directory. False when path is missing.
bool GetFileIdentity(const char* path, uint64_t& volume, uint64_t& index);

// Deletes one file (or link).
bool RemoveFile(const char* path);

// Makes a file writable again (Windows: attributes set to normal; POSIX: owner write bit).
bool ClearReadOnly(const char* path);

// Copies one file's content, replacing an existing target; the target gets the source's
// permissions or attributes and last-write time (as CopyFileA). The target's directory must
// exist. Copying a file onto itself fails and leaves it intact. A failed copy leaves no
// partial new file behind.
bool CopyFileReplacing(const char* source, const char* target);

// Time of a file in Windows FILETIME units (100 ns since 1601-01-01 UTC): the later of its
// creation and last-write times. The file is opened for reading, so a missing, unreadable or
// directory path fails. POSIX systems without a birth time use the status-change time.
bool ReadFileTime(const char* path, uint64_t& fileTime);

// Gives the file source the name target, replacing a file of that name in one step, so a
// reader of target sees the old file or the new one, never a mix. Both must be on one volume.
bool RenameReplacing(const char* source, const char* target);

}  // namespace ovfs
