// libFuzzer target: the Exif reader and the Exif box lines over any bytes.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "display/ExifInfo.h"
#include "display/ExifLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TExifInfo reader;
  reader.OnError = [](int) { return false; };
  reader.ReadBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), QStringLiteral("f.jpg"));
  ExifLinesOfReader(reader, QStringLiteral("f.jpg"));
  for (const TEntryItem& e : reader.MainEntries()) {
    std::int64_t n = 0, d = 0;
    for (int i = 0; i < 4; ++i) {
      reader.ShortValue(e.Tag, e.Directory, i);
      reader.LongValue(e.Tag, e.Directory, i);
      reader.RationalValue(e.Tag, e.Directory, i, n, d);
    }
    reader.AsciiValue(e.Tag, e.Directory);
    reader.UndefinedValue(e.Tag, e.Directory);
    FormatRational(n, d);
  }
  try {
    reader.DateTimeOriginalAsDate();
  } catch (const EExifError&) {
  }
  return 0;
}
