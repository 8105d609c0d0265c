#include "plan_ui/plan_dialogs.h"

#include "plan_file/plan_file.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tarvanel {

namespace {

const QString kFilters =
    QStringLiteral("Σχέδια Tarvanel (*.%1);;Όλα τα αρχεία (*)").arg(QLatin1String(kPlanSuffix));

QString askSaveName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Αποθήκευση σχεδίου"), suggested, kFilters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QLatin1String(kPlanSuffix));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString askOpenName(QWidget* parent, const QString& directory) {
    QFileDialog dialog(parent, QStringLiteral("Άνοιγμα σχεδίου"), directory, kFilters);
    dialog.setFileMode(QFileDialog::ExistingFile);
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
