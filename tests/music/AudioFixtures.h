#pragma once
// Small music files written by the tests themselves.
#include <string>

// A mono 16-bit sine tone.
void WriteWavTone(const std::string& path, double seconds, int sampleRate = 8000);
// A format-0 MIDI file with `notes` quarter notes at 120 beats per minute.
void WriteMidiTune(const std::string& path, int notes);
// Encodes `seconds` of a test tone through a GStreamer pipeline such as
// "lamemp3enc" or "avenc_wmav2 ! asfmux". Returns an empty text on success,
// else why it could not (a missing element, a failing pipeline).
std::string EncodeTone(const std::string& path, const std::string& encoderChain, double seconds);
