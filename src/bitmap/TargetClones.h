#pragma once
// Marks a hot pixel loop for an AVX2 copy beside the plain one, chosen when
// the program loads. The choice runs through an ifunc resolver before any
// sanitizer runtime starts, which ThreadSanitizer cannot survive, so its
// builds define BRINMORA_NO_TARGET_CLONES and keep the plain copy only.
#ifdef BRINMORA_NO_TARGET_CLONES
#define BRINMORA_TARGET_CLONES
#else
#define BRINMORA_TARGET_CLONES __attribute__((target_clones("avx2", "default")))
#endif
