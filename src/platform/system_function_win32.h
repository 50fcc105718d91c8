// A function of a system DLL looked up by name at run time: for what older
// Windows lack, and for DLLs that only some commands need, so that starting
// the program does not load them. Only for Win32 files, after <windows.h>.
#pragma once

#include <string>

namespace hovrel {

// Null when the DLL or the function is missing. A DLL not loaded yet is
// loaded from the system folder, never from beside the program. It stays
// loaded for the program's life.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = ::GetModuleHandleW(dll);
  // By its full path in the system folder, with its own DLLs looked for there
  // before the program's folder: LOAD_LIBRARY_SEARCH_SYSTEM32 would say it
  // shorter, but Windows 7 without its 2011 loader update refuses that flag.
  std::wstring path(MAX_PATH, L'\0');
  const UINT folder = module == nullptr ? ::GetSystemDirectoryW(path.data(), MAX_PATH) : 0;
  if (folder > 0 && folder < MAX_PATH) {
    path.resize(folder);
    path.append(L"\\").append(dll);
    module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  }
  if (module == nullptr) return nullptr;
  // Through a plain function pointer type, which GCC lets any other become.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

}  // namespace hovrel
