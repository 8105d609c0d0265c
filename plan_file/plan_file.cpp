#include "plan_file/plan_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvanel {

namespace {

// A plan of ten thousand profile points is about a megabyte; a larger file is
// no plan, and is not read into memory.
constexpr qint64 kLargestPlan = 16 * 1024 * 1024;

QString whySaveFailed(const QSaveFile& file) {
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("ο φάκελος δεν υπάρχει ή δεν επιτρέπει την εγγραφή");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("η εγγραφή απέτυχε (ίσως ο δίσκος είναι γεμάτος)");
    case QFileDevice::RenameError:
        return QStringLiteral("το νέο αρχείο δεν μπόρεσε να πάρει τη θέση του παλιού");
    default:
        return QStringLiteral("σφάλμα κατά την εγγραφή");
    }
}

QString whyUnreadable(const QFileInfo& info) {
    if (!info.exists()) return QStringLiteral("δεν υπάρχει");
    if (info.isDir()) return QStringLiteral("είναι φάκελος");
    if (!info.isReadable()) return QStringLiteral("δεν επιτρέπεται η ανάγνωσή του");
    if (info.size() > kLargestPlan)
        return QStringLiteral("είναι πολύ μεγάλο για σχέδιο (πάνω από 16 MB)");
    return QStringLiteral("σφάλμα κατά την ανάγνωση");
}

} // namespace

QString savePlan(const QString& path, const Plan& plan) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray json = planJson(plan);
        // Qt 6.4's commit() misses an error in its own last flush (a disk
        // that fills up halfway), so the write is flushed and checked here.
        if (file.write(json) == json.size() && file.flush()) {
            if (file.commit()) return {};
        } else {
            file.cancelWriting();
        }
    }
    return QStringLiteral("Το σχέδιο δεν αποθηκεύτηκε στο «%1»: %2. Το αρχείο έμεινε όπως ήταν.")
        .arg(QDir::toNativeSeparators(path), whySaveFailed(file));
}

PlanReading openPlan(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (info.isFile() && info.size() <= kLargestPlan && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) return readPlanJson(bytes);
    }
    return {{}, PlanProblem{PlanProblemKind::Unreadable, whyUnreadable(info), {}}};
}

} // namespace tarvanel
