#include "ui/VideoExportCommand.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "export/ExportTexts.h"
#include "export/GstAudioDecoder.h"
#include "export/GstVideoEncoder.h"
#include "export/VideoExport.h"
#include "ui/QtUserDialogs.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmProgress.h"
#include "ui/TfrmVideoExport.h"

namespace {

// Lines of the report shown in the closing message; the rest is counted.
constexpr int kReportLinesShown = 15;

QList<int> SelectedRows(QTreeWidget* list) {
  QList<int> rows;
  for (QTreeWidgetItem* item : list->selectedItems()) rows << list->indexOfTopLevelItem(item);
  std::sort(rows.begin(), rows.end());
  return rows;
}

// The progress window of the export: the program's progress window with a
// cancel button. It is modal, so the export's event processing keeps the
// windows painted without letting other commands in.
class ExportProgressWindow final : public TfrmProgress {
 public:
  explicit ExportProgressWindow(QWidget* parent) : TfrmProgress(parent) {
    setObjectName(QStringLiteral("frmVideoExportProgress"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(313, 118);
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    layout()->addWidget(btnCancel);
    static_cast<QVBoxLayout*>(layout())->setAlignment(btnCancel, Qt::AlignRight);
    connect(btnCancel, &QPushButton::clicked, this, [this] { cancelled = true; });
  }
  // Closing the window counts as a cancel too.
  void reject() override { cancelled = true; }

  QPushButton* btnCancel;
  bool cancelled = false;
};

QString SuggestedPath(const SlideshowLibrary& library) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return folder + QLatin1Char('/') + library.CurrentName() + QStringLiteral(".mp4");
}

QString WithReport(QString text, const QStringList& report) {
  if (report.isEmpty()) return text;
  text += QStringLiteral("\r\r") + kExportSkippedHeader;
  for (int i = 0; i < report.size() && i < kReportLinesShown; ++i) text += QLatin1Char('\r') + report[i];
  if (report.size() > kReportLinesShown) text += QStringLiteral("\r(ほか %1 件)").arg(report.size() - kReportLinesShown);
  return text;
}

}  // namespace

void InstallVideoExportCommand(TfrmMain& main) {
  MainMenuActions& menu = main.Menu();
  auto* action = new QAction(kExportMenuCaption, &main);
  action->setObjectName(QStringLiteral("mnVideoExport"));
  const QList<QAction*> items = menu.mnFile->actions();
  const int at = static_cast<int>(items.indexOf(menu.mnImportList));
  QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
  menu.mnFile->insertAction(before, action);
  // The run mode hides the list import in CD-play mode; the export follows it.
  QAction* import = menu.mnImportList;
  QObject::connect(import, &QAction::changed, action, [import, action] { action->setVisible(import->isVisible()); });
  QObject::connect(menu.mnFile, &QMenu::aboutToShow, action,
                   [&main, action] { action->setEnabled(main.Library().HasCurrentSlideshow()); });
  QObject::connect(action, &QAction::triggered, &main, [&main] { RunVideoExportCommand(main); });
}

void RunVideoExportCommand(TfrmMain& main) {
  SlideshowLibrary& library = main.Library();
  if (library.Mode() == RunMode::CdPlay || !library.HasCurrentSlideshow()) return;
  const QSize monitor = main.screen() != nullptr ? main.screen()->size() : QSize(1920, 1080);
  TfrmVideoExport dialog(monitor, SuggestedPath(library), &main);
  if (dialog.exec() != QDialog::Accepted) return;
  const VideoExportChoice choice = dialog.Choice();
  QtUserDialogs boxes(&main);
  if (QFileInfo::exists(choice.Path) &&
      !boxes.AskYesNo(QStringLiteral("%1 は既にあります。\r上書きしますか？").arg(choice.Path)))
    return;

  VideoExportRequest request;
  request.OutputPath = choice.Path;
  request.Width = choice.Size.width();
  request.Height = choice.Size.height();
  request.Fps = choice.Fps;
  request.WithMusic = choice.Music;
  request.WithLabels = choice.Labels;
  request.SelectedFolderRows = SelectedRows(main.Tabs().lvDirList);
  request.SelectedBgmRows = SelectedRows(main.Tabs().lvBGMList);

  ExportProgressWindow progress(&main);
  progress.ShowWork(kExportDialogTitle, kExportProgressText, true);
  QApplication::processEvents();
  GstVideoEncoder encoder;
  const VideoExportResult result =
      ExportVideo(library, request, encoder, OpenGstAudioFile, [&progress](double fraction) {
        progress.ProgressBar1->setValue(static_cast<int>(fraction * 100));
        QApplication::processEvents();
        return !progress.cancelled;
      });
  progress.hide();

  switch (result.Outcome) {
    case VideoExportOutcome::Done:
      boxes.ShowInformation(WithReport(kExportDone.arg(choice.Path), result.Report));
      break;
    case VideoExportOutcome::Refused:
    case VideoExportOutcome::Failed:
      boxes.ShowError(WithReport(result.Message, result.Report));
      break;
    case VideoExportOutcome::Cancelled:
      break;
  }
}
