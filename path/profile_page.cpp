#include "path/profile_page.h"

#include "path/profile_table_model.h"
#include "path/profile_table_view.h"
#include "widgets/csv_saving.h"
#include "widgets/explained.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvanel {

ProfilePage::ProfilePage(Plan& plan, QWidget* parent)
    : QWidget(parent)
    , m_model(new ProfileTableModel(plan, this))
    , m_table(new ProfileTableView(this))
    , m_fromCsv(new QPushButton(QStringLiteral("Από αρχείο CSV..."), this))
    , m_toCsv(new QPushButton(QStringLiteral("Αποθήκευση CSV..."), this))
    , m_fromElevation(new QPushButton(QStringLiteral("Έδαφος από αρχεία υψομέτρων"), this))
    , m_plan(plan) {
    m_table->setModel(m_model);
    m_table->setObjectName(QStringLiteral("tblProfile"));
    m_table->setAccessibleName(QStringLiteral("Σημεία εδάφους"));
    explain(m_table, QStringLiteral("Πλήκτρο εισαγωγής: νέο σημείο· πλήκτρο διαγραφής: "
                                    "σβήνει τα επιλεγμένα· Ctrl+V: επικόλληση γραμμών από "
                                    "λογιστικό φύλλο"));
    m_fromCsv->setObjectName(QStringLiteral("cmdProfileCsv"));
    explain(m_fromCsv, QStringLiteral("Στήλες: απόσταση σε km, υψόμετρο εδάφους σε m, ό,τι "
                                      "στέκεται πάνω του σε m· με ή χωρίς γραμμή επικεφαλίδων"));
    m_toCsv->setObjectName(QStringLiteral("cmdProfileSaveCsv"));
    explain(m_toCsv, QStringLiteral("Τα σημεία σε αρχείο CSV, όπως τα διαβάζει το «Από "
                                    "αρχείο CSV...»"));
    m_fromElevation->setObjectName(QStringLiteral("cmdProfileElevation"));
    explain(m_fromElevation, QStringLiteral("Από πλακίδια SRTM (.hgt) ή GeoTIFF σε φάκελο "
                                            "της επιλογής σας, με τις δύο θέσεις"));
    for (QPushButton* button : {m_fromCsv, m_toCsv, m_fromElevation})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(m_fromCsv);
    buttons->addWidget(m_toCsv);
    buttons->addWidget(m_fromElevation);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_fromCsv, &QPushButton::clicked, this, &ProfilePage::chooseCsv);
    connect(m_toCsv, &QPushButton::clicked, this, [this] {
        saveCsvFile(this, QStringLiteral("Αποθήκευση σημείων εδάφους"),
                    QStringLiteral("σημεία εδάφους.csv"), csv());
    });
    connect(m_fromElevation, &QPushButton::clicked, this, &ProfilePage::elevationRequested);
}

QString ProfilePage::csv() const {
    QList<QStringList> rows;
    for (const ProfilePointFields& point : m_model->points())
        rows.append({QString::fromStdString(point.distanceKm),
                     QString::fromStdString(point.groundM),
                     QString::fromStdString(point.clutterM)});
    return csvText(
        {QStringLiteral("distance_km"), QStringLiteral("ground_m"), QStringLiteral("clutter_m")},
        rows);
}

void ProfilePage::setSource(const QString& source) {
    Link link = m_plan.current();
    link.pointsSource = source.toStdString();
    m_plan.setLink(link);
}

bool ProfilePage::importCsv(const QString& path, QString* problem) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("Το αρχείο %1 δεν ανοίγει: %2").arg(path, file.errorString());
        return false;
    }
    m_model->setPoints({}, {});
    m_table->addText(QString::fromUtf8(file.readAll()));
    setSource(QFileInfo(path).fileName());
    return true;
}

void ProfilePage::chooseCsv() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Σημεία εδάφους από αρχείο CSV"), QString(),
        QStringLiteral("CSV (*.csv *.txt);;Όλα τα αρχεία (*)"));
    if (path.isEmpty()) return;
    QString problem;
    if (!importCsv(path, &problem))
        QMessageBox::warning(this, QStringLiteral("Σημεία εδάφους"), problem);
}

} // namespace tarvanel
