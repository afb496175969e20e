#pragma once
// The File-menu command that exports the current slideshow to a video file:
// the dialog, the progress window with its cancel button, and the closing
// message with the report of the files passed over.
class TfrmMain;

// Adds "動画ファイルに書き出す(&V)..." after the list import of the File menu.
// It is hidden in CD-play mode and disabled without a current slideshow.
void InstallVideoExportCommand(TfrmMain& main);

// Runs the command as the menu item does.
void RunVideoExportCommand(TfrmMain& main);
