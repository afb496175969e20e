#pragma once
// The one error a picture operation raises: a file that cannot be decoded, a
// picture too large to hold, a bitmap that cannot be resampled. The display
// reports it in a message box with Message(); tools print OneLine().
#include <QString>
#include <stdexcept>

class ImageError : public std::runtime_error {
 public:
  // file may be empty when the error concerns a bitmap, not a file.
  ImageError(const QString& file, const QString& reason);

  const QString& File() const { return file_; }
  const QString& Reason() const { return reason_; }
  // The text of the message box: what failed, the file, the reason ("\r" breaks lines).
  QString Message() const;
  // "file: reason" on one line.
  QString OneLine() const;

 private:
  QString file_;
  QString reason_;
};

// The reason given when a picture operation runs out of memory.
QString OutOfMemoryReason();

// What a decoder raises from inside; the file-level entry adds the file name.
class DecodeFailure : public std::runtime_error {
 public:
  explicit DecodeFailure(const QString& reason)
      : std::runtime_error(reason.toStdString()), reason_(reason) {}
  const QString& Reason() const { return reason_; }

 private:
  QString reason_;
};
