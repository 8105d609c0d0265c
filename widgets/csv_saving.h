#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace tarvanel {

// Rows as a CSV file the program's own readers take back (the ground
// profile's and the sites' CSV, engine/profile_rows.h): a header line of
// keys, then a line a row, a semicolon between cells, so that the locale's
// decimal comma stays inside its cell; a cell holding a semicolon, a quote or
// a line break is quoted. "0,5;120;" and "\"A; B\";37,9".
QString csvText(const QStringList& header, const QList<QStringList>& rows);

// Asks where to save (`suggested` in the folder of the last CSV saved) and
// writes `text` there in UTF-8, replacing a file only once it is whole; a
// failure is told in a message naming the file. The file written, or empty.
QString saveCsvFile(QWidget* parent, const QString& title, const QString& suggested,
                    const QString& text);

} // namespace tarvanel
