#include "sites/sites_window.h"

#include "elevation/elevation_loader.h"
#include "plan_export/export_dialog.h"
#include "sites/site_columns.h"
#include "sites/site_import.h"
#include "sites/sites_model.h"
#include "sites/sites_view.h"
#include "survey/survey_csv.h"
#include "survey/survey_model.h"
#include "survey/survey_view.h"
#include "widgets/csv_saving.h"
#include "widgets/explained.h"
#include "widgets/qt_number_locale.h"
#include "widgets/spoken_notice.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tarvanel {

namespace {

const QString kTitle = QStringLiteral("Τοποθεσίες και έρευνα");
// The folder the path panel's ground from files remembers.
const QString kFolderKey = QStringLiteral("elevation/folder");

QPushButton* button(const QString& text, const char* name, const QString& toolTip) {
    auto* made = new QPushButton(text);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    made->setToolTip(toolTip);
    made->setAccessibleDescription(toolTip);
    return made;
}

// A table's caption above it, which names it for assistive technology.
QLabel* captionOf(QWidget* table, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setBuddy(table);
    table->setAccessibleName(caption);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

SitesWindow::SitesWindow(Plan& plan, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_plan(plan)
    , m_sites(new SitesModel(plan, this))
    , m_sitesView(new SitesView(m_sites))
    , m_survey(new SurveyModel(plan, this))
    , m_surveyView(new SurveyView(m_survey))
    , m_from(new QComboBox)
    , m_withGround(new QCheckBox(QStringLiteral("Έδαφος από αρχεία υψομέτρων")))
    , m_folder(button(QStringLiteral("Φάκελος..."), "cmdSurveyFolder",
                      QStringLiteral("Ο φάκελος με τα αρχεία υψομέτρων (.hgt, GeoTIFF) της "
                                     "έρευνας· φυλάγεται με το σχέδιο")))
    , m_folderName(new QLabel)
    , m_progress(new QProgressBar)
    , m_stop(button(QStringLiteral("Ακύρωση"), "cmdSurveyStop",
                    QStringLiteral("Σταματά την έρευνα· όσες γραμμές υπολογίστηκαν μένουν")))
    , m_status(new QLabel)
    , m_notice(new SpokenNotice(this)) {
    setObjectName(QStringLiteral("frmSites"));
    setWindowTitle(kTitle);
    setAccessibleName(kTitle);
    // The main window's light colours and font, as its path panel has them.
    setAttribute(Qt::WA_WindowPropagation);
    resize(1100, 700);

    m_sitesView->setObjectName(QStringLiteral("tblSites"));
    explain(m_sitesView,
            QStringLiteral(
                "Πλήκτρο εισαγωγής: νέα τοποθεσία· πλήκτρο διαγραφής: σβήνει τις επιλεγμένες· F2: "
                "αλλαγή "
                "κελιού· Ctrl+C / Ctrl+V: αντιγραφή και επικόλληση γραμμών από λογιστικό φύλλο"));
    auto* add = button(
        QStringLiteral("Νέα τοποθεσία"), "cmdNewSite",
        QStringLiteral("Με τις ρυθμίσεις του άκρου 2 της τρέχουσας ζεύξης (πλήκτρο εισαγωγής)"));
    auto* remove = button(QStringLiteral("Διαγραφή"), "cmdDeleteSite",
                          QStringLiteral("Σβήνει τις επιλεγμένες τοποθεσίες (πλήκτρο διαγραφής)"));
    auto* import = button(QStringLiteral("Εισαγωγή από αρχείο..."), "cmdImportSites",
                          QStringLiteral("CSV με επικεφαλίδα (name;position;ground_m;mast_m ή "
                                         "name;lat;lon;...), KML, GeoJSON ή GPX"));
    auto* exporting =
        button(QStringLiteral("Εξαγωγή..."), "cmdExportPlan",
               QStringLiteral("Οι τοποθεσίες και οι ζεύξεις του σχεδίου σε KML (Google Earth) ή "
                              "GeoJSON"));
    auto* siteButtons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, import, exporting})
        siteButtons->addWidget(b);
    siteButtons->addStretch();
    auto* sitesPart = new QWidget;
    auto* sitesLayout = new QVBoxLayout(sitesPart);
    sitesLayout->addWidget(captionOf(m_sitesView, QStringLiteral("Τοποθεσίες")));
    sitesLayout->addWidget(m_sitesView);
    sitesLayout->addLayout(siteButtons);

    m_from->setObjectName(QStringLiteral("cboSurveySite"));
    auto* fromLabel = new QLabel(QStringLiteral("Έρευνα από:"));
    fromLabel->setBuddy(m_from);
    m_from->setAccessibleName(QStringLiteral("Έρευνα από"));
    m_withGround->setObjectName(QStringLiteral("chkSurveyGround"));
    explain(m_withGround, QStringLiteral("Χωρίς αρχεία: μόνο το ελεύθερο ύψος που χρειάζεται "
                                         "στο μέσο της διαδρομής"));
    m_folderName->setObjectName(QStringLiteral("lblSurveyFolder"));
    auto* surveyBar = new QHBoxLayout;
    surveyBar->addWidget(fromLabel);
    surveyBar->addWidget(m_from, 1);
    surveyBar->addSpacing(12);
    surveyBar->addWidget(m_withGround);
    surveyBar->addWidget(m_folder);
    surveyBar->addWidget(m_folderName, 2);
    m_surveyView->setObjectName(QStringLiteral("tblSurvey"));
    explain(m_surveyView,
            QStringLiteral("Πλήκτρο επιστροφής ή διπλό κλικ: η ζεύξη με αυτή την τοποθεσία "
                           "γίνεται τρέχουσα στο κύριο παράθυρο"));
    auto* surveyPart = new QWidget;
    auto* surveyLayout = new QVBoxLayout(surveyPart);
    surveyLayout->addLayout(surveyBar);
    surveyLayout->addWidget(captionOf(m_surveyView, QStringLiteral("Έρευνα")));
    surveyLayout->addWidget(m_surveyView);
    auto* saveSurvey = button(QStringLiteral("Αποθήκευση CSV..."), "cmdSurveyCsv",
                              QStringLiteral("Ο πίνακας της έρευνας σε αρχείο CSV, με τις στήλες "
                                             "κάθε τοποθεσίας που διαβάζει η εισαγωγή"));
    auto* surveyButtons = new QHBoxLayout;
    surveyButtons->addWidget(saveSurvey);
    surveyButtons->addStretch();
    surveyLayout->addLayout(surveyButtons);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(sitesPart);
    split->addWidget(surveyPart);
    split->setChildrenCollapsible(false);
    setCentralWidget(split);

    m_progress->setObjectName(QStringLiteral("prgSurvey"));
    m_progress->setAccessibleName(QStringLiteral("Πρόοδος έρευνας"));
    m_progress->setMaximumWidth(240);
    m_status->setObjectName(QStringLiteral("lblSitesStatus"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->addPermanentWidget(m_stop);
    m_progress->hide();
    m_stop->hide();

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    connect(add, &QPushButton::clicked, m_sitesView, &SitesView::addSite);
    connect(remove, &QPushButton::clicked, m_sitesView, &SitesView::removeSelectedRows);
    connect(import, &QPushButton::clicked, this, &SitesWindow::chooseImport);
    connect(exporting, &QPushButton::clicked, this, [this] {
        if (const QString written = exportPlan(this, m_plan); !written.isEmpty()) tell(written);
    });
    connect(saveSurvey, &QPushButton::clicked, this, [this] {
        const QString name = m_from->currentIndex() > 0
                                 ? QStringLiteral("έρευνα από %1.csv").arg(m_from->currentText())
                                 : QStringLiteral("έρευνα.csv");
        const QString file =
            saveCsvFile(this, QStringLiteral("Αποθήκευση έρευνας"), name, surveyCsv(*m_surveyView));
        if (!file.isEmpty())
            tell(QStringLiteral("Γράφτηκε το %1.").arg(QDir::toNativeSeparators(file)));
    });
    connect(m_sitesView, &SitesView::told, this, &SitesWindow::tell);
    connect(m_from, &QComboBox::activated, this,
            [this](int index) { m_plan.setSurveySite(m_from->itemData(index).toInt()); });
    connect(m_withGround, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            chooseFolder(false);
        else
            m_plan.setSurveyFolder({});
    });
    connect(m_folder, &QPushButton::clicked, this, [this] { chooseFolder(true); });
    connect(m_survey, &SurveyModel::progress, this, &SitesWindow::showProgress);
    connect(m_survey, &SurveyModel::finished, this, &SitesWindow::surveyEnded);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_survey->running())
            m_survey->cancel();
        else
            m_survey->resume();
    });
    connect(m_sitesView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid() && now.row() < m_sites->siteCount())
                    emit siteSelected(m_plan.sites()[static_cast<std::size_t>(now.row())].id);
            });
    // The current pair's row stays selected while the survey fills in.
    connect(m_survey, &QAbstractItemModel::modelReset, this, &SitesWindow::selectCurrentPair);
    m_listening = m_plan.listen([this](const PlanChange& change) {
        using Kind = PlanChange::Kind;
        if (change.kind == Kind::CurrentLink) selectCurrentPair();
        if (change.kind != Kind::LinkAdded && change.kind != Kind::LinkChanged &&
            change.kind != Kind::LinkRemoved && change.kind != Kind::CurrentLink)
            showPlan();
    });
    showPlan();
    selectCurrentPair();
    m_sitesView->resizeColumnsToContents();
}

// A cell being edited is not written while the window goes.
SitesWindow::~SitesWindow() {
    m_sites->stopWriting();
    m_plan.unlisten(m_listening);
}

void SitesWindow::selectSite(SiteId id) {
    const auto& sites = m_plan.sites();
    const auto found = std::ranges::find(sites, id, &Site::id);
    if (found == sites.end() || m_sitesView->currentIndex().row() == found - sites.begin()) return;
    const QModelIndex first = m_sites->index(static_cast<int>(found - sites.begin()), 0);
    m_sitesView->setCurrentIndex(first);
    m_sitesView->scrollTo(first);
}

// The survey's row of the current link, when the link is from the survey's site.
void SitesWindow::selectCurrentPair() {
    const auto [end1, end2] = m_plan.current().ends;
    const SiteId from = m_plan.surveySite();
    if (from && (end1 == from || end2 == from))
        m_surveyView->selectSite(end1 == from ? end2 : end1);
}

void SitesWindow::tell(const QString& message) {
    m_status->setText(message);
    m_notice->say(message);
}

// The survey's site among the sites that read, and its ground.
void SitesWindow::showPlan() {
    const QSignalBlocker quiet(m_from);
    const NumberLocale locale = numberLocaleFrom(QLocale());
    m_from->clear();
    m_from->addItem(QStringLiteral("(καμία τοποθεσία)"), 0);
    for (const Site& site : m_plan.sites())
        if (siteProblem(site, locale).empty())
            m_from->addItem(QString::fromStdString(site.name), site.id);
    m_from->setCurrentIndex(std::max(0, m_from->findData(m_plan.surveySite())));
    const QString folder = QString::fromStdString(m_plan.surveyFolder());
    m_withGround->setChecked(!folder.isEmpty());
    m_folderName->setText(folder.isEmpty() ? QStringLiteral("χωρίς έδαφος")
                                           : QDir::toNativeSeparators(folder));
}

// The folder remembered, or asked for (always when `asked`).
void SitesWindow::chooseFolder(bool asked) {
    QSettings settings;
    QString folder = settings.value(kFolderKey).toString();
    if (asked || folder.isEmpty() || !QDir(folder).exists())
        folder = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Φάκελος με αρχεία υψομέτρων (.hgt, GeoTIFF)"),
            folder.isEmpty() ? QDir::homePath() : folder);
    if (!folder.isEmpty()) {
        settings.setValue(kFolderKey, folder);
        m_plan.setSurveyFolder(folder.toStdString());
    }
    showPlan();
}

void SitesWindow::chooseImport() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Τοποθεσίες από αρχείο"), QString(),
        QStringLiteral("Τοποθεσίες (*.csv *.txt *.tsv *.kml *.geojson *.json *.gpx);;"
                       "Όλα τα αρχεία (*)"));
    if (!path.isEmpty()) importFile(path);
}

void SitesWindow::importFile(const QString& path) {
    if (!m_reader) m_reader = std::make_unique<ElevationReader>();
    SiteImport import = importSites(path, m_sites->newSite(), *m_reader);
    if (!import.problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Εισαγωγή τοποθεσιών"), import.problem);
        return;
    }
    const auto unread =
        std::ranges::count_if(import.rows, [](const SiteRow& r) { return !r.problem.empty(); });
    const auto read = static_cast<qsizetype>(import.rows.size()) - unread;
    m_sites->addRows(std::move(import.rows));
    QString message =
        QStringLiteral("Από το %1: %2 τοποθεσίες").arg(QFileInfo(path).fileName()).arg(read);
    if (unread > 0)
        message += QStringLiteral("· %1 γραμμές δεν διαβάστηκαν (κόκκινες, με τον λόγο στη "
                                  "συμβουλή τους)")
                       .arg(unread);
    tell(message + QLatin1Char('.'));
}

void SitesWindow::showProgress(int done, int total) {
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_progress->show();
    m_stop->setText(QStringLiteral("Ακύρωση"));
    m_stop->show();
    m_status->setText(QStringLiteral("Έρευνα: %1 από %2").arg(done).arg(total));
}

void SitesWindow::surveyEnded(bool cancelled) {
    m_progress->hide();
    m_surveyView->resizeColumnsToContents();
    const int waiting = m_survey->waiting();
    const int rows = m_survey->rowCount();
    m_stop->setVisible(waiting > 0);
    m_stop->setText(QStringLiteral("Συνέχεια"));
    tell(cancelled ? QStringLiteral("Η έρευνα ακυρώθηκε: %1 από %2 τοποθεσίες υπολογίστηκαν.")
                         .arg(rows - waiting)
                         .arg(rows)
                   : QStringLiteral("Η έρευνα τελείωσε: %1 τοποθεσίες.").arg(rows));
}

QAction* addSitesWindowAction(QWidget* window, Plan& plan) {
    auto* action = new QAction(QStringLiteral("Τοποθεσίες και έρευνα..."), window);
    // Ctrl+Shift+T: no desktop convention claims it in a window without tabs.
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    QObject::connect(action, &QAction::triggered, window, [window, &plan] {
        auto* sites = window->findChild<SitesWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!sites) sites = new SitesWindow(plan, window);
        sites->show();
        sites->raise();
        sites->activateWindow();
    });
    window->addAction(action);
    return action;
}

} // namespace tarvanel
