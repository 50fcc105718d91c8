// Filling and packing the notification-icon record; see tray_icon_data.h.
#include "tray/tray_icon_data.h"

#include <algorithm>

namespace hovrel {
namespace {

constexpr std::size_t kFieldCount = 6;
static_assert(kFieldCount * 4 + kTrayTipLength == kTrayRecordSize);

// The tip's text part: the caption cut so that its zero always fits in the
// field (the shell reads the tip up to that zero, and would run past the
// record without it), and never inside a UTF-8 sequence.
std::string_view FittedTip(std::string_view caption) {
  if (caption.size() < kTrayTipLength) return caption;
  std::size_t length = kTrayTipLength - 1;
  while (length > 0 && (static_cast<unsigned char>(caption[length]) & 0xC0) == 0x80) --length;
  return caption.substr(0, length);
}

void PutLittleEndian(TrayRecord& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

}  // namespace

TrayIconData FillTrayIconData(Hwnd window, std::uint32_t icon, std::string_view caption) {
  TrayIconData data;
  data.cbSize = kTrayRecordSize;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = icon;
  // The caption, one zero, then blanks to the end of the field.
  data.szTip.fill(' ');
  const std::string_view tip = FittedTip(caption);
  std::copy(tip.begin(), tip.end(), data.szTip.begin());
  data.szTip[tip.size()] = '\0';
  return data;
}

TrayRecord PackTrayIconData(const TrayIconData& data) {
  TrayRecord record{};
  const std::uint32_t fields[kFieldCount] = {data.cbSize, data.hWnd,   data.uID,
                                             data.uFlags, data.uCallbackMessage, data.hIcon};
  std::size_t offset = 0;
  for (std::uint32_t field : fields) {
    PutLittleEndian(record, offset, field);
    offset += 4;
  }
  std::copy(data.szTip.begin(), data.szTip.end(), record.begin() + offset);
  return record;
}

}  // namespace hovrel
