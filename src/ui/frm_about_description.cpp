// The tables behind kAboutForm; see frm_about_description.h.
#include "ui/frm_about_description.h"

#include "../../resources/resource_ids.h"
#include "links/web_links.h"

namespace hovrel {
namespace {

using enum CommandId;
// Short names for the kinds: ControlKind::Image and the control named Image
// cannot both be brought in unqualified.
constexpr ControlKind Field = ControlKind::TextField;
constexpr ControlKind Button = ControlKind::CommandButton;
constexpr ControlKind Text = ControlKind::Label;
constexpr ControlKind Picture = ControlKind::Image;

// clang-format off
constexpr ControlSpec kControls[] = {
//  index name            kind     caption                              left  top   width height tab  look
    {1,   LOnlineAddress, Field,   kProductPage,                        120,  2760, 3135, 285,   10,  kLinkLook},
    {2,   LEmail,         Field,   kMakerMailAddress,                   720,  1560, 1815, 285,   9,   kLinkLook},
    {3,   LHomepage,      Field,   kMakerHomePage,                      120,  2160, 3135, 285,   8,   kLinkLook},
    {4,   btnOK,          Button,  "OK",                                120,  3120, 1095, 350,   2,   kDefaultButton},
    {5,   Label9,         Text,    "for 32-bit Windows",                840,  360,  2295, 255,   12,  kBold},
    {6,   Label3,         Text,    "E-mail:",                           120,  1560, 615,  255,   11,  kNoOption},
    {7,   BuildNo,        Text,    "",                                  2280, 600,  495,  255,   7,   kNoOption},
    {8,   Label7,         Text,    "By Orlo Venn, Quarrow Team",        120,  1320, 3015, 255,   6,   kBold},
    {9,   Label6,         Text,    "Copyright (C) 2026 Quarrow Team",   120,  960,  2895, 255,   5,   kNoOption},
    {10,  Label5,         Text,    "Quarrow Hovrel Online:",            120,  2520, 2415, 255,   4,   kNoOption},
    {11,  Label4,         Text,    "Quarrow Team's Homepage:",          120,  1920, 2415, 255,   3,   kNoOption},
    {12,  Image,          Picture, "",                                  120,  240,  480,  480,   kNoTabIndex, kNoOption, None, IDI_PROGRAM},
    {13,  Label2,         Text,    "Version 2.0 Build",                 840,  600,  1455, 255,   1,   kBold},
    {14,  Label1,         Text,    "Quarrow Hovrel",                    840,  120,  2295, 255,   0,   kBold},
};
// clang-format on

}  // namespace

const FormDescription kAboutForm{
    .caption = "About Quarrow Hovrel",
    .border = BorderStyle::FixedDialog,
    .minButton = false,
    .showInTaskbar = false,
    .clientWidth = 2850,
    .clientHeight = 3555,
    .font = {"Tahoma", 825},
    .icon = 0,
    .controls = kControls,
    .menus = {},
};

}  // namespace hovrel
