#include "base/ReplaceFileAtomically.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "base/WidePathWindows.h"

namespace cadmira {

bool SystemWriteFile(void* file, const void* data, unsigned long size, unsigned long* written) {
  DWORD done = 0;
  const bool ok = WriteFile(file, data, size, &done, nullptr) != FALSE;
  *written = done;
  return ok;
}

bool SystemFlushFile(void* file) { return FlushFileBuffers(file) != FALSE; }

void* SystemCreateNewFile(const wchar_t* path) {
  return CreateFileW(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool SystemMoveOver(const wchar_t* from, const wchar_t* to) {
  return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

namespace {

constexpr wchar_t kPrefix[] = L".cadmira-";
constexpr wchar_t kSuffix[] = L".tmp";
constexpr DWORD kLargestWrite = 1u << 30;

Error SystemError(const std::string& what, const std::string& path, DWORD code) {
  return Error{what + " " + path + ": " + SystemErrorText(code)};
}

std::wstring SystemFolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }
std::wstring SystemNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }

// FNV-1a: a stable short tag for the target's name, so that its stale temporaries can be found.
std::wstring NameTag(const std::wstring& name) {
  std::uint32_t hash = 2166136261u;
  for (const wchar_t unit : name) hash = (hash ^ static_cast<std::uint16_t>(unit)) * 16777619u;
  wchar_t text[9];
  std::swprintf(text, 9, L"%08x", hash);
  return text;
}

std::wstring RandomTag() {
  static std::mt19937 generator{std::random_device{}()};
  wchar_t text[9];
  std::swprintf(text, 9, L"%08x", static_cast<unsigned>(generator()));
  return text;
}

std::wstring StemFor(const std::wstring& folder, const std::wstring& name) {
  return folder + L"\\" + kPrefix + NameTag(name) + L"-";
}

// The path that is finally written: a symbolic link or junction leads to its target.
std::wstring FinalPath(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  std::wstring final(32768, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  CloseHandle(file);
  if (length == 0 || length >= final.size()) return path;
  final.resize(length);
  return final;
}

// Whether another program has the file open in a way that forbids replacing it.
bool HeldOpenElsewhere(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

// The attributes of the file to replace, or none when it does not exist yet.
Result<std::optional<DWORD>> InspectTarget(const std::wstring& target, const std::string& path) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    // A missing folder is reported when the temporary file cannot be made in it.
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return std::optional<DWORD>();
    return SystemError("Cannot inspect", path, code);
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Error{"Cannot replace " + path + ": it is a folder"};
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Error{"Cannot replace " + path + ": the file is read-only"};
  return std::optional<DWORD>(attributes);
}

// Removes the temporaries of the target that no living writer holds: a writer keeps its own
// open without sharing, so only abandoned ones can be deleted.
void SweepStale(const std::wstring& stem) {
  const std::wstring folder = SystemFolderOf(stem);
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW((stem + L"*" + kSuffix).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileW((folder + L"\\" + entry.cFileName).c_str());
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

// The temporary file: deleted by the system if the process ends before it is committed, and
// by this object on every failure.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    if (!m_path.empty()) DeleteFileW(m_path.c_str());
  }

  DWORD Create(const std::wstring& stem, void* (*openFile)(const wchar_t* path)) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::wstring candidate = stem + RandomTag() + kSuffix;
      m_handle = openFile(candidate.c_str());
      if (m_handle != INVALID_HANDLE_VALUE) {
        m_path = candidate;
        SetDeleteOnClose(true);
        return ERROR_SUCCESS;
      }
      if (GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return GetLastError();
  }

  HANDLE handle() const { return m_handle; }
  const std::wstring& path() const { return m_path; }

  // Closes the file so that it can be renamed; it stays until the rename or this object's end.
  bool Close() {
    const bool kept = SetDeleteOnClose(false);
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    if (!kept) m_path.clear();
    return kept;
  }
  void Commit() { m_path.clear(); }

 private:
  bool SetDeleteOnClose(bool remove) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = remove ? TRUE : FALSE;
    return SetFileInformationByHandle(m_handle, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
  }

  HANDLE m_handle = INVALID_HANDLE_VALUE;
  std::wstring m_path;
};

Status WriteAll(HANDLE file, std::span<const unsigned char> bytes, const std::string& path,
                const ReplaceSystemCalls& calls) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const auto size = static_cast<unsigned long>(left < kLargestWrite ? left : kLargestWrite);
    unsigned long written = 0;
    if (!calls.write(file, bytes.data() + done, size, &written))
      return SystemError("Cannot write", path, GetLastError());
    if (written == 0) return SystemError("Cannot write", path, ERROR_WRITE_FAULT);
    done += written;
  }
  return {};
}

// Reads the flushed file back so that a device that lost data is noticed before the rename.
Status VerifyContent(HANDLE file, const std::string& path, std::span<const unsigned char> bytes) {
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return SystemError("Cannot read back", path, GetLastError());
  std::vector<unsigned char> block(1 << 16);
  std::size_t offset = 0;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
      return SystemError("Cannot read back", path, GetLastError());
    }
    if (got == 0) break;
    if (offset + got > bytes.size() || std::memcmp(block.data(), bytes.data() + offset, got) != 0) {
      return Error{"The written file " + path + " does not hold what was written"};
    }
    offset += got;
  }
  if (offset != bytes.size()) return Error{"The written file " + path + " is shorter than what was written"};
  return {};
}

Status Fill(TemporaryFile& temporary, const std::string& path, std::span<const unsigned char> bytes,
            const ReplaceSystemCalls& calls) {
  if (Status written = WriteAll(temporary.handle(), bytes, path, calls); !written) return written;
  if (!calls.syncFile(temporary.handle())) return SystemError("Cannot sync", path, GetLastError());
  return VerifyContent(temporary.handle(), path, bytes);
}

}  // namespace

Result<Replaced> ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes,
                                       const ReplaceSystemCalls& calls) {
  if (path.empty()) return Error{"No file name was given"};
  const std::wstring target = FinalPath(SystemPath(path));
  Result<std::optional<DWORD>> existing = InspectTarget(target, path);
  if (!existing) return existing.error();
  const std::wstring stem = StemFor(SystemFolderOf(target), SystemNameOf(target));
  SweepStale(stem);

  TemporaryFile temporary;
  if (const DWORD code = temporary.Create(stem, calls.openFile); code != ERROR_SUCCESS) {
    // The reason alone, as on Linux: the person knows the target, never the temporary file.
    return Error{"cannot write " + path + ": " + SystemErrorText(code)};
  }
  if (Status filled = Fill(temporary, path, bytes, calls); !filled) return filled.error();
  if (!temporary.Close()) return SystemError("Cannot keep the temporary file for", path, GetLastError());
  if (existing.value() && !SetFileAttributesW(temporary.path().c_str(), *existing.value())) {
    return SystemError("Cannot set the attributes of", path, GetLastError());
  }
  if (!calls.rename(temporary.path().c_str(), target.c_str())) {
    const DWORD code = GetLastError();
    if (existing.value() && HeldOpenElsewhere(target)) {
      return Error{"Cannot replace " + path + ": the file is open in another program"};
    }
    return SystemError("Cannot replace", path, code);
  }
  temporary.Commit();
  return Replaced{};
}

}  // namespace cadmira
