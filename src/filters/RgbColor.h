#pragma once
// A colour as the filters name it: red, green and blue bytes.
#include <cstdint>

struct RgbColor {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
};
