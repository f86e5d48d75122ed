// bigfile list / extract / pack: big-file archives through COvBigFile and COvBigFileGenerator.
// Names inside archives use '/' between folders; extraction maps them to the host's paths.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "bigfile/ovbigfile.h"
#include "bigfile/ovbigfilegenerator.h"
#include "bigfile/ovcompressedheader.h"
#include "core/ovdirectory.h"
#include "core/platform/filesystem.h"
#include "core/platform/host.h"
#include "tools/datatool/commands.h"
#include "tools/datatool/tool_io.h"

namespace {

// Opens the archive, telling a missing file from a damaged table.
int OpenArchive(const std::string& path, COvBigFile& archive) {
  if (int status = OvToolCheckInputFile(path)) return status;
  if (archive.Open(path.c_str(), eOvFileSystemOpenMode_ReadBinary) != eOvFileSystemError_None) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: not a big file (its entry table is damaged or cut short)",
                      path.c_str());
  }
  return eOvDataTool_Success;
}

// Reads up to n bytes of an entry from position and returns the count.
int ReadEntry(COvBigFile& archive, COvFileHandleBigFile* handle, void* buffer, int n) {
  int got = archive.FileRead(handle, buffer, n);
  handle->SetPosition(handle->GetPosition() + got);
  return got;
}

bool EntryIsCompressed(COvBigFile& archive, int index) {
  COvFileHandleBigFile* handle = archive.FileOpenByIndex(index);
  if (!handle) return false;
  uint8_t header[kOvCompressedHeaderSize];
  int got = ReadEntry(archive, handle, header, sizeof header);
  archive.FileClose(handle);
  return OvIsCompressed(header, got);
}

// An entry name may only lead below the extraction folder: no absolute path, drive, empty or
// ".." part. Archives come from anywhere, so a name is never trusted to stay inside.
bool IsSafeEntryName(const std::string& name) {
  if (name.empty() || name.find(':') != std::string::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    std::string part = name.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    start = end + 1;
  }
  return true;
}

std::string NativeJoin(const std::string& dir, const std::string& name) {
  std::string path = dir;
  if (!path.empty() && path.back() != '/' && path.back() != ovhost::kNativeSeparator) path += ovhost::kNativeSeparator;
  for (char c : name) path += (c == '/' || c == '\\') ? ovhost::kNativeSeparator : c;
  return path;
}

// Creates folder and every missing folder above it.
bool CreateFolders(const std::string& folder) {
  for (size_t end = folder.find_first_of("/\\", 1); end != std::string::npos; end = folder.find_first_of("/\\", end + 1)) {
    OvCreateDirectory(TOvString<char>(folder.substr(0, end).c_str()));
  }
  OvCreateDirectory(TOvString<char>(folder.c_str()));
  return ovfs::GetEntryKind(folder.c_str()) == ovfs::EntryKind::Directory;
}

int ExtractEntry(COvBigFile& archive, int index, const std::string& dir, const std::string& input,
                 COvToolProgress& progress) {
  const std::string name = archive.GetFileNameByIndex(index).GetBuffer();
  if (!IsSafeEntryName(name)) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: entry '%s' has a name that leads outside the folder; not extracted",
                      input.c_str(), name.c_str());
  }
  const std::string target = NativeJoin(dir, name);
  if (int status = OvToolCheckNotInput(target, input)) return status;
  const std::string folder = target.substr(0, target.find_last_of(ovhost::kNativeSeparator));
  if (!CreateFolders(folder)) return OvToolFail(eOvDataTool_FailedOutput, "%s: folder cannot be created", folder.c_str());
  COvFileHandleBigFile* handle = archive.FileOpenByIndex(index);
  COvToolOutputFile output(target);
  if (!output.Open()) {
    archive.FileClose(handle);
    return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be created", target.c_str());
  }
  const int size = archive.GetFAT()->GetEntry(index).GetSize();
  std::unique_ptr<char[]> buffer(new char[1 << 16]);
  bool written = true;
  int done = 0;
  while (written && done < size) {
    int got = ReadEntry(archive, handle, buffer.get(), 1 << 16);
    if (got <= 0) break;
    written = output.Write(buffer.get(), got);
    done += got;
    progress.Advance(got);
  }
  archive.FileClose(handle);
  if (done < size) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: entry '%s' reads short (%d of %d bytes)", input.c_str(),
                      name.c_str(), done, size);
  }
  if (!written || !output.Commit()) return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written", target.c_str());
  return eOvDataTool_Success;
}

// The files below dir, as archive names relative to it, in byte order of the names.
std::vector<std::pair<std::string, std::string>> ListSources(const std::string& dir) {
  COvArray<TOvString<char>> files;
  OvRetrieveFilesFromDirectoryRecursive(TOvString<char>(dir.c_str()), files, COvArray<TOvString<char>>());
  std::vector<std::pair<std::string, std::string>> sources;  // name in archive, path on disk
  for (int i = 0; i < files.GetCount(); ++i) {
    std::string path = files[i].GetBuffer();
    std::string name = path.substr(dir.size());
    name.erase(0, name.find_first_not_of("/\\"));
    std::replace(name.begin(), name.end(), '\\', '/');
    sources.emplace_back(name, path);
  }
  std::sort(sources.begin(), sources.end());
  return sources;
}

}  // namespace

int OvRunBigFileList(const SOvToolInvocation& call) {
  COvBigFile archive;
  if (int status = OpenArchive(call.args[0], archive)) return status;
  for (int i = 0; i < archive.GetNumFiles(); ++i) {
    const COvBigFileEntry& entry = archive.GetFAT()->GetEntry(i);
    std::printf("%s\t%d\t%d\t%s\n", entry.GetStoredName().GetBuffer(), entry.GetSize(), entry.GetOffset(),
                EntryIsCompressed(archive, i) ? "compressed" : "plain");
  }
  return eOvDataTool_Success;
}

int OvRunBigFileExtract(const SOvToolInvocation& call) {
  const std::string& input = call.args[0];
  COvBigFile archive;
  if (int status = OpenArchive(input, archive)) return status;
  std::vector<int> chosen;
  for (int i = 0; call.extra.empty() && i < archive.GetNumFiles(); ++i) chosen.push_back(i);
  for (const std::string& name : call.extra) {
    COvFileHandleBigFile* handle = archive.FileOpen(name.c_str());
    if (!handle) return OvToolFail(eOvDataTool_FailedInput, "%s: no entry named '%s'", input.c_str(), name.c_str());
    chosen.push_back(archive.GetFAT()->FindEntry(handle->GetEntry()->GetCRC64()));
    archive.FileClose(handle);
  }
  int64_t total = 0;
  for (int index : chosen) total += archive.GetFAT()->GetEntry(index).GetSize();
  COvToolProgress progress("extract", total);
  for (int index : chosen) {
    if (int status = ExtractEntry(archive, index, call.args[1], input, progress)) return status;
  }
  return eOvDataTool_Success;
}

int OvRunBigFilePack(const SOvToolInvocation& call) {
  const std::string& dir = call.args[0];
  const std::string& target = call.args[1];
  if (ovfs::GetEntryKind(dir.c_str()) != ovfs::EntryKind::Directory) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: no such folder", dir.c_str());
  }
  const auto sources = ListSources(dir);
  COvBigFileGenerator generator;
  {
    COvToolProgress progress("pack: reading sizes", static_cast<int64_t>(sources.size()));
    for (const auto& source : sources) {
      if (int status = OvToolCheckNotInput(target, source.second)) return status;
      if (!generator.AddFile(source.second.c_str(), source.first.c_str())) {
        return OvToolFail(eOvDataTool_FailedInput, "%s: cannot be read, or the archive would pass 2 GB",
                          source.second.c_str());
      }
      progress.Advance(1);
    }
  }
  COvToolOutputFile output(target);
  COvToolProgress progress("pack: writing", 1);
  if (!generator.Save(output.TemporaryPath().c_str(), false, false) || !output.Commit()) {
    return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written (or a source changed while packing)",
                      target.c_str());
  }
  progress.Advance(1);
  return eOvDataTool_Success;
}
