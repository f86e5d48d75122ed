// The file-system service on POSIX systems. Generic POSIX code, plus the Linux calls that make
// copies kernel-side (copy_file_range, sendfile) and give birth times (statx), each with a
// portable fallback.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/platform/filesystem.h"

#ifdef __linux__
#include <sys/sendfile.h>
#endif

namespace ovfs {
namespace {

// Seconds between 1601-01-01 and 1970-01-01.
constexpr int64_t kEpochDifference = 11644473600LL;

uint64_t ToFileTime(int64_t seconds, int64_t nanoseconds) {
  int64_t since1601 = seconds + kEpochDifference;
  if (since1601 < 0) return 0;
  return static_cast<uint64_t>(since1601) * 10000000ULL + static_cast<uint64_t>(nanoseconds / 100);
}

uint64_t Later(uint64_t a, uint64_t b) { return a > b ? a : b; }

// The later of birth (or status-change) time and last-write time of dirFd/name, not following
// a final link; with a null name, of the open file dirFd itself.
bool StatFileTime(int dirFd, const char* name, uint64_t& fileTime) {
#if defined(__linux__) && defined(STATX_BTIME)
  struct statx extended;
  int result =
      name ? statx(dirFd, name, AT_SYMLINK_NOFOLLOW, STATX_MTIME | STATX_CTIME | STATX_BTIME, &extended)
           : statx(dirFd, "", AT_EMPTY_PATH, STATX_MTIME | STATX_CTIME | STATX_BTIME, &extended);
  if (result == 0) {
    uint64_t written = ToFileTime(extended.stx_mtime.tv_sec, extended.stx_mtime.tv_nsec);
    const struct statx_timestamp& created =
        (extended.stx_mask & STATX_BTIME) ? extended.stx_btime : extended.stx_ctime;
    fileTime = Later(written, ToFileTime(created.tv_sec, created.tv_nsec));
    return true;
  }
  if (errno != ENOSYS) return false;
#endif
  struct stat info;
  if ((name ? fstatat(dirFd, name, &info, AT_SYMLINK_NOFOLLOW) : fstat(dirFd, &info)) != 0) return false;
  fileTime = Later(ToFileTime(info.st_mtim.tv_sec, info.st_mtim.tv_nsec),
                   ToFileTime(info.st_ctim.tv_sec, info.st_ctim.tv_nsec));
  return true;
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = open(path, flags, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t written = write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// Reads until end of file; the slow path for files the kernel cannot copy by itself.
bool CopyBuffered(int in, int out) {
  constexpr size_t kBufferSize = 1 << 20;
  std::unique_ptr<char[]> buffer(new char[kBufferSize]);
  for (;;) {
    ssize_t got = read(in, buffer.get(), kBufferSize);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) return true;
    if (!WriteAll(out, buffer.get(), static_cast<size_t>(got))) return false;
  }
}

bool IsUnsupported(int error) {
  return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP || error == EPERM ||
         error == EBADF;
}

// Copies the size bytes of in to out (both at offset 0). Kernel-side where possible; a call that
// is unsupported before the first byte moved falls back to the next method.
bool CopyContent(int in, int out, off_t size) {
  // A zero size may be a pseudo-file whose content only reading reveals.
  if (size <= 0) return CopyBuffered(in, out);
  constexpr size_t kChunk = size_t(1) << 30;
  off_t copied = 0;
#ifdef __linux__
  while (copied < size) {
    size_t want = static_cast<size_t>(size - copied) < kChunk ? static_cast<size_t>(size - copied) : kChunk;
    ssize_t moved = copy_file_range(in, nullptr, out, nullptr, want, 0);
    if (moved > 0) {
      copied += moved;
      continue;
    }
    if (moved == 0) return true;  // The file shrank meanwhile.
    if (errno == EINTR) continue;
    if (copied == 0 && IsUnsupported(errno)) break;
    return false;
  }
  if (copied >= size) return true;
  while (copied < size) {
    size_t want = static_cast<size_t>(size - copied) < kChunk ? static_cast<size_t>(size - copied) : kChunk;
    ssize_t moved = sendfile(out, in, nullptr, want);
    if (moved > 0) {
      copied += moved;
      continue;
    }
    if (moved == 0) return true;
    if (errno == EINTR) continue;
    if (copied == 0 && IsUnsupported(errno)) break;
    return false;
  }
  if (copied >= size) return true;
#else
  (void)kChunk;
  (void)copied;
#endif
  return CopyBuffered(in, out);
}

}  // namespace

bool ListDirectory(const char* directory, bool wantTimes, const DirectoryVisitor& visit) {
  if (!directory || !*directory) return false;
  DIR* dir = opendir(directory);
  if (!dir) return false;
  int fd = dirfd(dir);
  while (struct dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    DirectoryEntry out{name, false, false, 0};
    unsigned char type = entry->d_type;
    struct stat info;
    if (type == DT_UNKNOWN && fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
      if (S_ISDIR(info.st_mode)) type = DT_DIR;
      if (S_ISLNK(info.st_mode)) type = DT_LNK;
    }
    out.isLink = type == DT_LNK;
    out.isDirectory = type == DT_DIR || (out.isLink && fstatat(fd, name, &info, 0) == 0 && S_ISDIR(info.st_mode));
    if (wantTimes) StatFileTime(fd, name, out.fileTime);
    visit(out);
  }
  closedir(dir);
  return true;
}

EntryKind GetEntryKind(const char* path) {
  struct stat info;
  if (!path || stat(path, &info) != 0) return EntryKind::Missing;
  return S_ISDIR(info.st_mode) ? EntryKind::Directory : EntryKind::File;
}

bool QueryFileSize(const char* path, uint64_t& size) {
  struct stat info;
  if (!path || stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<uint64_t>(info.st_size);
  return true;
}

CreateResult MakeDirectory(const char* path) {
  if (!path) return CreateResult::Failed;
  if (mkdir(path, 0777) == 0) return CreateResult::Created;
  return errno == EEXIST ? CreateResult::AlreadyExists : CreateResult::Failed;
}

bool RemoveEmptyDirectory(const char* path) {
  struct stat info;
  if (!path || lstat(path, &info) != 0) return false;
  return S_ISLNK(info.st_mode) ? unlink(path) == 0 : rmdir(path) == 0;
}

bool GetFileIdentity(const char* path, uint64_t& volume, uint64_t& index) {
  struct stat info;
  if (!path || !*path || stat(path, &info) != 0) return false;
  volume = static_cast<uint64_t>(info.st_dev);
  index = static_cast<uint64_t>(info.st_ino);
  return true;
}

bool RemoveFile(const char* path) {
  if (!path) return false;
  struct stat info;
  // unlink may remove a directory on some systems when run as root; a file is asked for.
  if (lstat(path, &info) != 0 || S_ISDIR(info.st_mode)) return false;
  return unlink(path) == 0;
}

bool ClearReadOnly(const char* path) {
  struct stat info;
  if (!path || lstat(path, &info) != 0) return false;
  if (S_ISLNK(info.st_mode)) return true;
  return chmod(path, (info.st_mode & 07777) | S_IWUSR) == 0;
}

bool CopyFileReplacing(const char* source, const char* target) {
  if (!source || !target) return false;
  int in = OpenRetrying(source, O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat sourceInfo;
  if (fstat(in, &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode)) {
    close(in);
    return false;
  }
  bool created = true;
  int out = OpenRetrying(target, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (out < 0 && errno == EEXIST) {
    created = false;
    // Non-blocking so that a FIFO of that name cannot stall the open.
    out = OpenRetrying(target, O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat targetInfo;
    if (out >= 0 && (fstat(out, &targetInfo) != 0 || !S_ISREG(targetInfo.st_mode) ||
                     (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino) ||
                     ftruncate(out, 0) != 0)) {
      close(out);
      close(in);
      return false;
    }
    if (out >= 0) fcntl(out, F_SETFL, 0);
  }
  if (out < 0) {
    close(in);
    return false;
  }
  bool ok = CopyContent(in, out, sourceInfo.st_size);
  if (ok) ok = fchmod(out, sourceInfo.st_mode & 0777) == 0;
  if (ok) {
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1] = sourceInfo.st_mtim;
    ok = futimens(out, times) == 0;
  }
  if (close(out) != 0) ok = false;
  close(in);
  if (!ok && created) unlink(target);
  return ok;
}

bool ReadFileTime(const char* path, uint64_t& fileTime) {
  if (!path) return false;
  int fd = OpenRetrying(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode) && StatFileTime(fd, nullptr, fileTime);
  close(fd);
  return ok;
}

bool RenameReplacing(const char* source, const char* target) {
  return source && target && *source && *target && rename(source, target) == 0;
}

}  // namespace ovfs
