#include "map/map_window.h"

#include "elevation/elevation_folder_setting.h"
#include "elevation/elevation_loader.h"
#include "map/map_canvas.h"
#include "numbers/number_text.h"
#include "widgets/qt_number_locale.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>

#include <cmath>

namespace tarvanel {

namespace {

const QString kRasterMapSetting = QStringLiteral("map/raster_map");
constexpr int kDefaultRadiusKm = 20;
constexpr double kZoomStep = 1.5;

// A site's mast in metres, 0 while it does not read.
double mastOf(const Site& site) {
    const Outcome<double> mast = toDouble(site.mast, numberLocaleFrom(QLocale()));
    return mast.ok() && std::isfinite(mast.value) ? std::max(0.0, mast.value) : 0.0;
}

// The colours as the map draws them (plan_layer.cpp, map_picture.cpp).
QString legendText() {
    const auto swatch = [](const char* colour, const char* shape, const char* words) {
        return QStringLiteral("<span style=\"color:%1\">%2</span> %3<br>")
            .arg(QLatin1String(colour), QString::fromUtf8(shape), QString::fromUtf8(words));
    };
    return QStringLiteral("<b>Υπόμνημα</b><br>") +
           swatch("#008000", "━━", "περιθώριο τουλάχιστον το fade margin") +
           swatch("#ff0000", "━━", "περιθώριο κάτω από το fade margin") +
           swatch("#808080", "━━", "λείπουν στοιχεία της ζεύξης") +
           QStringLiteral("Παχιά: η τρέχουσα ζεύξη. Κλικ σε ζεύξη: γίνεται τρέχουσα.<br>"
                          "Λεπτές γραμμές: η έρευνα από την επιλεγμένη θέση.<br>") +
           swatch("#143296", "●", "θέση. Κλικ: επιλέγεται (πορτοκαλί κύκλος).") +
           swatch("#e6c200", "■",
                  "ό,τι βλέπει η επιλεγμένη θέση: <b>μόνο οπτική επαφή, όχι ελεύθερη ζώνη "
                  "Fresnel</b>.") +
           QStringLiteral("<br>Ανάγλυφο από τα αρχεία υψομέτρων, φωτισμένο από τα "
                          "βορειοδυτικά, χρώμα κατά το ύψος. Ο βορράς είναι πάνω.<br><br>"
                          "Τροχός ή +/−: μεγέθυνση γύρω από τον δείκτη. Σύρσιμο ή βέλη: "
                          "μετακίνηση. Πλήκτρο αρχής: όλο το σχέδιο.");
}

} // namespace

MapWindow::MapWindow(Plan& plan, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_plan(plan)
    , m_reader(std::make_shared<ElevationReader>()) {
    setObjectName(QStringLiteral("mapWindow"));
    setWindowTitle(QStringLiteral("Χάρτης"));
    m_canvas = new MapCanvas(plan, m_reader);
    m_viewshed = new ViewshedRunner(m_reader, this);
    m_legend = new QLabel(legendText());
    m_legend->setObjectName(QStringLiteral("lblMapLegend"));
    m_legend->setWordWrap(true);
    m_legend->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_legend->setFixedWidth(230);
    m_legend->setAccessibleName(QStringLiteral("Υπόμνημα"));

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->addWidget(buildViewshedBar());
    auto* row = new QHBoxLayout;
    row->addWidget(m_canvas, 1);
    row->addWidget(m_legend);
    column->addLayout(row, 1);
    setCentralWidget(central);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblMapStatus"));
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("barViewshed"));
    m_progress->setAccessibleName(QStringLiteral("Πρόοδος ορατότητας"));
    m_progress->setRange(0, 100);
    m_cancel = new QPushButton(QStringLiteral("Ακύρωση"));
    m_cancel->setObjectName(QStringLiteral("cmdCancelViewshed"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->addPermanentWidget(m_cancel);
    m_progress->hide();
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, &MapWindow::cancelViewshed);

    connect(m_viewshed, &ViewshedRunner::progressed, m_progress, &QProgressBar::setValue);
    connect(m_viewshed, &ViewshedRunner::finished, this, [this](const ViewshedLayer& layer) {
        m_progress->hide();
        m_cancel->hide();
        m_seeButton->setEnabled(true);
        if (!layer.problem.isEmpty()) {
            tell(layer.problem);
            return;
        }
        tell({});
        m_canvas->setViewshed(layer);
        emit visibilityChanged();
    });
    connect(m_viewshed, &ViewshedRunner::cancelled, this, [this] {
        m_progress->hide();
        m_cancel->hide();
        m_seeButton->setEnabled(true);
        tell(QStringLiteral("Ο υπολογισμός της ορατότητας ακυρώθηκε."));
    });
    connect(m_canvas, &MapCanvas::siteSelected, this, &MapWindow::siteChosen);

    buildMenus();
    m_listening = m_plan.listen([this](const PlanChange& change) {
        if (change.kind != PlanChange::Kind::MapPlace &&
            change.kind != PlanChange::Kind::CurrentLink)
            showSites();
    });
    showSites();
    followSettings();
    resize(1180, 780);
    m_canvas->setFocus(); // the keys move the map from the start
}

MapWindow::~MapWindow() {
    m_plan.unlisten(m_listening);
}

QWidget* MapWindow::buildViewshedBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto labelled = [row](const QString& caption, QWidget* field, const char* name) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(QString(caption).remove(QLatin1Char(':')));
        row->addWidget(label);
        row->addWidget(field);
    };
    m_site = new QComboBox;
    m_site->setMinimumContentsLength(16);
    labelled(QStringLiteral("Θέση:"), m_site, "cboMapSite");
    m_targetMast = new QSpinBox;
    m_targetMast->setRange(0, 500);
    m_targetMast->setSuffix(QStringLiteral(" m"));
    labelled(QStringLiteral("Ιστός στο άλλο άκρο:"), m_targetMast, "spnTargetMast");
    m_radius = new QSpinBox;
    m_radius->setRange(1, 100);
    m_radius->setValue(kDefaultRadiusKm);
    m_radius->setSuffix(QStringLiteral(" km"));
    labelled(QStringLiteral("Ακτίνα:"), m_radius, "spnViewshedRadius");
    m_seeButton = new QPushButton(QStringLiteral("Τι βλέπει η θέση"));
    m_seeButton->setObjectName(QStringLiteral("cmdViewshed"));
    m_seeButton->setToolTip(
        QStringLiteral("Πού θα έβλεπε την κεραία της θέσης ένας ιστός με αυτό το ύψος, ως την "
                       "ακτίνα: μόνο οπτική επαφή, όχι ελεύθερη ζώνη Fresnel. Ο συντελεστής k "
                       "είναι της τρέχουσας ζεύξης."));
    row->addWidget(m_seeButton);
    row->addStretch(1);
    connect(m_seeButton, &QPushButton::clicked, this, &MapWindow::startViewshed);
    connect(m_site, &QComboBox::activated, this,
            [this](int index) { m_canvas->selectSite(m_site->itemData(index).toInt()); });
    return bar;
}

void MapWindow::buildMenus() {
    QMenu* map = menuBar()->addMenu(QStringLiteral("Χάρτης"));
    map->addAction(QStringLiteral("Αποθήκευση εικόνας..."), this, &MapWindow::askImageFile);
    map->addSeparator();
    map->addAction(QStringLiteral("Φάκελος υψομέτρων..."), this, &MapWindow::askElevationFolder);
    map->addAction(QStringLiteral("Χάρτης κάτω από το ανάγλυφο (MBTiles, GeoPackage)..."), this,
                   &MapWindow::askRasterMap);
    map->addAction(QStringLiteral("Χωρίς χάρτη κάτω από το ανάγλυφο"), this, [this] {
        QSettings().remove(kRasterMapSetting);
        followSettings();
    });
    map->addSeparator();
    map->addAction(QStringLiteral("Κλείσιμο"), QKeySequence::Close, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("Προβολή"));
    QAction* fit = view->addAction(QStringLiteral("Όλο το σχέδιο"), m_canvas, &MapCanvas::fitPlan);
    fit->setShortcut(Qt::Key_Home);
    QAction* in =
        view->addAction(QStringLiteral("Μεγέθυνση"), this, [this] { m_canvas->zoomBy(kZoomStep); });
    in->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal),
                      QKeySequence(QKeySequence::ZoomIn)});
    QAction* out = view->addAction(QStringLiteral("Σμίκρυνση"), this,
                                   [this] { m_canvas->zoomBy(1.0 / kZoomStep); });
    out->setShortcuts({QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)});

    QMenu* sight = menuBar()->addMenu(QStringLiteral("Ορατότητα"));
    sight->addAction(QStringLiteral("Τι βλέπει η επιλεγμένη θέση"), this,
                     &MapWindow::startViewshed);
    sight->addAction(QStringLiteral("Ακύρωση υπολογισμού"), this, &MapWindow::cancelViewshed);
    sight->addAction(QStringLiteral("Χωρίς ορατότητα"), this, [this] {
        m_canvas->setViewshed(std::nullopt);
        emit visibilityChanged();
    });
}

// The sites in the chooser, in the plan's order, the chosen one kept.
void MapWindow::showSites() {
    const QSignalBlocker quiet(m_site);
    m_site->clear();
    for (const Site& site : m_plan.sites())
        m_site->addItem(QString::fromStdString(site.name), site.id);
    m_site->setCurrentIndex(m_site->findData(m_canvas->selectedSite()));
}

void MapWindow::siteChosen(SiteId id) {
    {
        const QSignalBlocker quiet(m_site);
        m_site->setCurrentIndex(m_site->findData(id));
    }
    if (const Site* site = m_plan.site(id)) m_targetMast->setValue(int(std::lround(mastOf(*site))));
    emit siteSelected(id);
}

void MapWindow::selectSite(SiteId id) {
    m_canvas->selectSite(id);
}

void MapWindow::setSurveyLines(std::vector<SurveyLine> lines) {
    m_canvas->setSurveyLines(std::move(lines));
}

SiteId MapWindow::visibilityFrom() const {
    return m_canvas->viewshed() ? m_canvas->viewshed()->ask.site : 0;
}

std::map<SiteId, Sight> MapWindow::visibility() const {
    return m_canvas->viewshed() ? m_canvas->viewshed()->sights : std::map<SiteId, Sight>{};
}

void MapWindow::startViewshed() {
    const Site* site = m_plan.site(m_canvas->selectedSite());
    const MapScene& scene = m_canvas->scene();
    const MapScene::SitePoint* point = site ? scene.site(site->id) : nullptr;
    if (m_canvas->elevationFolder().isEmpty())
        return tell(QStringLiteral("Η ορατότητα χρειάζεται φάκελο υψομέτρων: «Χάρτης › Φάκελος "
                                   "υψομέτρων...»."));
    if (!point) return tell(QStringLiteral("Επιλέξτε πρώτα μια θέση, στον χάρτη ή στη λίστα."));
    if (!point->position)
        return tell(QStringLiteral("Η θέση της «%1» δεν διαβάζεται.").arg(point->name));
    ViewshedAsk ask{m_canvas->elevationFolder(),
                    site->id,
                    *point->position,
                    mastOf(*site),
                    double(m_targetMast->value()),
                    m_radius->value() * 1000.0,
                    earthFactorValue(m_plan.current().earthFactor),
                    {}};
    for (const MapScene::SitePoint& other : scene.sites)
        if (other.id != site->id && other.position)
            ask.others.emplace_back(other.id, *other.position);
    m_seeButton->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    tell(QStringLiteral("Υπολογίζεται τι βλέπει η «%1»...").arg(point->name));
    m_viewshed->start(ask);
}

void MapWindow::cancelViewshed() {
    m_viewshed->cancel();
}

bool MapWindow::saveImage(const QString& file, QString* problem) {
    if (m_canvas->picture().save(file, "PNG")) return true;
    if (problem)
        *problem =
            QStringLiteral("Η εικόνα δεν γράφτηκε στο «%1».").arg(QDir::toNativeSeparators(file));
    return false;
}

void MapWindow::askImageFile() {
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Αποθήκευση εικόνας"),
                                                QStringLiteral("χάρτης.png"),
                                                QStringLiteral("Εικόνα PNG (*.png)"));
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".png");
    QString problem;
    tell(saveImage(file, &problem)
             ? QStringLiteral("Η εικόνα γράφτηκε στο «%1».").arg(QDir::toNativeSeparators(file))
             : problem);
}

void MapWindow::askElevationFolder() {
    QSettings settings;
    const QString key = QString::fromLatin1(kElevationFolderSetting);
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Φάκελος με αρχεία υψομέτρων (.hgt, GeoTIFF)"),
        settings.value(key, QDir::homePath()).toString());
    if (folder.isEmpty()) return;
    settings.setValue(key, folder);
    followSettings();
}

void MapWindow::askRasterMap() {
    QSettings settings;
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Χάρτης κάτω από το ανάγλυφο"),
        settings.value(kRasterMapSetting, QDir::homePath()).toString(),
        QStringLiteral("Χάρτες (*.mbtiles *.gpkg *.tif *.tiff);;Όλα τα αρχεία (*)"));
    if (file.isEmpty()) return;
    settings.setValue(kRasterMapSetting, file);
    followSettings();
}

// The folder and the map as remembered: the path panel may have chosen
// another folder since.
void MapWindow::followSettings() {
    const QSettings settings;
    m_canvas->setElevationFolder(
        settings.value(QString::fromLatin1(kElevationFolderSetting)).toString());
    m_canvas->setRasterMap(settings.value(kRasterMapSetting).toString());
}

void MapWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) followSettings();
    QMainWindow::changeEvent(event);
}

void MapWindow::tell(const QString& text) {
    m_status->setText(text);
}

} // namespace tarvanel
