#include "path/path_panel.h"

#include "engine/earth_factor.h"
#include "path/captioned_page.h"
#include "path/path_side_view.h"
#include "path/profile_page.h"
#include "path/profile_table_model.h"
#include "path/profile_table_view.h"
#include "path/rate_table_model.h"
#include "widgets/choice_box.h"
#include "widgets/control_factory.h"
#include "widgets/drawn_captions.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvanel {

namespace {

// The kinds the factory makes; the panel makes the others.
bool createsItself(Kind kind) {
    return kind != Kind::SideView && kind != Kind::Pages && kind != Kind::ProfileTable &&
           kind != Kind::RateTable;
}

constexpr double kBorderWidth = 2; // pixels, as the window's
constexpr double kHeadingLeft = 13;
constexpr double kHeadingCentre = 18;
constexpr const char* kHeading = "Διαδρομή ζεύξης";
// The legend, under the results column.
constexpr QRectF kLegend{354, 250, 190, 110};

// A page that one control fills.
QWidget* filledPage(QWidget* filling) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filling);
    return page;
}
} // namespace

PathPanel::PathPanel(Plan& plan, QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const std::span<const ControlRow> rows = pathPanelTable();
    auto* positions = new CaptionedPage(rows, Container::PositionsPage);
    auto* rates = new CaptionedPage(rows, Container::RatesPage);
    auto* alignment = new CaptionedPage(rows, Container::AlignmentPage);
    for (const ControlRow& row : rows) {
        const QString name = accessibleNameOf(row);
        QWidget* parent = this;
        if (row.container == Container::PositionsPage) parent = positions;
        if (row.container == Container::RatesPage) parent = rates;
        if (row.container == Container::AlignmentPage) parent = alignment;
        QWidget* widget = createControl(row, parent, name);
        if (row.kind == Kind::RateTable) {
            auto* table = new QTableView(parent);
            m_controls.rates = new RateTableModel(plan, table);
            table->setModel(m_controls.rates);
            table->setFont(windowFont(kFont8_25pt, false, true));
            table->horizontalHeader()->setFont(windowFont(10, false, true));
            table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
            table->verticalHeader()->hide();
            table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 3);
            table->setTabKeyNavigation(false);
            table->setToolTip(QString::fromUtf8(row.toolTip));
            table->setGeometry(twipsRect(row.box));
            widget = table;
        }
        if (row.kind == Kind::SideView) widget = new PathSideView;
        if (row.kind == Kind::Pages) widget = new QTabWidget(this);
        if (row.kind == Kind::ProfileTable) {
            m_controls.profile = new ProfilePage(plan);
            widget = m_controls.profile->table();
        }
        if (!createsItself(row.kind)) {
            widget->setObjectName(QLatin1String(row.name));
            widget->setAccessibleName(name);
            if (row.kind == Kind::Pages) widget->setGeometry(twipsRect(row.box));
            if (row.toolTip) widget->setAccessibleDescription(QString::fromUtf8(row.toolTip));
        }
        if (row.keep) row.keep(&m_controls, row.end, widget);
        m_rowControls.emplace_back(&row, widget);
    }
    for (const EarthFactorChoice& choice : kEarthFactorChoices)
        m_controls.cboEarthFactor->addItem(QString::fromUtf8(choice.label));
    QTabWidget* pages = m_controls.pages;
    pages->setFont(windowFont(kFont8_25pt));
    pages->setUsesScrollButtons(false);
    // The tab bar's own scroll buttons, never shown, speak the window's language too.
    for (QToolButton* scroll : pages->tabBar()->findChildren<QToolButton*>())
        scroll->setAccessibleName(scroll->arrowType() == Qt::LeftArrow
                                      ? QStringLiteral("Κύλιση αριστερά")
                                      : QStringLiteral("Κύλιση δεξιά"));
    const struct {
        QWidget* page;
        const char* tab;
        const char* tip;
    } kPages[] = {
        {filledPage(m_controls.picPathSide), "Όψη", "Η διαδρομή από το πλάι"},
        {m_controls.profile, "Έδαφος", "Τα σημεία του εδάφους ανάμεσα στα άκρα"},
        {positions, "Θέσεις", "Οι θέσεις των άκρων και πού στρέφεται κάθε κεραία"},
        {rates, "Ρυθμοί", "Οι ρυθμοί δεδομένων που κρατά η ζεύξη"},
        {alignment, "Στόχευση", "Η στάθμη που πρέπει να δείξει ο ασύρματος σε κάθε άκρο"},
    };
    for (const auto& [page, tab, tip] : kPages) {
        const int at = pages->addTab(page, QString::fromUtf8(tab));
        pages->setTabToolTip(at, QString::fromUtf8(tip));
    }
}

void PathPanel::showFigures(const LinkFigures& figures, const LinkTexts& texts,
                            const NumberLocale& locale) {
    m_controls.picPathSide->showProfile(figures.path.profile);
    m_controls.profile->model()->showFigures(figures.path.points, locale);
    m_controls.rates->showFigures(texts.rates.rows);
}

void PathPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundGround);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = width();
    const double h = height();
    constexpr double b = kBorderWidth;
    painter.fillRect(QRectF(0, 0, b, h), Qt::black);
    painter.fillRect(QRectF(w - b, 0, b, h), Qt::black);
    painter.fillRect(QRectF(0, h - b, w, b), Qt::black);

    painter.setPen(Qt::black);
    drawCaption(painter, headingFont(), kHeadingLeft, kHeadingCentre, kHeading);
    drawControlCaptions(painter, pathPanelTable(), Container::PathPanel);
    paintSideViewLegend(painter, kLegend);
}

void PathPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvanel
