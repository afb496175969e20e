#pragma once
// The vector units the pixel loops of the transitions choose from at run
// time. Every loop gives the same bytes on every unit; a loop without code of
// its own for a unit uses that of the next narrower one.
enum class VectorUnit {
  Plain = 0,   // portable code
  Sse2 = 1,    // every x86-64 processor
  Avx2 = 2,    // with SSSE3 byte shuffles
  Avx512 = 3,  // AVX-512 with its byte permutes (F, BW, VBMI)
};

// The widest unit of this processor.
VectorUnit WidestVectorUnit();

// wanted, or the widest unit of this processor when it lacks wanted.
VectorUnit UsableVectorUnit(VectorUnit wanted);
