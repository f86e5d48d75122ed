#include "support/temp_dir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <random>

namespace fs = std::filesystem;

TempDir::TempDir() {
  // The clock is mixed in because some C++ libraries give a fixed random_device sequence.
  std::mt19937_64 generator(
      std::random_device{}() ^
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (std::error_code error; m_path.empty();) {
    fs::path candidate = fs::temp_directory_path() / ("ovtest-" + std::to_string(generator()));
    if (fs::create_directory(candidate, error)) m_path = candidate.string();
  }
}

TempDir::~TempDir() {
  std::error_code error;
  // Read-only files would stop removal on Windows.
  for (auto it = fs::recursive_directory_iterator(m_path, error); !error && it != fs::end(it);
       it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::remove_all(m_path, error);
}

std::string TempDir::Join(const std::string& relative) const {
  return (fs::path(m_path) / fs::path(relative).make_preferred()).string();
}

std::string TempDir::WriteFile(const std::string& relative, const std::string& content) const {
  std::string path = Join(relative);
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::string ReadFileBytes(const std::string& path) {
  // Through rdbuf, so that a path that cannot be read (a directory) gives "" instead of throwing.
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

std::string TextModeBytes(const std::string& text) {
#ifdef _WIN32
  std::string bytes;
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
#else
  return text;
#endif
}
