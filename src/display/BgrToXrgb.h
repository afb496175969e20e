#pragma once
// Turns one row of 24-bit BGR pixels into 32-bit 0xFFRRGGBB words, the
// layout the window system takes without a further conversion.
#include <cstdint>

void BgrRowToXrgb(const std::uint8_t* bgr, std::uint32_t* xrgb, int width);
