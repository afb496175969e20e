#pragma once
// The display window's loading label, as the all-images reshuffle uses it.
#include <QString>

class LoadingLabel {
 public:
  virtual ~LoadingLabel() = default;
  virtual QString Text() const = 0;
  virtual void SetText(const QString& text) = 0;
  virtual void Enlarge(int dw, int dh) = 0;
  virtual void CentreOnMonitor() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};
