#pragma once
// The byte loops of the blends, over whole blocks of bytes. They use the
// widest vector unit of the processor; every path gives the same bytes.
#include <cstddef>
#include <cstdint>

#include "transitions/VectorUnit.h"

// out[i] = ((a[i] × (32 − t)) >> 5) + ((b[i] × t) >> 5), t in 0..32.
void BlendBytes(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b, std::size_t n,
                unsigned t);

// out[i] = the larger of a[i] × (16 − t) / 16 and b[i] × t / 16, rounded half
// to even, t in 0..16.
void MeltBytes(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b, std::size_t n,
               unsigned t);

// The same loops on a chosen unit, for comparing them (AVX-512 runs the AVX2
// loops).
void BlendBytesOn(VectorUnit unit, std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                  std::size_t n, unsigned t);
void MeltBytesOn(VectorUnit unit, std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                 std::size_t n, unsigned t);
