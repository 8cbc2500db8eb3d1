#include "common/text_file_win32.h"

#include <windows.h>

#include "common/ansi_win32.h"
#include "common/decimal.h"
#include "common/scoped_win32.h"

namespace qvx {

std::optional<Lines> ReadTextFileLines(const std::wstring& path) {
  // Full sharing, so that reading never stands in the way of a writer replacing the file.
  const ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file.Get(), &size) && size.QuadPart < (16 << 20);
  if (ok) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    ok = bytes.empty() || ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(ok ? read : 0);
  }
  if (!ok) return std::nullopt;
  return SplitLines(AnsiToWide(bytes));
}

bool WriteTextFileAtomically(const std::wstring& path, const Lines& lines) {
  const std::string bytes = WideToAnsi(JoinLinesCrLf(lines));
  const std::wstring temp = path + L"." + DecimalText(GetCurrentProcessId()) + L".tmp";
  ScopedFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  bool ok = bytes.empty() || (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                              written == bytes.size());
  ok = FlushFileBuffers(file.Get()) && ok;
  file.Reset();  // closed before the move
  if (ok) ok = MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temp.c_str());
  return ok;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace qvx
