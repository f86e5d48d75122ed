// The threading service on Windows: _beginthreadex, kernel events and semaphores,
// critical sections, and the debugger's thread-naming exception.
#include <process.h>
#include <windows.h>

#include <cwchar>
#include <new>

#include "core/platform/thread.h"

namespace ovthread {
namespace {

bool Fail(uint32_t& error) {
  error = GetLastError();
  return false;
}

// _beginthreadex wants a __stdcall entry; the caller's plain one is called through this.
struct Start {
  Entry entry;
  void* argument;
};

unsigned __stdcall RunThread(void* start) {
  Start copy = *static_cast<Start*>(start);
  delete static_cast<Start*>(start);
  return copy.entry(copy.argument);
}

// The exception code debuggers take as "name this thread".
constexpr DWORD kThreadNameException = 0x406D1388;

#pragma pack(push, 8)
struct ThreadNameInfo {
  DWORD type;  // 0x1000
  LPCSTR name;
  DWORD threadId;  // -1: the calling thread
  DWORD flags;
};
#pragma pack(pop)

// Continues after the naming exception when the debugger passed it on.
LONG CALLBACK SkipThreadNameException(EXCEPTION_POINTERS* info) {
  return info->ExceptionRecord->ExceptionCode == kThreadNameException ? EXCEPTION_CONTINUE_EXECUTION
                                                                      : EXCEPTION_CONTINUE_SEARCH;
}

typedef HRESULT(WINAPI* SetThreadDescriptionFunction)(HANDLE, PCWSTR);

}  // namespace

bool StartThread(Entry entry, void* argument, Handle& thread, uint32_t& threadId, uint32_t& error) {
  Start* start = new (std::nothrow) Start{entry, argument};
  if (!start) {
    error = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  unsigned id = 0;
  uintptr_t created = _beginthreadex(nullptr, 0, &RunThread, start, 0, &id);
  if (created == 0) {
    delete start;
    return Fail(error);
  }
  thread = reinterpret_cast<Handle>(created);
  threadId = id;
  return true;
}

bool CloseObject(Handle handle, uint32_t& error) { return CloseHandle(handle) || Fail(error); }

bool WaitForObject(Handle handle, uint32_t& error) {
  return WaitForSingleObject(handle, INFINITE) != WAIT_FAILED || Fail(error);
}

bool NewEvent(Handle& event, uint32_t& error) {
  HANDLE created = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (!created) return Fail(error);
  event = created;
  return true;
}

bool SignalEvent(Handle event, uint32_t& error) { return SetEvent(event) || Fail(error); }

bool ClearEvent(Handle event, uint32_t& error) { return ResetEvent(event) || Fail(error); }

bool NewSemaphore(Handle& semaphore, int initial, int maximum, uint32_t& error) {
  HANDLE created = CreateSemaphoreA(nullptr, initial, maximum, nullptr);
  if (!created) return Fail(error);
  semaphore = created;
  return true;
}

bool PostSemaphore(Handle semaphore, uint32_t& error) {
  return ReleaseSemaphore(semaphore, 1, nullptr) || Fail(error);
}

bool InitLock(Lock& lock, uint32_t& error) {
  CRITICAL_SECTION* section = new (std::nothrow) CRITICAL_SECTION;
  if (!section) {
    error = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  InitializeCriticalSection(section);
  lock.native = section;
  return true;
}

void EnterLock(Lock& lock) { EnterCriticalSection(static_cast<CRITICAL_SECTION*>(lock.native)); }

void LeaveLock(Lock& lock) { LeaveCriticalSection(static_cast<CRITICAL_SECTION*>(lock.native)); }

void DestroyLock(Lock& lock) {
  CRITICAL_SECTION* section = static_cast<CRITICAL_SECTION*>(lock.native);
  if (section) {
    DeleteCriticalSection(section);
    delete section;
  }
  lock.native = nullptr;
}

void SleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

void YieldThread() { SwitchToThread(); }

int ProcessorCount() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return info.dwNumberOfProcessors < 1 ? 1 : static_cast<int>(info.dwNumberOfProcessors);
}

void NameCurrentThread(const char* name) {
  if (!name) return;
  // Newer systems keep the name themselves, for every debugger and crash dump.
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  SetThreadDescriptionFunction setDescription =
      kernel ? reinterpret_cast<SetThreadDescriptionFunction>(
                   reinterpret_cast<void*>(GetProcAddress(kernel, "SetThreadDescription")))
             : nullptr;
  if (setDescription) {
    wchar_t wide[256];
    int length = MultiByteToWideChar(CP_ACP, 0, name, -1, wide, 256);
    wide[length > 0 ? length - 1 : 0] = 0;
    setDescription(GetCurrentThread(), wide);
  }
  // An attached debugger reads the name from the exception; without one it is not raised, and
  // a debugger that hands it back finds the handler that resumes the thread.
  if (!IsDebuggerPresent()) return;
  ThreadNameInfo info = {0x1000, name, static_cast<DWORD>(-1), 0};
  PVOID handler = AddVectoredExceptionHandler(1, &SkipThreadNameException);
  RaiseException(kThreadNameException, 0, sizeof(info) / sizeof(ULONG_PTR),
                 reinterpret_cast<const ULONG_PTR*>(&info));
  if (handler) RemoveVectoredExceptionHandler(handler);
}

}  // namespace ovthread
