// The opacity keys' work, owned by frmMain. Changing a window's style waits
// for the window, so every step is made on a lane of its own; steps asked
// for a window while one of its steps is under way add up into one, so that
// a held key costs a change or two, not thirty; once a step is made the
// window's row is drawn again, a refusal beeps and a shortcut's step shows
// its note; and at the end every window seen through gets back what it had.
#pragma once

#include <map>
#include <set>

#include "forms/form_host.h"
#include "forms/list_box.h"
#include "inventory/opacity.h"
#include "platform/window_system.h"

namespace hovrel {

// At the end, how long the windows seen through may take to be given back
// their state, all together, before the program ends all the same.
inline constexpr unsigned kRestoreWaitMs = 3'000;

class OpacityWork {
 public:
  // `rows` lists windows by their handles; the steps run on `lane` of the
  // form's worker, and the notes lie over the windows stepped.
  OpacityWork(WindowSystem& ws, FormHost& form, int lane, ListBox& rows)
      : ws_(ws), form_(form), lane_(lane), rows_(rows), seeThrough_(ws) {}
  OpacityWork(const OpacityWork&) = delete;
  OpacityWork& operator=(const OpacityWork&) = delete;

  // `steps` steps less opaque (negative) or more; see SeeThrough::Step.
  // With `noted`, the note over the window then says what was done.
  void Step(Hwnd hwnd, int steps, bool noted);
  // Every window seen through gets back its state, before the program ends.
  void RestoreAll();

 private:
  struct Waiting {
    int steps = 0;
    bool noted = false;
  };

  void Start(Hwnd hwnd);
  void Done(Hwnd hwnd, Stepped stepped, bool noted);

  WindowSystem& ws_;
  FormHost& form_;
  const int lane_;
  ListBox& rows_;
  // Only the lane touches it.
  SeeThrough seeThrough_;
  // The window's thread only: steps not yet handed to the lane, and the
  // windows with a step on it, by window.
  std::map<Hwnd, Waiting> waiting_;
  std::set<Hwnd> underWay_;
};

}  // namespace hovrel
