#pragma once
// Included first by every file whose pixel loops do 32-bit float arithmetic
// that must be reproduced exactly: a fused multiply-add would round once
// where the definition rounds twice, so contraction is switched off.
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#elif defined(__GNUC__)
#pragma GCC optimize("fp-contract=off")
#endif
