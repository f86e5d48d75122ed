// File handles: the objects behind COvFile and COvFileSystemUnCached. A handle is created with
// new by an Open (disk files) or by an archive (archive entries) and destroyed only through
// the file system's Close. Also the codes shared by the whole file layer.
#pragma once

#include <cstdio>

#include "core/ovstring.h"

// The C runtime mode string used for disk files: 1 "rb", 2 "wb", 3 "ab", 4 "rt", 5 "wt",
// 6 "at". Any other value is invalid. Functions take the value as an int.
enum EOvFileSystemOpenMode {
  eOvFileSystemOpenMode_Invalid = 0,
  eOvFileSystemOpenMode_ReadBinary = 1,
  eOvFileSystemOpenMode_WriteBinary = 2,
  eOvFileSystemOpenMode_AppendBinary = 3,
  eOvFileSystemOpenMode_ReadText = 4,
  eOvFileSystemOpenMode_WriteText = 5,
  eOvFileSystemOpenMode_AppendText = 6,
};

enum EOvFileSystemError {
  eOvFileSystemError_None = 0,
  eOvFileSystemError_BigFileOpen = 1,        // a big-file archive could not be opened
  eOvFileSystemError_InvalidMode = 2,        // invalid open mode, or one an archive refuses
  eOvFileSystemError_AlreadyOpened = 3,      // the COvFile already holds a handle
  eOvFileSystemError_Close = 4,              // nothing to close, or closing failed
  eOvFileSystemError_Open = 5,               // the file could not be opened
  eOvFileSystemError_NoHandle = 6,           // no handle was given
  eOvFileSystemError_Read = 7,               // fewer bytes read than asked
  eOvFileSystemError_Write = 8,              // fewer bytes written than asked
  eOvFileSystemError_AsyncBusy = 10,         // an asynchronous operation is in progress
  eOvFileSystemError_WriteNotSupported = 13  // archive entries cannot be written
};

// Values of COvFileHandle::GetType.
enum EOvFileHandleType {
  eOvFileHandleType_Disk = 0,
  eOvFileHandleType_Cached = 1,
  eOvFileHandleType_BigFile = 2,
};

// Values of the asynchronous state.
enum EOvFileAsyncState {
  eOvFileAsyncState_Idle = 0,
  eOvFileAsyncState_Reading = 1,
  eOvFileAsyncState_Writing = 2,
};

class COvFileHandle {
 public:
  COvFileHandle() = default;
  COvFileHandle(const COvFileHandle&) = delete;
  COvFileHandle& operator=(const COvFileHandle&) = delete;
  virtual ~COvFileHandle();

  // One of EOvFileHandleType; the file system routes every operation by it.
  virtual int GetType() const = 0;
  virtual const COvString& GetName() const = 0;
  virtual int GetOpenMode() const = 0;

  int GetAsyncState() const { return m_iAsyncState; }
  void SetAsyncState(int state) { m_iAsyncState = state; }

 private:
  int m_iAsyncState = eOvFileAsyncState_Idle;
};

// A file on disk: its name and open mode.
class COvFileHandleStd : public COvFileHandle {
 public:
  COvFileHandleStd(const char* name, int openMode) : m_strName(name), m_iOpenMode(openMode) {}

  int GetType() const override { return eOvFileHandleType_Disk; }
  const COvString& GetName() const override { return m_strName; }
  int GetOpenMode() const override { return m_iOpenMode; }

 private:
  COvString m_strName;
  int m_iOpenMode;
};

// A disk file read and written through a C runtime stream. The handle owns the stream: it is
// closed by CloseStream, or by the destructor when still open.
class COvFileHandleStdPC : public COvFileHandleStd {
 public:
  COvFileHandleStdPC(const char* name, int openMode, FILE* stream)
      : COvFileHandleStd(name, openMode), m_pStream(stream) {}
  ~COvFileHandleStdPC() override;

  // Null once the stream was closed.
  FILE* GetStream() const { return m_pStream; }
  // Closes the stream; false when there was none or when the runtime reports a failure (for
  // example buffered data that could not be written).
  bool CloseStream();

 private:
  FILE* m_pStream;
};
