// kernel32 behind the ProgramFiles interface; see program_files.h.
#include "platform/program_files_win32.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/wide_text_win32.h"

namespace hovrel {

std::string Win32ProgramFiles::ProgramFileName() {
  // GetModuleFileNameW cuts a long path to the buffer and still returns the
  // buffer's size, so the buffer grows until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return Narrow(std::wstring_view(path.data(), length));
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::string Win32ProgramFiles::SystemDirectory() {
  wchar_t path[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return Narrow(std::wstring_view(path, length));
}

std::vector<std::uint8_t> Win32ProgramFiles::VersionResource() {
  // VS_VERSION_INFO is resource 1 of type 16 (RT_VERSION). Resources of the
  // running module stay mapped for its whole life: nothing to free.
  const HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
  if (found == nullptr) return {};
  const HGLOBAL loaded = ::LoadResource(nullptr, found);
  const DWORD size = ::SizeofResource(nullptr, found);
  const auto* bytes = static_cast<const std::uint8_t*>(::LockResource(loaded));
  if (bytes == nullptr) return {};
  return {bytes, bytes + size};
}

}  // namespace hovrel
