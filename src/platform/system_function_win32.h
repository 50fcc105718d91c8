// A function of a system DLL looked up by name at run time: for what older
// Windows lack, and for DLLs that only some commands need, so that starting
// the program does not load them. Only for Win32 files, after <windows.h>.
#pragma once

namespace hovrel {

// Null when the module or the function is missing.
template <typename Function>
Function FunctionOf(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // Through a plain function pointer type, which GCC lets any other become.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// Null when the DLL or the function is missing. A DLL not loaded yet is
// loaded from the system folder only, never from beside the program. It
// stays loaded for the program's life.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = ::GetModuleHandleW(dll);
  if (module == nullptr) module = ::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return FunctionOf<Function>(module, name);
}

// A system DLL held for as long as this lives, loaded from the system folder
// only; let go of again at the end unless something else still holds it.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* dll)
      : module_(::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
  ~SystemLibrary() {
    if (module_ != nullptr) ::FreeLibrary(module_);
  }
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // Null when the DLL or the function is missing; valid while this lives.
  template <typename Function>
  Function Find(const char* name) const {
    return FunctionOf<Function>(module_, name);
  }

 private:
  HMODULE module_;
};

}  // namespace hovrel
