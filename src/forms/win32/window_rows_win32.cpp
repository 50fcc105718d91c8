// The rows of a list that shows windows (kWindowRows): each row draws what the
// form's handlers say of its window (its icon, perhaps with the system's
// shield, a pin mark, a figure such as its opacity) before its text, in the
// system's colours. The look is asked as its row is drawn, so only the rows in
// view cost anything, and the list's refill nothing.
#include <algorithm>
#include <string>

#include "forms/win32/form_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/system_function_win32.h"
#include "platform/wide_text_win32.h"

namespace hovrel {
namespace {

// The parts of a row, in twips, so that they grow with the resolution.
constexpr int kIconTwips = 240;    // a small icon: 16 pixels at 96 dpi
constexpr int kGapTwips = 30;      // before the icon, the pin mark and the text
constexpr int kPaddingTwips = 15;  // above and below the tallest part

// The system's shield at `size` pixels: comctl32 6 draws it at any size,
// shell32 hands over its small one. Neither is there on every Windows.
OwnedIcon LoadShield(int size) {
  static const auto scaleDown =
      SystemFunction<decltype(&::LoadIconWithScaleDown)>(L"comctl32.dll", "LoadIconWithScaleDown");
  HICON icon = nullptr;
  constexpr int kShieldIcon = 32518;  // IDI_SHIELD
  // Wine's comctl32 answers S_OK for the shield and hands over no icon.
  if (scaleDown != nullptr && SUCCEEDED(scaleDown(nullptr, MAKEINTRESOURCEW(kShieldIcon), size, size, &icon)) &&
      icon != nullptr)
    return OwnedIcon(icon);
  static const auto stockIcon =
      SystemFunction<decltype(&::SHGetStockIconInfo)>(L"shell32.dll", "SHGetStockIconInfo");
  SHSTOCKICONINFO stock{};
  stock.cbSize = sizeof stock;
  if (stockIcon != nullptr && SUCCEEDED(stockIcon(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &stock)))
    return OwnedIcon(stock.hIcon);
  return {};
}

// Over the icon's lower right, a little over half its size: readable at 16 pixels.
int ShieldPixels(int iconPixels) { return iconPixels * 5 / 8; }

struct RowParts {
  RECT icon, pin, text;
};

RowParts PartsOf(const RECT& row, Dpi dpi) {
  const int size = TwipsToPixels(kIconTwips, dpi.y);
  const int gap = TwipsToPixels(kGapTwips, dpi.x);
  const int top = row.top + (row.bottom - row.top - size) / 2;
  const int iconLeft = row.left + gap;
  const int pinLeft = iconLeft + size + gap;
  const int textLeft = pinLeft + size + gap;
  return {{iconLeft, top, iconLeft + size, top + size},
          {pinLeft, top, pinLeft + size, top + size},
          {textLeft, row.top, row.right, row.bottom}};
}

void DrawRowIcon(HDC dc, std::uint32_t handle, const RECT& cell) {
  const int size = cell.right - cell.left;
  // A window without an icon, or whose icon cannot be drawn (gone with its
  // window, say), gets the system's application icon, which is shared and
  // never destroyed. (Wine hands over no icon of another process's window.)
  const auto icon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(handle));
  if (icon == nullptr || !::DrawIconEx(dc, cell.left, cell.top, icon, size, size, 0, nullptr, DI_NORMAL))
    ::DrawIconEx(dc, cell.left, cell.top, ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)),  // IDI_APPLICATION
                 size, size, 0, nullptr, DI_NORMAL);
}

// A push pin in the text's colour, on a grid of 16 by 16: a round head at the
// top right and a needle down to the bottom left.
void DrawPinMark(HDC dc, const RECT& cell, COLORREF ink) {
  const int size = cell.right - cell.left;
  const auto at = [&](int x, int y) { return POINT{cell.left + x * size / 16, cell.top + y * size / 16}; };
  // The stock DC pen and brush take any colour and are never deleted.
  ::SelectObject(dc, ::GetStockObject(DC_PEN));
  ::SelectObject(dc, ::GetStockObject(DC_BRUSH));
  ::SetDCPenColor(dc, ink);
  ::SetDCBrushColor(dc, ink);
  const POINT head[] = {at(7, 1), at(15, 9)};
  ::Ellipse(dc, head[0].x, head[0].y, head[1].x, head[1].y);
  const POINT needle[] = {at(7, 7), at(9, 9), at(2, 15), at(1, 14)};
  ::Polygon(dc, needle, 4);
}

// The figure ("60%") after the pin's cell; the text then starts after it.
void DrawFigure(HDC dc, const std::string& figure, RECT& text, int gap) {
  const std::wstring wide = Widen(figure);
  RECT cell = text;
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &cell, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
  cell.top = text.top;
  cell.bottom = text.bottom;
  ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  text.left = cell.right + gap;
}

void DrawRowText(HDC dc, const DRAWITEMSTRUCT& item, RECT cell) {
  const auto row = static_cast<WPARAM>(item.itemID);
  const LRESULT length = ::SendMessageW(item.hwndItem, LB_GETTEXTLEN, row, 0);
  if (length <= 0) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = ::SendMessageW(item.hwndItem, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
  // No prefix: an ampersand in a title shows as it is, as it always did.
  if (copied > 0)
    ::DrawTextW(dc, text.data(), static_cast<int>(copied), &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// `shield` is null for a row without one.
void DrawRowFace(const DRAWITEMSTRUCT& item, const RowLook& look, Dpi dpi, HICON shield) {
  const SavedDc saved(item.hDC);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  // An empty list draws no row, only its focus.
  if (item.itemID == static_cast<UINT>(-1)) return;
  const COLORREF ink = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  RowParts parts = PartsOf(item.rcItem, dpi);
  DrawRowIcon(item.hDC, look.icon, parts.icon);
  const int shieldSize = ShieldPixels(parts.icon.right - parts.icon.left);
  if (shield != nullptr)
    ::DrawIconEx(item.hDC, parts.icon.right - shieldSize, parts.icon.bottom - shieldSize, shield, shieldSize,
                 shieldSize, 0, nullptr, DI_NORMAL);
  if (look.pinned) DrawPinMark(item.hDC, parts.pin, ink);
  ::SetTextColor(item.hDC, ink);
  ::SetBkMode(item.hDC, TRANSPARENT);
  if (!look.figure.empty()) DrawFigure(item.hDC, look.figure, parts.text, TwipsToPixels(kGapTwips, dpi.x));
  DrawRowText(item.hDC, item, parts.text);
}

}  // namespace

const ControlSpec* FormWindow::WindowRowsById(UINT id) const {
  const ControlSpec* control = ControlById(static_cast<WORD>(id));
  return control != nullptr && (control->options & kWindowRows) != 0 ? control : nullptr;
}

int FormWindow::WindowRowHeight(const ControlSpec& list) {
  // Asked while the list is being created, before it has a font of its own.
  const ScreenDc screen;
  const HGDIOBJ previous = ::SelectObject(screen.get(), FontFor(list));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  ::SelectObject(screen.get(), previous);
  const int tallest = std::max(static_cast<int>(metrics.tmHeight), TwipsToPixels(kIconTwips, dpi_.y));
  return tallest + 2 * TwipsToPixels(kPaddingTwips, dpi_.y);
}

HICON FormWindow::ShieldIcon(int size) {
  if (size != shieldSize_) {
    shield_ = LoadShield(size);
    shieldSize_ = size;
  }
  return shield_.get();
}

bool FormWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  const ControlSpec* list = item.CtlType == ODT_LISTBOX ? WindowRowsById(item.CtlID) : nullptr;
  if (list == nullptr) return false;
  item.itemHeight = static_cast<UINT>(WindowRowHeight(*list));
  return true;
}

bool FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const ControlSpec* list = item.CtlType == ODT_LISTBOX ? WindowRowsById(item.CtlID) : nullptr;
  if (list == nullptr) return false;
  RowLook look;
  const int iconPixels = TwipsToPixels(kIconTwips, dpi_.y);
  if (events_ != nullptr && item.itemID != static_cast<UINT>(-1))
    look = events_->LookOfRow(list->name, static_cast<std::uint32_t>(item.itemData), iconPixels);
  // A change of focus alone draws the whole row too. The focus frame is drawn
  // by inverting, and inverting it once more to take it away leaves a frame
  // behind whenever the list's reports of focus do not pair up, as Wine's did
  // after a row was selected from outside.
  DrawRowFace(item, look, dpi_, look.shielded ? ShieldIcon(ShieldPixels(iconPixels)) : nullptr);
  if ((item.itemState & ODS_FOCUS) != 0) ::DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

}  // namespace hovrel
