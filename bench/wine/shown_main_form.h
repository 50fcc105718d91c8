// The program's main window made, loaded and shown as hovrel.exe makes it,
// notification icon and all, for the benchmarks that measure inside it.
#pragma once

#include "forms/win32/form_win32.h"
#include "platform/program_files_win32.h"
#include "platform/shell_win32.h"
#include "platform/window_system_win32.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {

struct ShownMainForm {
  ShownMainForm() { form.Load(main, SW_SHOWNORMAL); }

  Win32WindowSystem windowSystem;
  Win32Shell shell;
  Win32ProgramFiles files;
  Win32Forms forms;
  Win32Form form{kMainForm};
  frmMain main{windowSystem, shell, files, forms, form};
};

}  // namespace hovrel
