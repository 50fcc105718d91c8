// Stands in for the browser and the mail program in the end-to-end tests:
// registered as the open command of http and mailto, it appends one line to
// the log file that its command line names and ends:
//   shell_stand_in.exe "<log file>" <target...>
// The line is the show command it was started with (-1 when none was given),
// a tab, and its whole command line, in UTF-8.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring line = ::GetCommandLineW();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  const int size = static_cast<int>(line.size());
  std::string record(static_cast<std::size_t>(::WideCharToMultiByte(
                         CP_UTF8, 0, line.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, line.data(), size, record.data(),
                        static_cast<int>(record.size()), nullptr, nullptr);
  record = std::to_string(show) + "\t" + record + "\n";

  // The log file is the first argument, quoted as the registered command has it.
  const std::size_t start = line.find(L"\" \"") + 3, end = line.find(L'"', start);
  if (start == 2 || end == std::wstring::npos) return 1;
  // Appends whole lines; two stand-ins started at once wait for each other.
  for (int attempt = 0; attempt < 100; ++attempt, ::Sleep(20)) {
    const HANDLE file = ::CreateFileW(line.substr(start, end - start).c_str(), FILE_APPEND_DATA, 0,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    ::WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    ::CloseHandle(file);
    return 0;
  }
  return 1;
}
