// The Help menu's web and mail links and the About box's addresses: each
// hands its own target to the shell, shown normally, for the given owner.
#include <gtest/gtest.h>

#include <string>

#include "links/web_links.h"
#include "sim/fake_shell.h"

namespace hovrel {
namespace {

constexpr Hwnd kMainWindow = 0x1A2C;
constexpr Hwnd kAboutWindow = 0x3F10;

TEST(WebLinksTest, EachMenuItemOpensItsOwnTarget) {
  struct Case {
    Link link;
    const char* menuItem;
    const char* target;
  } cases[] = {
      {Link::Home, "mnuHome", "http://quarrow.example/hovrel"},
      {Link::News, "mnuNews", "http://quarrow.example/news"},
      {Link::Download, "mnuDownload", "http://quarrow.example/download"},
      {Link::SendMail, "mnuSendMail", "mailto:team@quarrow.example"},
      {Link::GuestBook, "mnuGuestBook", "http://quarrow.example/support/book"},
      {Link::GetPaid, "mnuGetPaid", "http://paidmail.example/Id/605080"},
      {Link::HomePage, "mnuHomePage", "http://quarrow.example"},
  };
  ASSERT_EQ(std::size(cases), kLinks.size());
  sim::FakeShell shell;
  // Twice round, so that a target that leaked from one click to the next
  // would show.
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      OpenLink(shell, kMainWindow, LinkTarget(c.link));
      const sim::ExecuteCall expected{kMainWindow, "Open", c.target, std::nullopt, std::nullopt,
                                      SW_SHOWNORMAL};
      ASSERT_FALSE(shell.executeCalls.empty());
      EXPECT_EQ(shell.executeCalls.back(), expected) << c.menuItem;
      EXPECT_EQ(kLinks[static_cast<std::size_t>(c.link)].menuItem, c.menuItem);
    }
  }
  EXPECT_EQ(shell.executeCalls.size(), 2 * kLinks.size());
}

TEST(WebLinksTest, AboutBoxAddressesAreTheMenusTargets) {
  EXPECT_EQ(kMakerMailTarget, "mailto:" + std::string(kMakerMailAddress));
  EXPECT_EQ(LinkTarget(Link::SendMail), kMakerMailTarget);
  EXPECT_EQ(LinkTarget(Link::HomePage), kMakerHomePage);
  EXPECT_EQ(LinkTarget(Link::Home), kProductPage);
  EXPECT_EQ(kProductPage, std::string(kMakerHomePage) + "/hovrel");
}

TEST(WebLinksTest, OwnerIsPassedThrough) {
  sim::FakeShell shell;
  OpenLink(shell, kAboutWindow, kMakerMailTarget);
  OpenLink(shell, kMainWindow, kMakerMailTarget);
  ASSERT_EQ(shell.executeCalls.size(), 2u);
  EXPECT_EQ(shell.executeCalls[0].owner, kAboutWindow);
  EXPECT_EQ(shell.executeCalls[1].owner, kMainWindow);
}

}  // namespace
}  // namespace hovrel
