#include "creator/instance_files_win32.h"

#include <windows.h>

#include "common/paths.h"

namespace qvx::creator {

namespace {
bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool IsRemovalRefusal(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Exclusive handles on an instance's program files, released when it goes out of scope.
class HeldFiles {
 public:
  HeldFiles() = default;
  HeldFiles(const HeldFiles&) = delete;
  HeldFiles& operator=(const HeldFiles&) = delete;
  ~HeldFiles() { ReleaseAll(); }

  // False when the file exists but cannot be held for removal. Write access is asked for
  // though nothing is written: it is what a running program's file refuses (delete access
  // alone is granted for it under Wine), as do read-only files and files others have open.
  bool Hold(const std::wstring& path) {
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    files_.push_back({path, handle});
    return true;
  }

  void Release(const std::wstring& path) {
    for (auto& file : files_) {
      if (file.handle && SameFileName(file.path, path)) { CloseHandle(file.handle); file.handle = nullptr; }
    }
  }

  // Lets go of every file still held and deletes it.
  void DeleteAll() {
    for (auto& file : files_) {
      if (!file.handle) continue;
      CloseHandle(file.handle);
      file.handle = nullptr;
      DeleteFileW(file.path.c_str());
    }
  }

 private:
  void ReleaseAll() {
    for (auto& file : files_) {
      if (file.handle) CloseHandle(file.handle);
    }
    files_.clear();
  }
  struct File {
    std::wstring path;
    HANDLE handle;
  };
  std::vector<File> files_;
};
} // namespace

std::vector<DirectoryEntry> ListDirectory(const std::wstring& directory) {
  std::vector<DirectoryEntry> entries;
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW(JoinPath(directory, L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

DeleteResult DeleteProgramFile(const std::wstring& path) {
  if (DeleteFileW(path.c_str())) return DeleteResult::Deleted;
  return IsRemovalRefusal(GetLastError()) ? DeleteResult::InUse : DeleteResult::OtherError;
}

bool MakeInstance(const std::wstring& instanceDirectory, const std::wstring& masterExePath, const std::wstring& exeName) {
  if (!CreateDirectoryW(instanceDirectory.c_str(), nullptr)) return false;
  if (CopyFileW(masterExePath.c_str(), JoinPath(instanceDirectory, exeName).c_str(), TRUE)) return true;
  RemoveDirectoryW(instanceDirectory.c_str());  // made just now, so still empty
  return false;
}

ReportKind ReplaceInstanceProgram(const std::wstring& instanceDirectory, const std::wstring& masterExePath,
                                  const std::wstring& exeName) {
  const std::wstring incoming = JoinPath(instanceDirectory, IncomingCopyName(exeName));
  if (!CopyFileW(masterExePath.c_str(), incoming.c_str(), FALSE)) {
    DeleteFileW(incoming.c_str());
    return ReportKind::NotUpdated;
  }

  HeldFiles held;
  for (const auto& entry : ListDirectory(instanceDirectory)) {
    if (entry.isDirectory || !MatchesProgramPattern(entry.name)) continue;
    if (!held.Hold(JoinPath(instanceDirectory, entry.name))) {
      DeleteFileW(incoming.c_str());
      return ReportKind::FileInUse;
    }
  }

  // A file that already bears the new name is replaced in one step, so it is let go first.
  const std::wstring target = JoinPath(instanceDirectory, exeName);
  held.Release(target);
  if (!MoveFileExW(incoming.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(incoming.c_str());
    return ReportKind::NotUpdated;
  }
  held.DeleteAll();
  return ReportKind::Updated;
}

} // namespace qvx::creator
