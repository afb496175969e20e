#pragma once
// Reads the tags of one music file through the format reader that takes it.
// Lives for one label refresh; nothing is cached between files.
#include <QString>
#include <memory>

#include "music/TagFormatReader.h"

class TsMediaTagReader {
 public:
  // True when a format reader took the file. Only the MPEG audio reader is
  // provided: the title label asks for the tags of MP3 files only, and it
  // takes any readable file.
  bool Open(const QString& path);
  // The text of the field `name` ("Title", "Artist", "Album"): the reader's
  // own field, else the first non-empty one of its ID3v2, ID3v1 and APE
  // tags; empty when none has it.
  QString Value(const QString& name) const;

 private:
  std::unique_ptr<TagFormatReader> reader_;
};
