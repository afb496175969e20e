#pragma once
// Filters whose result depends on the picture and its context alone: they
// draw no random number and do not reseed the generator from the clock, and
// neither does their frame margin. Such a filter may run ahead of its slide on
// a worker thread without changing the program's random sequence.

bool FilterIsRepeatable(int kind);
