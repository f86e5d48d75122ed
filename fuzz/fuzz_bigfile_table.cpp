// Fuzz target: a big-file archive. Opens it and reads its entries through the archive, through
// the file layer (a COvFile over the entry's handle, whole-file reads included) and through a
// cached handle opened by the entry's name. Every way gives the same bytes, exactly as many as
// the table says, and all handles close again.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "bigfile/ovbigfile.h"
#include "core/ovcrc.h"
#include "core/ovfile.h"
#include "core/ovfilehandlecached.h"
#include "core/ovidentifier.h"
#include "fuzz_support.h"

namespace {

// Entries read in full per input: a table may list thousands, all over the same bytes.
constexpr int kMaxEntriesRead = 64;
constexpr uint32_t kMaxExpanded = 16 << 20;

// Unregisters the archive however the input ends.
struct Registration {
  explicit Registration(COvBigFile* archive) { COvFileSystemUnCached::m_aBigFile.Add(archive); }
  ~Registration() { COvFileSystemUnCached::m_aBigFile.RemoveAll(); }
};

std::string ReadThroughArchive(COvBigFile& archive, COvFileHandleBigFile* handle) {
  std::string bytes;
  char step[4096];
  for (int got; (got = archive.FileRead(handle, step, sizeof step)) > 0;) {
    bytes.append(step, static_cast<size_t>(got));
    handle->SetPosition(handle->GetPosition() + got);
  }
  handle->SetPosition(0);
  return bytes;
}

void CheckFileLayer(COvFileHandle* handle, const std::string& bytes) {
  COvFile file(handle);
  const int size = static_cast<int>(bytes.size());
  ovfuzz::Check(file.GetSize() == size, "the file layer gives the entry's size");
  std::string read;
  char step[1000];
  for (int got; (got = file.Read(step, sizeof step)) > 0;) read.append(step, static_cast<size_t>(got));
  ovfuzz::Check(read == bytes, "the file layer reads the entry's bytes");
  ovfuzz::Check(file.SeekFromEnd(0) && file.GetPos() == size, "the end of an entry is its size");
  ovfuzz::Check(!file.SeekFromStart(size + 1), "no position past the end of an entry");
  if (ovfuzz::PromisesMoreThan(bytes.data(), bytes.size(), kMaxExpanded)) return;
  int wholeSize = 0;
  uint8_t* whole = file.ReadEntireFile(wholeSize);
  if (!OvIsCompressed(bytes.data(), size)) {
    ovfuzz::Check(wholeSize == size && (size == 0 || std::memcmp(whole, bytes.data(), bytes.size()) == 0),
                  "a whole plain entry reads as its bytes");
  }
  delete[] whole;
}

void CheckCachedByName(const char* name, const std::string& bytes) {
  COvFileHandleCached cached;
  ovfuzz::Check(cached.Open(name, eOvFileSystemOpenMode_ReadBinary, true) == eOvFileSystemError_None,
                "an entry found by name opens cached");
  if (!cached.IsCompressed()) {
    std::string read;
    char step[3000];
    for (int got; (got = cached.Read(step, sizeof step)) > 0;) read.append(step, static_cast<size_t>(got));
    ovfuzz::Check(read == bytes, "the cached handle reads the entry's bytes");
  }
  ovfuzz::Check(cached.Close() == eOvFileSystemError_None, "the cached handle closes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (64u << 10)) return 0;
  const std::string& path = ovfuzz::WriteScratchFile(data, size, "archive.big");
  COvBigFile archive;
  if (archive.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary) != eOvFileSystemError_None) return 0;
  const COvBigFileFAT& fat = *archive.GetFAT();
  {
    Registration registration(&archive);
    for (int i = 0; i < fat.GetNumEntries() && i < kMaxEntriesRead; ++i) {
      const COvBigFileEntry& entry = fat.GetEntry(i);
      COvFileHandleBigFile* handle = archive.FileOpenByIndex(i);
      ovfuzz::Check(handle != nullptr, "every entry opens by index");
      const std::string bytes = ReadThroughArchive(archive, handle);
      ovfuzz::Check(static_cast<int>(bytes.size()) == entry.GetSize(), "an entry reads its size");
      std::string async(bytes.size(), '\0');
      ovfuzz::Check(archive.AsyncRead(handle, &async[0], entry.GetSize()) == eOvFileSystemError_None &&
                        async == bytes,
                    "an asynchronous read gives the same bytes");
      CheckFileLayer(handle, bytes);
      COvFileHandle* closing = handle;
      ovfuzz::Check(COvFileSystemUnCached::Close(closing) == eOvFileSystemError_None, "an entry closes");

      const COvString& name = entry.GetStoredName();
      uint64_t crc = CreateCrc64_ToLower(name.GetBuffer(), name.GetLength(), COvIdentifier::NULL_CRC64);
      if (fat.FindEntry(crc) == i && !ovfuzz::PromisesMoreThan(bytes.data(), bytes.size(), kMaxExpanded))
        CheckCachedByName(name.GetBuffer(), bytes);
    }
  }
  ovfuzz::Check(archive.Close() == eOvFileSystemError_None, "the archive closes once its handles are");
  return 0;
}
