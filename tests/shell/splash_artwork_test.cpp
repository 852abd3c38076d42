// The committed artwork keeps the formats the resource compiler and the
// system expect: the splash picture 320x240 in 256 colours, uncompressed; each
// icon a 32x32 and a 16x16 image in 16 colours with their AND masks.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qv {
namespace {

// The top of the source tree, as the build names it (tests/CMakeLists.txt).
std::string SourceRoot() { return QV_SOURCE_ROOT; }

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b.at(at) | (b.at(at + 1) << 8));
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

TEST(SplashArtwork, TheSplashIs320By240In256ColoursUncompressed) {
  const auto bmp = ReadFile(SourceRoot() + "/resources/splash.bmp");
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 14), 40u);       // BITMAPINFOHEADER
  EXPECT_EQ(U32(bmp, 18), 320u);      // width
  EXPECT_EQ(U32(bmp, 22), 240u);      // height, bottom-up
  EXPECT_EQ(U16(bmp, 28), 8u);        // bits per pixel
  EXPECT_EQ(U32(bmp, 30), 0u);        // BI_RGB
  EXPECT_EQ(U32(bmp, 46), 256u);      // palette entries
  EXPECT_EQ(U32(bmp, 10), 14u + 40u + 256u * 4u);
  EXPECT_EQ(bmp.size(), 14u + 40u + 1024u + 320u * 240u);
  // A picture, not a blank: many palette entries are in use.
  std::vector<bool> used(256);
  for (std::size_t i = U32(bmp, 10); i < bmp.size(); ++i) used[bmp[i]] = true;
  int count = 0;
  for (bool u : used) count += u;
  EXPECT_GT(count, 64);
}

void CheckIcon(const std::string& name) {
  SCOPED_TRACE(name);
  const auto ico = ReadFile(SourceRoot() + "/resources/icons/" + name);
  ASSERT_GE(ico.size(), 6u + 32u);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);  // icon
  ASSERT_EQ(U16(ico, 4), 2u);
  const std::uint32_t sizes[2] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    const std::uint32_t side = sizes[i];
    EXPECT_EQ(ico.at(entry), side);
    EXPECT_EQ(ico.at(entry + 1), side);
    EXPECT_EQ(ico.at(entry + 2), 16u);  // colours
    EXPECT_EQ(U16(ico, entry + 6), 4u);
    const std::uint32_t bytes = U32(ico, entry + 8);
    const std::uint32_t offset = U32(ico, entry + 12);
    ASSERT_LE(offset + bytes, ico.size());
    EXPECT_EQ(U32(ico, offset), 40u);
    EXPECT_EQ(U32(ico, offset + 4), side);
    EXPECT_EQ(U32(ico, offset + 8), side * 2);  // colour rows and mask rows
    EXPECT_EQ(U16(ico, offset + 14), 4u);
    const std::uint32_t xorBytes = (side / 2 + 3) / 4 * 4 * side;
    const std::uint32_t andBytes = (side / 8 + 3) / 4 * 4 * side;
    EXPECT_EQ(bytes, 40u + 16u * 4u + xorBytes + andBytes);
    // Some pixels are transparent (the corners) and some are not.
    const std::size_t mask = offset + 40 + 64 + xorBytes;
    bool anySet = false;
    bool anyClear = false;
    for (std::uint32_t row = 0; row < side; ++row)
      for (std::uint32_t x = 0; x < side; ++x) {
        const std::uint8_t byte = ico.at(mask + row * ((side / 8 + 3) / 4 * 4) + x / 8);
        ((byte & (0x80 >> (x % 8))) ? anySet : anyClear) = true;
      }
    EXPECT_TRUE(anySet);
    EXPECT_TRUE(anyClear);
  }
}

TEST(SplashArtwork, TheIconsHoldBothSizesIn16Colours) {
  CheckIcon("active.ico");
  CheckIcon("paused.ico");
  CheckIcon("holding.ico");
}

}  // namespace
}  // namespace qv
