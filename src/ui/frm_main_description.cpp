// The tables behind kMainForm; see frm_main_description.h.
#include "ui/frm_main_description.h"

#include "../../resources/resource_ids.h"
#include "platform/window_system.h"

namespace hovrel {
namespace {

using enum CommandId;
// The kinds by name; the image's is spelt out, as the About box has a
// control named Image.
constexpr ControlKind CommandButton = ControlKind::CommandButton;
constexpr ControlKind Frame = ControlKind::Frame;
constexpr ControlKind ListBox = ControlKind::ListBox;

// clang-format off
constexpr ControlSpec kControls[] = {
//  index name        kind           caption          left  top   width height tab  other
    {1,   btnEnd,     CommandButton, "&End Task",     2760, 3240, 1215, 350,   4,   kNoOption},
    {2,   btnRefresh, CommandButton, "Re&fresh",      5400, 3240, 1215, 350,   6,   kNoOption},
    {3,   btnSwitch,  CommandButton, "&Switch to",    4080, 3240, 1215, 350,   5,   kNoOption},
    {4,   btnReset,   CommandButton, "&Reset Window", 1440, 3240, 1215, 350,   3,   kNoOption},
    {5,   btnTop,     CommandButton, "&Top Window",   120,  3240, 1215, 350,   2,   kDefaultButton},
    {6,   Frame1,     Frame,         "&Windows List", 120,  0,    6495, 3135,  0,   kNoOption},
    {7,   lstApp,     ListBox,       "",              120,  240,  6255, 2790,  1,   kSorted | kWindowRows, Frame1},
    {8,   imgIcon,    ControlKind::Image, "",           2280, 3600, 240,  240,   kNoTabIndex, kHidden, None, IDI_TRAY},
};

constexpr MenuSpec kMenus[] = {
//  name            level caption                          state / shortcut
    {mnuFile,        1, "&File"},
    {mnuTop,         2, "&Top Current Window"},
    {mnuReset,       2, "&Reset Current Window"},
    {None,           2, kSeparator},
    {mnuEndTask,     2, "&End Task"},
    {mnuSwitch,      2, "&Switch to"},
    {None,           2, kSeparator},
    {mnuExit,        2, "E&xit"},
    {mnuView,        1, "&View"},
    {mnuShowOnlyApp, 2, "&Hide Processes",                kChecked},
    {None,           2, kSeparator},
    {mnuRefresh,     2, "&Refresh List",                  kEnabled, Shortcut::F5},
    {mnuAlwaysOnTop, 2, "A&lways on Top"},
    {mnuHelp,        1, "&Help"},
    {mnuReadMe,      2, "&Read Me",                       kEnabled, Shortcut::F1},
    {mnuWebs,        2, "Quarrow Team on the &Web"},
    {mnuHome,        3, "&Hovrel Home Page"},
    {mnuNews,        3, "&Product News"},
    {mnuDownload,    3, "Free &Downloads"},
    {None,           3, kSeparator},
    {mnuSendMail,    3, "Send Freebac&k..."},
    {mnuGuestBook,   3, "&Leave Message..."},
    {mnuGetPaid,     3, "&Get Paid for Reading E-mail"},
    {None,           3, kSeparator},
    {mnuHomePage,    3, "Quarrow Team &Home Page"},
    {None,           2, kSeparator},
    {mnuAbout,       2, "&About Quarrow Hovrel"},
    {mnuPopup,       1, "Pop Menu",                       kInvisible},
    {popRestore,     2, "Re&store"},
    {None,           2, kSeparator},
    {popExit,        2, "E&xit"},
};
// clang-format on

// Ctrl+Win+T pins the window in front, or unpins it; Ctrl+Win+Minus and
// Plus make it less opaque or more. Minus and Plus by their virtual keys, on
// the main keys and the keypad, whatever the layout prints on them.
// clang-format off
constexpr GlobalShortcut kGlobalShortcuts[] = {
    {hkPinForeground, kControlKey | kWinKey, 'T'},
    {hkLowerOpacity,  kControlKey | kWinKey, VK_OEM_MINUS},
    {hkLowerOpacity,  kControlKey | kWinKey, VK_SUBTRACT},
    {hkRaiseOpacity,  kControlKey | kWinKey, VK_OEM_PLUS},
    {hkRaiseOpacity,  kControlKey | kWinKey, VK_ADD},
};

// Ctrl+Minus and Ctrl+Plus on the list do the same for the selected row's window.
constexpr ListShortcut kListShortcuts[] = {
    {lstApp, kControlKey, VK_OEM_MINUS, lstLowerOpacity},
    {lstApp, kControlKey, VK_SUBTRACT,  lstLowerOpacity},
    {lstApp, kControlKey, VK_OEM_PLUS,  lstRaiseOpacity},
    {lstApp, kControlKey, VK_ADD,       lstRaiseOpacity},
};
// clang-format on

}  // namespace

const FormDescription kMainForm{
    .caption = "Quarrow Hovrel",
    .border = BorderStyle::FixedSingle,
    .minButton = true,
    .showInTaskbar = true,
    .clientWidth = 6765,
    .clientHeight = 3690,
    .font = {"Tahoma", 825},
    .icon = IDI_PROGRAM,
    .controls = kControls,
    .menus = kMenus,
    .globalShortcuts = kGlobalShortcuts,
    .listShortcuts = kListShortcuts,
};

}  // namespace hovrel
