// The download as a user meets it: unpacked into an empty folder (by the
// package_unpack step, which plants a notepad.exe beside the program too),
// started from there, and its read-me opened with F1 in the system's Notepad;
// and its icons, drawn for every display scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "../../resources/resource_ids.h"
#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;

// Notepad names its window after the file, as the program spells it.
HWND ReadMeWindow() {
  for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, nullptr, nullptr)) != nullptr;)
    if (::IsWindowVisible(hwnd) && WideTitle(hwnd).find(L"readme.txt") != std::wstring::npos) return hwnd;
  return nullptr;
}

TEST(PackageTest, UnpackedProgramStartsAndF1OpensItsReadMeInTheSystemsNotepad) {
  const FixtureWindow row(UniqueTitle(L"package row"));
  const app::RunningApp app(L"unpacked\\hovrel.exe");
  ASSERT_TRUE(app.started()) << "the unpacked program showed no window with rows";
  ::SetForegroundWindow(app.window());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() != nullptr; }));
  app.PressKey(app.Focus(), VK_F1);
  // The planted notepad.exe beside the program is hovrel.exe again, which
  // shows no window on readme.txt; only the system's Notepad does.
  EXPECT_TRUE(WaitUntil([] { return ReadMeWindow() != nullptr; }, 20s)) << "no Notepad window on readme.txt";
}

TEST(PackageTest, EachIconGroupHoldsEverySizeAScaleAsksForAs32BitImagesThe256OneAPng) {
  const HMODULE program = ::LoadLibraryExW(app::Beside(L"unpacked\\hovrel.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  constexpr int kIcon = 3, kIconGroup = 14;  // RT_ICON, RT_GROUP_ICON
  const auto resource = [&](int type, int id) {
    HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
    return found ? static_cast<const BYTE*>(::LockResource(::LoadResource(program, found))) : nullptr;
  };
  const auto word = [](const BYTE* at) { return at[0] | at[1] << 8; };
  const auto bigEndian = [](const BYTE* at) { return at[0] << 24 | at[1] << 16 | at[2] << 8 | at[3]; };
  const std::pair<int, std::vector<int>> groups[] = {{IDI_PROGRAM, {16, 20, 24, 32, 40, 48, 64, 256}},
                                                     {IDI_TRAY, {16, 20, 24, 32}}};
  for (const auto& [id, sizes] : groups) {
    const BYTE* group = resource(kIconGroup, id);
    ASSERT_NE(group, nullptr) << "no icon group " << id;
    // Per image, as the group lists it (a width of 0 is 256) and as its own header says: a PNG's (8-bit
    // RGBA is 32 bits), or a bitmap's (as high as the image and its mask together).
    std::vector<std::vector<int>> found, expected;
    for (int i = 0; i < word(group + 4); ++i) {
      const BYTE* entry = group + 6 + 14 * i;
      const BYTE* image = resource(kIcon, word(entry + 12));
      ASSERT_NE(image, nullptr) << "group " << id << " lists a missing image";
      const auto& bitmap = *reinterpret_cast<const BITMAPINFOHEADER*>(image);
      const bool png = std::memcmp(image, "\x89PNG", 4) == 0;
      found.push_back({entry[0] ? entry[0] : 256, word(entry + 6), png ? bigEndian(image + 16) : int(bitmap.biWidth),
                       png ? bigEndian(image + 20) : int(bitmap.biHeight / 2), png ? image[24] * (image[25] == 6 ? 4 : 1) : bitmap.biBitCount, png});
    }
    for (const int size : sizes) expected.push_back({size, 32, size, size, 32, size == 256});
    std::ranges::sort(found);
    EXPECT_EQ(found, expected) << "group " << id << ": width and bits as listed; width, height and bits of the image; PNG or not";
  }
  ::FreeLibrary(program);
}

}  // namespace
}  // namespace hovrel
