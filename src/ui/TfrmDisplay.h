#pragma once
// The borderless full-screen window a slideshow plays in. It is created at
// start-up and shows itself only when a slideshow starts.
#include <QWidget>

class TfrmDisplay : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmDisplay(QWidget* parent = nullptr);
};
