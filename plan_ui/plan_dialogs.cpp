#include "plan_ui/plan_dialogs.h"

#include "plan_file/plan_file.h"
#include "plan_ui/dialog_words.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace tarvanel {

namespace {

const QString kFilters =
    QStringLiteral("Σχέδια Tarvanel (*.%1);;Όλα τα αρχεία (*)").arg(QLatin1String(kPlanSuffix));

// Qt's own file dialog (used where the desktop offers none) takes its captions from here.
void nameInGreek(QFileDialog& dialog, const QString& accept) {
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
}

bool confirmReplace(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Αποθήκευση σχεδίου"),
                    QStringLiteral("Το αρχείο «%1» υπάρχει ήδη. Να αντικατασταθεί;")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, parent);
    QPushButton* replace = box.addButton(QStringLiteral("Αντικατάσταση"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Άκυρο"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

QString askSaveName(QWidget* parent, const QString& suggested) {
    const DialogWords words; // before the dialog, which takes its words when it is made
    QFileDialog dialog(parent, QStringLiteral("Αποθήκευση σχεδίου"), suggested, kFilters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(kPlanSuffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // asked in Greek below
    nameInGreek(dialog, QStringLiteral("Αποθήκευση"));
    while (dialog.exec() == QDialog::Accepted) {
        const QString path = dialog.selectedFiles().value(0);
        if (!QFileInfo::exists(path) || confirmReplace(parent, path)) return path;
    }
    return {};
}

QString askOpenName(QWidget* parent, const QString& directory) {
    const DialogWords words;
    QFileDialog dialog(parent, QStringLiteral("Άνοιγμα σχεδίου"), directory, kFilters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    nameInGreek(dialog, QStringLiteral("Άνοιγμα"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

KeepAnswer askKeep(QWidget* parent, const QString& planName) {
    const QString text =
        planName.isEmpty()
            ? QStringLiteral("Το νέο σχέδιο έχει αλλαγές που δεν αποθηκεύτηκαν.")
            : QStringLiteral("Το σχέδιο «%1» έχει αλλαγές που δεν αποθηκεύτηκαν.").arg(planName);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Αλλαγές χωρίς αποθήκευση"), text,
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QStringLiteral("Να αποθηκευτούν πριν συνεχίσετε;"));
    QPushButton* save = box.addButton(QStringLiteral("Αποθήκευση"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Απόρριψη"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Άκυρο"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return KeepAnswer::Save;
    return box.clickedButton() == discard ? KeepAnswer::Discard : KeepAnswer::Cancel;
}

void showProblem(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("Εντάξει"), QMessageBox::AcceptRole));
    box.exec();
}

} // namespace

PlanDialogs standardPlanDialogs() {
    return {askSaveName, askOpenName, askKeep, showProblem};
}

} // namespace tarvanel
