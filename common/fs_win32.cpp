#include "common/fs_win32.h"

#include <windows.h>

#include <vector>

#include "common/paths.h"

namespace qvx {

bool DirectoryExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {
std::wstring LongPath(const std::wstring& path) {
  // One walk of the path for the usual length; a second only when it is longer.
  std::vector<wchar_t> buffer(MAX_PATH);
  DWORD got = GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (got >= buffer.size()) {
    buffer.resize(got);
    got = GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  }
  return got > 0 && got < buffer.size() ? std::wstring(buffer.data(), got) : path;
}
} // namespace

std::wstring ProgramDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::wstring();
    if (n < buffer.size()) return DirectoryOf(LongPath(std::wstring(buffer.data(), n)));
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring NormalisedDirectory(const std::wstring& dir) {
  std::wstring full = dir;
  const DWORD n = GetFullPathNameW(dir.c_str(), 0, nullptr, nullptr);
  if (n > 0) {
    std::vector<wchar_t> buffer(n);
    const DWORD got = GetFullPathNameW(dir.c_str(), n, buffer.data(), nullptr);
    if (got > 0 && got < n) full.assign(buffer.data(), got);
  }
  full = LongPath(full);
  if (full.size() > 3 && full.back() == L'\\') full.pop_back();
  if (!full.empty()) CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
  return full;
}

} // namespace qvx
