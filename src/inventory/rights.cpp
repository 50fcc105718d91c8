// Which windows are out of the program's reach; see rights.h.
#include "inventory/rights.h"

namespace hovrel {

bool AboveOwnLevel(WindowSystem& ws, std::uint32_t level) {
  const std::uint32_t own = ws.OwnIntegrity();
  return level != 0 && own != 0 && level > own;
}

bool OutOfReach(WindowSystem& ws, Hwnd hwnd) {
  std::uint32_t process = 0;
  return ws.GetWindowThreadProcessId(hwnd, &process) != 0 && AboveOwnLevel(ws, ws.ProcessIntegrity(process));
}

}  // namespace hovrel
