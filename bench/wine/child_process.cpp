// Starting and ending the benchmarks' helper programs; see child_process.h.
#include "child_process.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "crowd_ready.h"
#include "measure.h"

namespace hovrel::bench {
namespace {

using namespace std::chrono_literals;

std::wstring BesideDriver(std::wstring_view program) {
  std::vector<wchar_t> path(MAX_PATH);
  const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  std::wstring folder(path.data(), length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + std::wstring(program);
}

// Making thousands of windows, each mapped by the X server, takes a while.
constexpr auto kCrowdDeadline = 120s;

}  // namespace

OutputPipe::OutputPipe() {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  if (!::CreatePipe(&read_, &write_, &inherited, 0)) {
    read_ = write_ = nullptr;
    return;
  }
  // Only the child's end goes to the child.
  ::SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
}

OutputPipe::~OutputPipe() {
  CloseChildEnd();
  if (read_ != nullptr) ::CloseHandle(read_);
}

void OutputPipe::CloseChildEnd() {
  if (write_ != nullptr) ::CloseHandle(write_);
  write_ = nullptr;
}

bool OutputPipe::Read(void* data, DWORD size, std::chrono::milliseconds deadline) {
  if (read_ == nullptr) return false;
  DWORD available = 0;
  // Once the child is gone and the pipe empty, peeking fails: nothing more comes.
  const auto arrived = [&] {
    return !::PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr) || available >= size;
  };
  DWORD read = 0;
  return WaitUntil(arrived, deadline) && available >= size &&
         ::ReadFile(read_, data, size, &read, nullptr) && read == size;
}

ChildProcess::ChildProcess(std::wstring_view program, std::wstring_view arguments, HANDLE output) {
  const std::wstring path = BesideDriver(program);
  std::wstring commandLine = L"\"" + path + L"\" " + std::wstring(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (output != nullptr) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
  }
  if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, output != nullptr, 0,
                        nullptr, nullptr, &startup, &process_))
    process_ = {};
}

ChildProcess::~ChildProcess() {
  if (!started()) return;
  if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
    ::TerminateProcess(process_.hProcess, 1);
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

void ChildProcess::Close(HWND window) {
  if (!started()) return;
  // Posted: the program may be busy rebuilding and would keep us waiting.
  if (window != nullptr) ::PostMessageW(window, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process_.hProcess, 10'000) == WAIT_TIMEOUT)
    ::TerminateProcess(process_.hProcess, 1);
}

HWND ShownWindowOf(const ChildProcess& process, const char* caption) {
  struct Search {
    const char* caption;
    HWND found;
  } search{caption, nullptr};
  // Only the thread's own windows: a search of every top-level window by
  // its title costs the window server a request per window, some 3 ms on a
  // desktop of 50, and polled every millisecond would slow the very start
  // being timed.
  ::EnumThreadWindows(
      process.threadId(),
      [](HWND window, LPARAM lParam) WINAPI -> BOOL {
        auto& search = *reinterpret_cast<Search*>(lParam);
        char title[256];
        if (!::IsWindowVisible(window) || ::GetWindowTextA(window, title, sizeof title) <= 0 ||
            std::strcmp(title, search.caption) != 0)
          return TRUE;
        search.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

CrowdProcess::CrowdProcess(int count) : process_(L"window_crowd.exe", std::to_wstring(count)) {
  if (!process_.started()) return;
  WaitUntil(
      [&] {
        ready_ = ::FindWindowW(kCrowdReadyClass, nullptr);
        return ready_ != nullptr || ::WaitForSingleObject(process_.handle(), 0) == WAIT_OBJECT_0;
      },
      kCrowdDeadline);
  // The crowd's windows are still being painted and mapped for a while;
  // measuring before that is done would time the crowd, not the walk.
  if (ready_ != nullptr) ::WaitForInputIdle(process_.handle(), 60'000);
  DWORD exitCode = 0;
  if (ready_ == nullptr && ::GetExitCodeProcess(process_.handle(), &exitCode) &&
      exitCode != STILL_ACTIVE)
    std::fprintf(stderr, "window_crowd.exe ended with exit code %#lx\n",
                 static_cast<unsigned long>(exitCode));
}

CrowdProcess::~CrowdProcess() { process_.Close(ready_); }

}  // namespace hovrel::bench
