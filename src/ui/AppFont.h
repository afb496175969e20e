#pragma once
// The program's user-interface font: "ＭＳ Ｐゴシック" at 9 points, with IPA P
// Gothic standing in for it (the metrics the layout was made for).
#include <QFont>

// Registers the substitution and makes the font the application default.
void InstallAppFont();
// The face name every window asks for; size in pixels when given.
QFont AppFont(int pixelSize = 0);
