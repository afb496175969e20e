#include "AudioFixtures.h"

#include <gst/gst.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutBe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

void WriteWavTone(const std::string& path, double seconds, int sampleRate) {
  const uint32_t samples = static_cast<uint32_t>(seconds * sampleRate);
  std::vector<uint8_t> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLe(out, 36 + samples * 2, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, sampleRate, 4);
  PutLe(out, sampleRate * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLe(out, samples * 2, 4);
  for (uint32_t i = 0; i < samples; ++i) {
    const auto v = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / sampleRate));
    PutLe(out, static_cast<uint16_t>(v), 2);
  }
  WriteAll(path, out);
}

void WriteMidiTune(const std::string& path, int notes) {
  std::vector<uint8_t> track;
  const uint8_t scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
  track.insert(track.end(), {0x00, 0xC0, 0x00});  // piano
  for (int i = 0; i < notes; ++i) {
    const uint8_t key = scale[i % 8];
    track.insert(track.end(), {0x00, 0x90, key, 0x60});
    track.insert(track.end(), {0x83, 0x60, 0x80, key, 0x40});  // 480 ticks later
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
  PutBe(out, 480, 2);  // ticks per quarter note; default tempo 120 bpm
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  PutBe(out, static_cast<uint32_t>(track.size()), 4);
  out.insert(out.end(), track.begin(), track.end());
  WriteAll(path, out);
}

std::string EncodeTone(const std::string& path, const std::string& encoderChain, double seconds) {
  if (!gst_init_check(nullptr, nullptr, nullptr)) return "GStreamer does not start";
  std::istringstream chain(encoderChain);
  for (std::string word; chain >> word;) {
    if (word == "!" || word.find('=') != std::string::npos) continue;
    if (GstElementFactory* f = gst_element_factory_find(word.c_str())) {
      gst_object_unref(f);
    } else {
      return "the GStreamer element " + word + " is not installed";
    }
  }
  const int buffers = static_cast<int>(seconds * 44100 / 1024);
  const std::string description = "audiotestsrc num-buffers=" + std::to_string(buffers) +
                                  " samplesperbuffer=1024 ! audio/x-raw,rate=44100,channels=1 ! audioconvert ! " +
                                  encoderChain + " ! filesink location=\"" + path + "\"";
  GError* error = nullptr;
  GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
  if (error != nullptr) {
    std::string why = error->message;
    g_error_free(error);
    if (pipeline != nullptr) gst_object_unref(pipeline);
    return why;
  }
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* message = gst_bus_timed_pop_filtered(bus, 30 * GST_SECOND,
                                                   static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  std::string why;
  if (message == nullptr) why = "encoding timed out";
  else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) why = "encoding failed";
  if (message != nullptr) gst_message_unref(message);
  gst_object_unref(bus);
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return why;
}
