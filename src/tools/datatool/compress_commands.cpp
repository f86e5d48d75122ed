// compress / decompress: the engine's compressed-file format (32-byte header, then LZMA), with
// the library's writer and its streaming reader.
#include <memory>

#include "bigfile/ovcompressedfilereader.h"
#include "bigfile/ovcompressedfilewriter.h"
#include "core/platform/filesystem.h"
#include "tools/datatool/commands.h"
#include "tools/datatool/tool_io.h"

int OvRunCompress(const SOvToolInvocation& call) {
  const std::string& input = call.args[0];
  const std::string& output = call.args[1];
  if (int status = OvToolCheckInputAndOutput(input, output)) return status;
  std::string bytes;
  {
    uint64_t size = 0;
    ovfs::QueryFileSize(input.c_str(), size);
    COvToolProgress progress("compress: reading", static_cast<int64_t>(size));
    if (!OvToolReadFile(input, bytes, &progress)) return eOvDataTool_FailedInput;
  }
  const int capacity = OvComputeCompressedFileBufferSize(static_cast<int>(bytes.size()));
  if (capacity < 0) return OvToolFail(eOvDataTool_FailedInput, "%s: too large to compress in one file", input.c_str());
  std::unique_ptr<char[]> image(new char[static_cast<size_t>(capacity)]);
  int length = 0;
  {
    COvToolProgress progress("compress: compressing", 1);
    length = OvCompressFileImage(bytes.data(), static_cast<int>(bytes.size()), image.get(), capacity);
    progress.Advance(1);
  }
  if (length == 0) return OvToolFail(eOvDataTool_FailedInput, "%s: the compressor failed", input.c_str());
  COvToolOutputFile file(output);
  COvToolProgress progress("compress: writing", length);
  bool written = file.Open();
  for (int done = 0; written && done < length;) {
    int step = length - done < (1 << 20) ? length - done : (1 << 20);
    written = file.Write(image.get() + done, step);
    done += step;
    progress.Advance(step);
  }
  if (!written || !file.Commit()) return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written", output.c_str());
  return eOvDataTool_Success;
}

int OvRunDecompress(const SOvToolInvocation& call) {
  const std::string& input = call.args[0];
  const std::string& output = call.args[1];
  if (int status = OvToolCheckInputAndOutput(input, output)) return status;
  COvFile source;
  if (source.Open(input.c_str(), eOvFileSystemOpenMode_ReadBinary, false) != eOvFileSystemError_None) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: cannot be opened for reading", input.c_str());
  }
  int size = 0;
  COvCompressedFileReader reader(source, size);
  if (!reader.IsCompressed()) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: not a compressed file (no OVCOMPRESSED header)", input.c_str());
  }
  COvToolOutputFile file(output);
  if (!file.Open()) return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be created", output.c_str());
  COvToolProgress progress("decompress", size);
  std::unique_ptr<char[]> buffer(new char[1 << 16]);
  int done = 0;
  while (done < size) {
    int got = reader.Read(buffer.get(), 1 << 16);
    if (got <= 0) break;
    if (!file.Write(buffer.get(), got)) return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written", output.c_str());
    done += got;
    progress.Advance(got);
  }
  if (done < size || reader.HasFailed()) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: compressed data damaged or cut short (%d of %d bytes decoded)",
                      input.c_str(), done, size);
  }
  if (!file.Commit()) return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written", output.c_str());
  return eOvDataTool_Success;
}
