#include "support/fake_tool_log.h"

#include "support/temp_dir.h"

namespace {

std::string Unescape(const std::string& value) {
  std::string result;
  for (size_t i = 0; i < value.size(); ++i) {
    std::string code = value[i] == '%' ? value.substr(i + 1, 2) : std::string();
    if (code == "25" || code == "0D" || code == "0A") {
      result += code == "25" ? '%' : code == "0D" ? '\r' : '\n';
      i += 2;
    } else {
      result += value[i];
    }
  }
  return result;
}

}  // namespace

std::vector<FakeToolRun> ReadFakeToolLog(const std::string& path) {
  std::vector<FakeToolRun> runs;
  std::string content = ReadFileBytes(path);
  size_t position = 0;
  while (position < content.size()) {
    size_t end = content.find('\n', position);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(position, end - position);
    position = end + 1;
    if (line.compare(0, 4, "run ") == 0) {
      runs.emplace_back();
    } else if (runs.empty()) {
      continue;
    } else if (line.compare(0, 4, "cwd ") == 0) {
      runs.back().cwd = Unescape(line.substr(4));
    } else if (line.compare(0, 4, "arg ") == 0) {
      runs.back().args.push_back(Unescape(line.substr(4)));
    }
  }
  return runs;
}
