#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brinmora"));
  QLabel label(QStringLiteral(" Brinmora"));
  label.show();
  return app.exec();
}
