#pragma once
// The texts of the overlay labels of the display window (all but the music
// title and the play state, which belong to the music controller).
#include <QDateTime>
#include <QString>
#include <array>

// Counter "n/N" with both numbers padded to the same number of digits,
// chosen by the total: 2 digits up to 99, 3 up to 999 and so on. Totals above
// the range that maxDigits allows are written as plain decimals.
// Image counts and music numbering use up to 6 digits, folder numbering 5.
QString FormatCount(int position, int total, int maxDigits = 6);

// "★" + file name (SelectGName 0) or "★" + folder numbering + folder name
// (SelectGName 1). The folder numbering is left out for image order 3.
QString ImageNameText(int selectGName, const QString& currentImageFile, int imageOrder,
                      int folderPlayIndex, int folderCount);

// "n/N" of the image play list followed by the suffix of the play orders.
QString ImageCountText(int currentImageIndex, int imageCount, int imageOrder, int folderOrder);

// The order suffix alone (" Folder Loop", " All Image Shuffle", ...).
QString ImageOrderSuffix(int imageOrder, int folderOrder);

// The date format of the labels: "yyyy/mm/dd hh:mm:ss" (24 hours).
QString FormatLabelDate(const QDateTime& t);

// An Exif date text "YYYY:MM:DD HH:MM:SS" as a date; invalid when it is not one.
QDateTime ParseExifDateTime(const QString& text);

// The date label: the Exif DateTimeOriginal when it is a date, otherwise
// "File " + the file's last-modified local time.
QString DateLabelText(const QString& exifDateTimeOriginal, const QDateTime& fileModified);

// The clock label: "hh:mm:ss" (24 hours).
QString ClockText(const QTime& t);

// The key guide: its lines in the order they are shown.
inline constexpr int kKeyGuideLineCount = 24;
extern const std::array<const char*, kKeyGuideLineCount> kKeyGuideLines;

// The guide line at position (wrapped into the list; a negative position,
// meaning "not set", gives the first line).
QString KeyGuideLine(int position);

// The position after position: the next line, after the last the first.
int NextKeyGuidePosition(int position);
