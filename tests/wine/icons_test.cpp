// The icons in hovrel.exe: every size a display scale asks for, each image
// 32-bit with alpha, the 256-pixel one a PNG as Windows takes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "../../resources/resource_ids.h"

namespace hovrel {
namespace {

const struct { int id; std::vector<long> sizes; } kGroups[] = {
    {IDI_PROGRAM, {16, 20, 24, 32, 40, 48, 64, 256}}, {IDI_TRAY, {16, 20, 24, 32}}};

const BYTE* Resource(HMODULE module, LPCSTR type, long id) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
  return found ? static_cast<const BYTE*>(::LockResource(::LoadResource(module, found))) : nullptr;
}

long Word(const BYTE* at) { return at[0] | at[1] << 8; }

// Width, height and bits per pixel from the image's own header, and whether it
// is a PNG (8-bit RGBA: 32 bits) or a bitmap (its height counts the mask too).
std::vector<long> ImageShape(const BYTE* image) {
  const auto big = [&](int at) { return long(image[at]) << 24 | image[at + 1] << 16 | image[at + 2] << 8 | image[at + 3]; };
  if (std::memcmp(image, "\x89PNG\r\n\x1A\n", 8) == 0) return {big(16), big(20), image[24] * (image[25] == 6 ? 4 : 1), 1};
  const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image);
  return {header->biWidth, header->biHeight / 2, header->biBitCount, 0};
}

TEST(HovrelIcons, EachGroupHoldsItsSizesAs32BitImagesThe256OneAPng) {
  wchar_t self[MAX_PATH] = {};
  std::wstring path(self, ::GetModuleFileNameW(nullptr, self, MAX_PATH));
  path.erase(path.find_last_of(L"\\/") + 1) += L"hovrel.exe";
  const HMODULE program = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr) << "no hovrel.exe beside the tests";
  for (const auto& [id, sizes] : kGroups) {
    const BYTE* group = Resource(program, RT_GROUP_ICON, id);
    ASSERT_NE(group, nullptr) << "no icon group " << id;
    std::vector<std::vector<long>> found, expected;
    for (long i = 0; i < Word(group + 4); ++i) {
      const BYTE* entry = group + 6 + 14 * i;  // width, height (0 for 256), colours, 0, planes, bits, bytes, image id
      const BYTE* image = Resource(program, RT_ICON, Word(entry + 12));
      ASSERT_NE(image, nullptr) << "group " << id << " lists a missing image";
      found.push_back(ImageShape(image));
      found.back().insert(found.back().begin(), {entry[0] ? entry[0] : 256, entry[1] ? entry[1] : 256, Word(entry + 6)});
    }
    for (const long size : sizes) expected.push_back({size, size, 32, size, size, 32, size == 256});
    std::ranges::sort(found);
    EXPECT_EQ(found, expected) << "group " << id << ": size and bits as listed, as the image says, PNG or not";
  }
  ::FreeLibrary(program);
}

}  // namespace
}  // namespace hovrel
