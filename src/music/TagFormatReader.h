#pragma once
// One audio format's tag reader: its own named text fields and the sub-tags
// it carries ("ID3v2", "ID3v1", "APEtag"), each with named fields.
#include <QString>

#include "music/TagFields.h"

class TagFormatReader {
 public:
  virtual ~TagFormatReader() = default;
  // Reads the file; false when this reader cannot take it.
  virtual bool Read(const QString& path) = 0;
  virtual QString Field(const QString& name) const = 0;
  // Null when the file has no such sub-tag.
  virtual const TagFields* SubTag(const QString& name) const = 0;
};
