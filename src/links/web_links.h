// The web and mail targets of the Help menu's "Quarrow Team on the &Web"
// submenu and of the About box's address fields, and the one operation that
// hands a target to the shell.
#pragma once

#include <array>
#include <string_view>

#include "platform/shell.h"

namespace hovrel {

// The About box shows these three and opens the matching targets below.
inline constexpr std::string_view kMakerMailAddress = "team@quarrow.example";
inline constexpr std::string_view kMakerHomePage = "http://quarrow.example";
inline constexpr std::string_view kProductPage = "http://quarrow.example/hovrel";
inline constexpr std::string_view kMakerMailTarget = "mailto:team@quarrow.example";

enum class Link { Home, News, Download, SendMail, GuestBook, GetPaid, HomePage };

struct LinkEntry {
  Link link;
  std::string_view menuItem;
  std::string_view target;
};

// clang-format off
inline constexpr std::array<LinkEntry, 7> kLinks = {{
    {Link::Home,      "mnuHome",      kProductPage},
    {Link::News,      "mnuNews",      "http://quarrow.example/news"},
    {Link::Download,  "mnuDownload",  "http://quarrow.example/download"},
    {Link::SendMail,  "mnuSendMail",  kMakerMailTarget},
    {Link::GuestBook, "mnuGuestBook", "http://quarrow.example/support/book"},
    {Link::GetPaid,   "mnuGetPaid",   "http://paidmail.example/Id/605080"},
    {Link::HomePage,  "mnuHomePage",  kMakerHomePage},
}};
// clang-format on

constexpr std::string_view LinkTarget(Link link) {
  return kLinks[static_cast<std::size_t>(link)].target;
}

// Asks the shell to open `target` in the user's default browser or mail
// program on behalf of the window `owner`. Run as administrator, the program
// hands it to the desktop's shell instead, so that the browser does not run
// as administrator too, and does nothing if that shell cannot be reached.
// Nothing is reported.
void OpenLink(Shell& shell, Hwnd owner, std::string_view target);

}  // namespace hovrel
