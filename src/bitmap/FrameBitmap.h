#pragma once
// A 24-bit picture: rows of blue, green, red bytes, top row first, each row
// exactly Width * 3 bytes long (no padding), all rows in one block.
#include <atomic>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

using ColorRef = std::uint32_t;  // 0x00BBGGRR, red in the low byte

inline std::uint8_t RedOf(ColorRef c) { return static_cast<std::uint8_t>(c & 0xFF); }
inline std::uint8_t GreenOf(ColorRef c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
inline std::uint8_t BlueOf(ColorRef c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
inline ColorRef MakeColorRef(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The largest pixel block one bitmap may hold, in bytes. A larger request
// raises std::bad_alloc, the same failure as a real shortage of memory, which
// the picture path reports like an unreadable file; tests lower the limit to
// reach those paths without exhausting the machine.
inline std::atomic<std::size_t> FrameBitmapByteLimit{std::numeric_limits<std::size_t>::max()};

struct FrameBitmap {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;

  FrameBitmap() = default;
  FrameBitmap(int w, int h) { SetSize(w, h); }

  // Resizes to w x h; the content is unspecified afterwards (zero when grown).
  void SetSize(int w, int h) {
    const int width = w < 0 ? 0 : w, height = h < 0 ? 0 : h;
    ResizePixels(static_cast<std::size_t>(width) * height * 3);  // first: a failure leaves the bitmap as it was
    Width = width;
    Height = height;
  }
  bool Empty() const { return Width == 0 || Height == 0; }
  std::size_t RowBytes() const { return static_cast<std::size_t>(Width) * 3; }
  std::uint8_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * RowBytes(); }
  const std::uint8_t* Row(int y) const { return Pixels.data() + static_cast<std::size_t>(y) * RowBytes(); }
  std::uint8_t* At(int x, int y) { return Row(y) + static_cast<std::size_t>(x) * 3; }
  const std::uint8_t* At(int x, int y) const { return Row(y) + static_cast<std::size_t>(x) * 3; }

  void Fill(ColorRef c) {
    const std::uint8_t b = BlueOf(c), g = GreenOf(c), r = RedOf(c);
    std::uint8_t* p = Pixels.data();
    const std::size_t n = static_cast<std::size_t>(Width) * Height;
    for (std::size_t i = 0; i < n; ++i, p += 3) { p[0] = b; p[1] = g; p[2] = r; }
  }
  // Copies size and content of other without reallocating when the size fits.
  void Assign(const FrameBitmap& other) {
    ResizePixels(other.Pixels.size());
    Width = other.Width;
    Height = other.Height;
    if (!Pixels.empty()) std::memcpy(Pixels.data(), other.Pixels.data(), Pixels.size());
  }
  void ResizePixels(std::size_t bytes) {
    if (bytes > FrameBitmapByteLimit.load(std::memory_order_relaxed)) throw std::bad_alloc();
    Pixels.resize(bytes);
  }
  bool operator==(const FrameBitmap& o) const {
    return Width == o.Width && Height == o.Height && Pixels == o.Pixels;
  }
};
