#pragma once
// The named text fields of one tag ("Title", "Artist", "Album", ...).
#include <QHash>
#include <QString>

using TagFields = QHash<QString, QString>;
