#include "widgets/csv_saving.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>

namespace tarvanel {

namespace {

const QString kFolderKey = QStringLiteral("csv/folder");

QString cellText(QString cell) {
    if (!cell.contains(QLatin1Char(';')) && !cell.contains(QLatin1Char('"')) &&
        !cell.contains(QLatin1Char('\n')))
        return cell;
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QString lineOf(const QStringList& cells) {
    QStringList quoted;
    for (const QString& cell : cells)
        quoted << cellText(cell);
    return quoted.join(QLatin1Char(';')) + QLatin1Char('\n');
}

} // namespace

QString csvText(const QStringList& header, const QList<QStringList>& rows) {
    QString text = lineOf(header);
    for (const QStringList& row : rows)
        text += lineOf(row);
    return text;
}

QString saveCsvFile(QWidget* parent, const QString& title, const QString& suggested,
                    const QString& text) {
    QSettings settings;
    QString path = QFileDialog::getSaveFileName(
        parent, title,
        QDir(settings.value(kFolderKey, QDir::homePath()).toString()).filePath(suggested),
        QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return {};
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        QMessageBox::warning(parent, title,
                             QStringLiteral("Δεν ήταν δυνατή η εγγραφή του αρχείου «%1».")
                                 .arg(QDir::toNativeSeparators(path)));
        return {};
    }
    return path;
}

} // namespace tarvanel
