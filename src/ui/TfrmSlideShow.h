#pragma once
// The name dialog for new, renamed and copied slideshows. Its controls come with slideshow management.
#include <QDialog>

class TfrmSlideShow : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSlideShow(QWidget* parent = nullptr);
};
