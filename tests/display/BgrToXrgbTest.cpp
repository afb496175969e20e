#include "display/BgrToXrgb.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Every width from 0 to 40 (the vector loop, its stop before the row's end
// and the tail): each pixel is its three bytes with an opaque alpha, and the
// row is read from a buffer of exactly its size, so a read past it shows up
// under the address sanitizer.
TEST(BgrRowToXrgb, EveryPixelOfEveryWidthIsOpaqueAndInItsPlace) {
  for (int width = 0; width <= 40; ++width) {
    auto row = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(3 * width));
    for (int i = 0; i < 3 * width; ++i) row[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(37 * i + 11);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(width) + 1, 0x12345678u);
    BgrRowToXrgb(row.get(), out.data(), width);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = row.get() + 3 * x;
      const std::uint32_t expected = 0xFF000000u | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
      ASSERT_EQ(out[static_cast<std::size_t>(x)], expected) << "width " << width << " pixel " << x;
    }
    EXPECT_EQ(out[static_cast<std::size_t>(width)], 0x12345678u) << "width " << width;  // nothing written beyond
  }
}

}  // namespace
