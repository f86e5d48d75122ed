// The child-process service on POSIX systems: pipe(), posix_spawn() and poll(). Generic POSIX
// code, plus posix_spawn_file_actions_addchdir_np (glibc, musl, the BSDs, macOS) for a child
// that starts in another directory. No shell is ever involved.
#include "core/platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace ovproc {
namespace {

constexpr size_t kReadChunk = 64 * 1024;
// How often a silent child is checked for having ended (its pipes may be held open by a
// process it started, so the end of the streams alone does not tell).
constexpr int kExitCheckMilliseconds = 50;

// Puts fd above the standard descriptors, close-on-exec, so that the child's dup2 onto 1 and
// 2 can never collide with it and nothing but those copies reaches any child.
bool MakePrivate(int& fd) {
  if (fd > 2) {
    int flags = fcntl(fd, F_GETFD);
    return flags >= 0 && fcntl(fd, F_SETFD, flags | FD_CLOEXEC) == 0;
  }
  int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  if (moved < 0) return false;
  close(fd);
  fd = moved;
  return true;
}

struct Stream {
  int fd;
  std::string* kept;
  size_t* total;
  bool open;
};

// Reads once from a readable stream, straight into the kept text while it may grow; the stream
// closes at its end or on a hard error.
void ReadOnce(Stream& stream, size_t keep, char* scratch) {
  std::string& kept = *stream.kept;
  size_t size = kept.size();
  size_t room = keep - size;
  ssize_t n;
  if (room >= kReadChunk) {
    if (kept.capacity() < size + kReadChunk) kept.reserve(2 * kept.capacity() + kReadChunk);
    kept.resize(size + kReadChunk);
    n = read(stream.fd, &kept[size], kReadChunk);
    kept.resize(size + (n > 0 ? static_cast<size_t>(n) : 0));
  } else {
    n = read(stream.fd, scratch, kReadChunk);
    if (n > 0) kept.append(scratch, static_cast<size_t>(n) < room ? static_cast<size_t>(n) : room);
  }
  if (n > 0) {
    *stream.total += static_cast<size_t>(n);
  } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
    stream.open = false;
  }
}

uint32_t ExitCodeOf(int status) {
  if (WIFEXITED(status)) return static_cast<uint32_t>(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return 128u + static_cast<uint32_t>(WTERMSIG(status));
  return 1;
}

}  // namespace

bool CreateChildPipe(Handle& readEnd, Handle& writeEnd, uint32_t, uint32_t& error) {
  readEnd = writeEnd = kInvalidHandle;
  int fds[2];
  if (pipe(fds) != 0) {
    error = static_cast<uint32_t>(errno);
    return false;
  }
  if (!MakePrivate(fds[0]) || !MakePrivate(fds[1])) {
    error = static_cast<uint32_t>(errno);
    close(fds[0]);
    close(fds[1]);
    return false;
  }
  readEnd = fds[0];
  writeEnd = fds[1];
  return true;
}

bool MakeNotInheritable(Handle handle, uint32_t& error) {
  int fd = static_cast<int>(handle);
  int flags = fcntl(fd, F_GETFD);
  if (flags < 0 || fcntl(fd, F_SETFD, flags | FD_CLOEXEC) != 0) {
    error = static_cast<uint32_t>(errno);
    return false;
  }
  return true;
}

void ClosePipeEnd(Handle handle) {
  if (handle != kInvalidHandle) close(static_cast<int>(handle));
}

bool StartChild(const ChildStart& start, Handle& stdOutWrite, Handle& stdErrWrite, ChildInfo& info,
                uint32_t& error) {
  posix_spawn_file_actions_t actions;
  int rc = posix_spawn_file_actions_init(&actions);
  if (rc != 0) {
    error = static_cast<uint32_t>(rc);
    return false;
  }
  posix_spawnattr_t attributes;
  rc = posix_spawnattr_init(&attributes);
  if (rc != 0) {
    posix_spawn_file_actions_destroy(&actions);
    error = static_cast<uint32_t>(rc);
    return false;
  }

  rc = posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (rc == 0) rc = posix_spawn_file_actions_adddup2(&actions, static_cast<int>(stdOutWrite), 1);
  if (rc == 0) rc = posix_spawn_file_actions_adddup2(&actions, static_cast<int>(stdErrWrite), 2);
  if (rc == 0 && start.workingDirectory && *start.workingDirectory)
    rc = posix_spawn_file_actions_addchdir_np(&actions, start.workingDirectory);

  // A parent that blocks or ignores signals must not pass that on to the tools it runs.
  sigset_t signals;
  sigemptyset(&signals);
  if (rc == 0) rc = posix_spawnattr_setsigmask(&attributes, &signals);
  sigaddset(&signals, SIGPIPE);
  if (rc == 0) rc = posix_spawnattr_setsigdefault(&attributes, &signals);
  if (rc == 0) rc = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  pid_t pid = -1;
  if (rc == 0)
    rc = posix_spawn(&pid, start.program, &actions, &attributes, const_cast<char* const*>(start.argv), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    error = static_cast<uint32_t>(rc);
    return false;
  }

  info.process = pid;
  info.thread = kInvalidHandle;
  info.processId = static_cast<uint32_t>(pid);
  info.threadId = 0;
  ClosePipeEnd(stdOutWrite);
  ClosePipeEnd(stdErrWrite);
  stdOutWrite = stdErrWrite = kInvalidHandle;
  return true;
}

bool WaitForChild(ChildInfo& info, Handle stdOutRead, Handle stdErrRead, size_t keep, ChildOutput& output,
                  uint32_t& exitCode, uint32_t& error) {
  pid_t pid = static_cast<pid_t>(info.process);
  Stream streams[2] = {
      {static_cast<int>(stdOutRead), &output.out, &output.outTotal, stdOutRead != kInvalidHandle},
      {static_cast<int>(stdErrRead), &output.err, &output.errTotal, stdErrRead != kInvalidHandle},
  };
  char buffer[kReadChunk];
  bool ended = false;
  int status = 0;

  for (;;) {
    pollfd fds[2];
    Stream* polled[2];
    nfds_t count = 0;
    for (Stream& stream : streams) {
      if (!stream.open) continue;
      fds[count].fd = stream.fd;
      fds[count].events = POLLIN;
      fds[count].revents = 0;
      polled[count++] = &stream;
    }
    if (count == 0) break;
    int ready = poll(fds, count, ended ? 0 : kExitCheckMilliseconds);
    if (ready < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (ready == 0) {
      // Ended and nothing left to read: whatever still holds the pipes is not our child.
      if (ended) break;
      pid_t reaped = waitpid(pid, &status, WNOHANG);
      if (reaped == pid) {
        ended = true;
      } else if (reaped < 0 && errno != EINTR) {
        error = static_cast<uint32_t>(errno);
        info.process = kInvalidHandle;
        return false;
      }
      continue;
    }
    for (nfds_t i = 0; i < count; ++i) {
      if (fds[i].revents != 0) ReadOnce(*polled[i], keep, buffer);
    }
  }

  if (!ended) {
    pid_t reaped;
    do {
      reaped = waitpid(pid, &status, 0);
    } while (reaped < 0 && errno == EINTR);
    if (reaped < 0) {
      error = static_cast<uint32_t>(errno);
      info.process = kInvalidHandle;
      return false;
    }
  }
  info.process = kInvalidHandle;
  exitCode = ExitCodeOf(status);
  return true;
}

void ReleaseChild(ChildInfo& info) {
  // POSIX has no handle to close; a child that has ended is reaped, a running one runs on.
  if (info.process != kInvalidHandle) {
    int status = 0;
    waitpid(static_cast<pid_t>(info.process), &status, WNOHANG);
  }
  info.thread = kInvalidHandle;
  info.process = kInvalidHandle;
}

std::string SystemErrorText(uint32_t error) {
  const char* text = strerror(static_cast<int>(error));
  if (!text || !*text) return std::string();
  return std::string(text) + "\n";
}

bool TerminateChild(const ChildInfo& info) {
  return info.process != kInvalidHandle && kill(static_cast<pid_t>(info.process), SIGKILL) == 0;
}

}  // namespace ovproc
