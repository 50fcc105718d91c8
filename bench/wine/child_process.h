// The programs the Wine benchmarks start: any program beside the driver
// (hovrel.exe, bare_window.exe), and window_crowd.exe with its crowd of
// windows. Each process is ended by its owner's destructor if still running.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

namespace hovrel::bench {

// A pipe from a child's standard output to the driver.
class OutputPipe {
 public:
  OutputPipe();
  ~OutputPipe();
  OutputPipe(const OutputPipe&) = delete;
  OutputPipe& operator=(const OutputPipe&) = delete;

  // The end the child inherits; null when no pipe could be made.
  HANDLE childEnd() const { return write_; }
  // Once the child has its copy: reading then ends when the child does.
  void CloseChildEnd();
  // Reads exactly `size` bytes; false when the child sent fewer before it
  // ended or the deadline passed.
  bool Read(void* data, DWORD size, std::chrono::milliseconds deadline);

 private:
  HANDLE read_ = nullptr;
  HANDLE write_ = nullptr;
};

class ChildProcess {
 public:
  // Starts `program`, a file beside the driver, with `arguments`; with
  // `output`, an inheritable handle, as its standard output.
  ChildProcess(std::wstring_view program, std::wstring_view arguments, HANDLE output = nullptr);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_.hProcess != nullptr; }
  HANDLE handle() const { return process_.hProcess; }
  DWORD threadId() const { return process_.dwThreadId; }
  // Asks `window` to close and waits for the process to end; ends it when
  // it does not within a few seconds.
  void Close(HWND window);

 private:
  PROCESS_INFORMATION process_{};
};

// The shown top-level window with this caption that the process's first
// thread made, null if there is none yet.
HWND ShownWindowOf(const ChildProcess& process, const char* caption);

// window_crowd.exe with `count` windows, ready when constructed (check
// ready()); it closes the crowd when it goes.
class CrowdProcess {
 public:
  explicit CrowdProcess(int count);
  ~CrowdProcess();
  CrowdProcess(const CrowdProcess&) = delete;
  CrowdProcess& operator=(const CrowdProcess&) = delete;

  bool ready() const { return ready_ != nullptr; }

 private:
  ChildProcess process_;
  HWND ready_ = nullptr;
};

}  // namespace hovrel::bench
