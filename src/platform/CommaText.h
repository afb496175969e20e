#pragma once
// Comma text: the record format of the list files. On writing, a field that
// holds a character with a code of 1..32, a double quotation mark or a comma
// is quoted, with inner quotation marks doubled. On reading, a line without a
// comma is one field; otherwise blanks around fields are skipped, quoted
// fields run to their closing mark, and a trailing comma adds an empty field.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

QString QuoteCommaField(const QString& field);
QString JoinCommaText(const QStringList& fields);

// Splits a line held as CP932 bytes. Double-byte characters are stepped over
// whole, so a second byte never counts as a separator or quotation mark.
QList<QByteArray> SplitCommaTextBytes(const QByteArray& line);

// Splits a line held as text (a file stored as UTF-8).
QStringList SplitCommaText(const QString& line);
