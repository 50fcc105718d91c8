// Handing web and mail targets to the shell; see web_links.h.
#include "links/web_links.h"

#include <string>

namespace hovrel {
namespace {

constexpr bool LinksInEnumOrder() {
  for (std::size_t i = 0; i < kLinks.size(); ++i) {
    if (static_cast<std::size_t>(kLinks[i].link) != i) return false;
  }
  return true;
}
static_assert(LinksInEnumOrder(), "LinkTarget indexes kLinks by Link");

}  // namespace

void OpenLink(Shell& shell, Hwnd owner, std::string_view target) {
  const std::string file(target);
  if (shell.Elevated()) {
    shell.ShellExecuteFromDesktop(file.c_str(), nullptr);
    return;
  }
  // Shown normally: a browser started hidden would open nowhere to be seen.
  shell.ShellExecuteW(owner, "Open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace hovrel
