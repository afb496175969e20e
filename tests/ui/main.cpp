// Widget tests need one QApplication for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

#include "ui/AppFont.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallAppFont();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
