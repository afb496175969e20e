#pragma once
// The version box ("バージョン情報"): the program icon, name and version, the
// distributor's notice and a link to the web site.
#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <functional>

class QPushButton;

// A label holding a web address: it lights up like a link under the
// pointer and opens the address when clicked.
class UrlLabel final : public QLabel {
  Q_OBJECT
 public:
  UrlLabel(const QString& url, const QColor& hoverColour, QWidget* parent);
  std::function<void()> OnClick;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowHover(bool hover);
  QColor hoverColour_;
};

class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);

  // Opens an address in the user's browser; replaceable for tests.
  std::function<void(const QUrl&)> OpenUrl;

  QLabel* lblProduct;
  QLabel* lblVersion;
  UrlLabel* lblURL;
  QPushButton* btnOK;
};

// The program's name, version and web site, as the version box shows them.
inline constexpr const char* kProductName = "Brinmora";
inline constexpr const char* kProductVersionText = "Version 1.3";
inline constexpr const char* kProductWebSite = "https://brinmora.example.org/";
