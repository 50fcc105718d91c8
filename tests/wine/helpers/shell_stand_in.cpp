// Stands in for the browser and the mail program in the end-to-end tests:
// registered as the open command of http and mailto, it appends one line to
// the log file that its command line names and ends:
//   shell_stand_in.exe <log file> <target...>
// The line is the show command it was started with (-1 when none was given),
// a tab, and its whole command line, in UTF-8.
#include <windows.h>

#include <string>
#include <string_view>

namespace {

// The log file is the first argument, quoted as the registered command has it.
std::wstring LogFile(std::wstring_view line) {
  std::size_t start = line.find(L"\" \"");
  if (start == std::wstring_view::npos) return {};
  start += 3;
  const std::size_t end = line.find(L'"', start);
  if (end == std::wstring_view::npos) return {};
  return std::wstring(line.substr(start, end - start));
}

std::string Utf8(std::wstring_view text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring_view line = ::GetCommandLineW();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoW(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  const std::string record = std::to_string(show) + "\t" + Utf8(line) + "\n";

  // Appends whole lines; two stand-ins started at once wait for each other.
  const std::wstring log = LogFile(line);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const HANDLE file = ::CreateFileW(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      ::WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
      ::CloseHandle(file);
      return 0;
    }
    ::Sleep(20);
  }
  return 1;
}
