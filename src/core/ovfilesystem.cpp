// The file layer's routing: disk files through C runtime streams, archive entries through
// their archive (see ovfilesystembigfile.cpp), anything else answered with neutral results.
#include "core/ovfilesystem.h"

#include <cstring>
#include <memory>

#include "core/platform/filesystem.h"
#include "core/platform/host.h"

bool COvFileSystemUnCached::m_bSwapDWORDOnWrite = false;

namespace {

// POSIX runtimes have no text mode; "t" is a Microsoft runtime mode letter.
const char* ModeString(int mode) {
  switch (mode) {
    case eOvFileSystemOpenMode_ReadBinary:
      return "rb";
    case eOvFileSystemOpenMode_WriteBinary:
      return "wb";
    case eOvFileSystemOpenMode_AppendBinary:
      return "ab";
    case eOvFileSystemOpenMode_ReadText:
      return ovhost::kIsWindows ? "rt" : "r";
    case eOvFileSystemOpenMode_WriteText:
      return ovhost::kIsWindows ? "wt" : "w";
    case eOvFileSystemOpenMode_AppendText:
      return ovhost::kIsWindows ? "at" : "a";
    default:
      return nullptr;
  }
}

// The disk stream of a handle, or null when the handle is not an open disk file.
FILE* DiskStream(COvFileHandle* handle) {
  if (!handle || handle->GetType() != eOvFileHandleType_Disk) return nullptr;
  return static_cast<COvFileHandleStdPC*>(handle)->GetStream();
}

}  // namespace

EOvFileSystemError COvFileSystemUnCached::Open(COvFileHandle*& handle, const char* name, int mode,
                                               bool useBigFiles) {
  if (mode == eOvFileSystemOpenMode_Invalid) return eOvFileSystemError_InvalidMode;
  if ((mode == eOvFileSystemOpenMode_ReadBinary || mode == eOvFileSystemOpenMode_ReadText) && useBigFiles &&
      name) {
    if (COvFileHandle* entry = OpenInBigFiles(name)) {
      handle = entry;
      return eOvFileSystemError_None;
    }
  }
  const char* modeString = ModeString(mode);
  if (!modeString) return eOvFileSystemError_InvalidMode;
  handle = nullptr;
  // Some runtimes open a directory as a stream that then fails every read.
  if (!name || !*name || ovfs::GetEntryKind(name) == ovfs::EntryKind::Directory)
    return eOvFileSystemError_Open;
  FILE* stream = std::fopen(name, modeString);
  if (!stream) return eOvFileSystemError_Open;
  handle = new COvFileHandleStdPC(name, mode, stream);
  return eOvFileSystemError_None;
}

EOvFileSystemError COvFileSystemUnCached::Close(COvFileHandle*& handle) {
  if (!handle) return eOvFileSystemError_NoHandle;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk: {
      bool closed = static_cast<COvFileHandleStdPC*>(handle)->CloseStream();
      delete handle;
      handle = nullptr;
      return closed ? eOvFileSystemError_None : eOvFileSystemError_Close;
    }
    case eOvFileHandleType_BigFile:
      return CloseBigFileEntry(handle);
    default:
      return eOvFileSystemError_Close;
  }
}

int COvFileSystemUnCached::Read(COvFileHandle* handle, void* buffer, int n) {
  if (!handle || !buffer || n < 1) return 0;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk: {
      FILE* stream = DiskStream(handle);
      return stream ? static_cast<int>(std::fread(buffer, 1, static_cast<size_t>(n), stream)) : 0;
    }
    case eOvFileHandleType_BigFile:
      return ReadBigFileEntry(handle, buffer, n);
    default:
      return 0;
  }
}

int COvFileSystemUnCached::Write(COvFileHandle* handle, const void* buffer, int n) {
  if (!handle) return eOvFileSystemError_NoHandle;
  FILE* stream = DiskStream(handle);
  if (!stream || !buffer || n < 1) return 0;
  const void* data = buffer;
  std::unique_ptr<unsigned char[]> swapped;
  if (m_bSwapDWORDOnWrite && n >= 4) {
    swapped.reset(new unsigned char[static_cast<size_t>(n)]);
    std::memcpy(swapped.get(), buffer, static_cast<size_t>(n));
    for (int word = 0; word + 4 <= n; word += 4) {
      unsigned char* p = swapped.get() + word;
      unsigned char b0 = p[0], b1 = p[1];
      p[0] = p[3];
      p[1] = p[2];
      p[2] = b1;
      p[3] = b0;
    }
    data = swapped.get();
  }
  return std::fwrite(data, static_cast<size_t>(n), 1, stream) == 1 ? n : 0;
}

int COvFileSystemUnCached::GetPos(COvFileHandle* handle) {
  if (!handle) return -1;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk: {
      FILE* stream = DiskStream(handle);
      return stream ? static_cast<int>(std::ftell(stream)) : -1;
    }
    case eOvFileHandleType_BigFile:
      return GetBigFileEntryPos(handle);
    default:
      return 0;
  }
}

bool COvFileSystemUnCached::Seek(COvFileHandle* handle, int offset, ESeekOrigin origin) {
  if (!handle) return false;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk: {
      FILE* stream = DiskStream(handle);
      if (!stream) return false;
      int whence = origin == SEEK_ORIGIN_START     ? SEEK_SET
                   : origin == SEEK_ORIGIN_CURRENT ? SEEK_CUR
                                                   : SEEK_END;
      return std::fseek(stream, offset, whence) == 0;
    }
    case eOvFileHandleType_BigFile:
      return SeekBigFileEntry(handle, offset, origin);
    default:
      return false;
  }
}

bool COvFileSystemUnCached::SeekFromStart(COvFileHandle* handle, int offset) {
  return Seek(handle, offset, SEEK_ORIGIN_START);
}

bool COvFileSystemUnCached::SeekFromCurrent(COvFileHandle* handle, int offset) {
  return Seek(handle, offset, SEEK_ORIGIN_CURRENT);
}

bool COvFileSystemUnCached::SeekFromEnd(COvFileHandle* handle, int offset) {
  return Seek(handle, offset, SEEK_ORIGIN_END);
}

int COvFileSystemUnCached::GetSize(COvFileHandle* handle) {
  if (!handle) return 0;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk: {
      FILE* stream = DiskStream(handle);
      if (!stream) return 0;
      long position = std::ftell(stream);
      if (position < 0 || std::fseek(stream, 0, SEEK_END) != 0) return 0;
      long size = std::ftell(stream);
      std::fseek(stream, position, SEEK_SET);
      return size < 0 ? 0 : static_cast<int>(size);
    }
    case eOvFileHandleType_BigFile:
      return GetBigFileEntrySize(handle);
    default:
      return 0;
  }
}

bool COvFileSystemUnCached::Exists(const char* name) {
  return name && *name && ovfs::GetEntryKind(name) == ovfs::EntryKind::File;
}

EOvFileSystemError COvFileSystemUnCached::AsyncRead(COvFileHandle* handle, void* buffer, int n) {
  if (!handle) return eOvFileSystemError_NoHandle;
  if (handle->GetAsyncState() != eOvFileAsyncState_Idle) return eOvFileSystemError_AsyncBusy;
  handle->SetAsyncState(eOvFileAsyncState_Reading);
  EOvFileSystemError result;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk:
      result = Read(handle, buffer, n) < n ? eOvFileSystemError_Read : eOvFileSystemError_None;
      break;
    case eOvFileHandleType_BigFile:
      result = AsyncReadBigFileEntry(handle, buffer, n);
      break;
    default:
      result = eOvFileSystemError_Read;
      break;
  }
  handle->SetAsyncState(eOvFileAsyncState_Idle);
  return result;
}

EOvFileSystemError COvFileSystemUnCached::AsyncWrite(COvFileHandle* handle, const void* buffer, int n) {
  if (!handle) return eOvFileSystemError_NoHandle;
  if (handle->GetAsyncState() != eOvFileAsyncState_Idle) return eOvFileSystemError_AsyncBusy;
  handle->SetAsyncState(eOvFileAsyncState_Writing);
  EOvFileSystemError result;
  switch (handle->GetType()) {
    case eOvFileHandleType_Disk:
      result = Write(handle, buffer, n) < n ? eOvFileSystemError_Write : eOvFileSystemError_None;
      break;
    case eOvFileHandleType_BigFile:
      // Archive entries take no data; the write is dropped silently.
      result = eOvFileSystemError_None;
      break;
    default:
      result = eOvFileSystemError_WriteNotSupported;
      break;
  }
  handle->SetAsyncState(eOvFileAsyncState_Idle);
  return result;
}
