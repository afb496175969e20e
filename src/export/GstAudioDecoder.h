#pragma once
// Decodes any file the music player plays (MP3, WAV, MIDI, WMA, ...) with
// GStreamer, resampled to the export's rate and channels:
//   uridecodebin ! audioconvert ! audioresample ! S16LE 48 kHz stereo ! appsink
#include "export/AudioSource.h"

// The opener the export uses for its BGM tracks.
std::unique_ptr<AudioSource> OpenGstAudioFile(const QString& path, QString& why);
