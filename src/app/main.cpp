// The program entry: the application, its Japanese texts and font, the
// windows in their creation order, then the event loop until the main window
// closes.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "engine/StartUp.h"
#include "ui/AppFont.h"
#include "ui/ProgramIcon.h"
#include "ui/CdMakingUi.h"
#include "ui/TerminationSignals.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmCDMakeCheck.h"
#include "ui/TfrmCDMakeClose.h"
#include "ui/TfrmDisplay.h"
#include "ui/TfrmImport.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmProgress.h"
#include "ui/TfrmSlideShow.h"
#include "ui/TfrmWork.h"

int main(int argc, char** argv) {
  TerminationSignals::InstallHandlers();
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setWindowIcon(ProgramIcon());

  // Qt's own dialog buttons in Japanese, where the translations are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  InstallAppFont();

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();

  TfrmMain frmMain;
  frmMain.StartUpSequence(arguments);
  TfrmAbout frmAbout(&frmMain);
  TfrmWork frmWork(&frmMain);
  TfrmImport frmImport(&frmMain);
  frmMain.UseDialogs(&frmAbout, &frmImport);
  TfrmProgress frmProgress(&frmMain);
  TfrmCDMakeClose frmCDMakeClose(&frmMain);
  TfrmDisplay frmDisplay;
  frmMain.DisplayWindowCreated(&frmDisplay);
  TfrmSlideShow frmSlideShow(&frmMain);
  TfrmCDMakeCheck frmCDMakeCheck(&frmMain);
  frmMain.CdMaking().UseDialogs(&frmWork, &frmCDMakeClose, &frmCDMakeCheck);

  TerminationSignals closeOnSignal;
  closeOnSignal.Watch(&frmMain);
  frmMain.show();
  return app.exec();
}
