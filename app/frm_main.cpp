#include "app/frm_main.h"

#include "app/background_picture.h"
#include "app/band_face.h"
#include "app/form_drag.h"
#include "app/ground_from_files.h"
#include "app/link_summary.h"
#include "app/product_name.h"
#include "app/report_export.h"
#include "app/result_announcer.h"
#include "app/result_walk.h"
#include "app/window_palette.h"
#include "app/window_size.h"
#include "app/window_table.h"
#include "cables/cable_catalogue.h"
#include "elevation/elevation_loader.h"
#include "engine/band_choice.h"
#include "inputs/cable_chooser.h"
#include "inputs/cable_loss_labels.h"
#include "inputs/channel_selector.h"
#include "inputs/decimal_point_key.h"
#include "inputs/power_units.h"
#include "inputs/select_all_on_focus.h"
#include "map/map_action.h"
#include "path/path_panel.h"
#include "path/profile_page.h"
#include "path/profile_table_model.h"
#include "path/rate_table_model.h"
#include "plan_export/export_dialog.h"
#include "plan_ui/plan_controller.h"
#include "plan_views/plan_views.h"
#include "rules/channel_rules.h"
#include "rules/power_unit_rules.h"
#include "sites/sites_window.h"
#include "survey/survey_output.h"
#include "texts/link_texts.h"
#include "widgets/click_area.h"
#include "widgets/fold_button.h"
#include "widgets/qt_number_locale.h"
#include "widgets/result_label.h"
#include "widgets/title_strip.h"
#include "widgets/unit_focus_frame.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace tarvanel {

namespace {

// QLabel writes nothing when its text stays, so an idle window repaints nothing.
void showText(QLabel* label, const std::string& utf8) {
    label->setText(QString::fromStdString(utf8));
}

void showColour(QWidget* label, const QColor& colour) {
    if (label->palette().color(QPalette::WindowText) == colour) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void showWarning(QLabel* warning, bool show) {
    if (show) {
        warning->show();
        showColour(warning, kWarningRed);
    } else {
        warning->hide();
    }
}

// A tooltip that assistive technology hears as the description too; written
// only when it changes.
void explain(QWidget* widget, QString& shown, const QString& text) {
    if (shown == text) return;
    shown = text;
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

// The warnings refresh every 600 ms: every third tick of the 200 ms Timer1.
constexpr int kTicksPerWarningRefresh = 3;

} // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(productTitle());
    setWindowIcon(tarvanelIcon());
    setFixedSize(kWindowWidth, kWindowHeight);
    setFont(windowFont(kFont8_25pt));      // the window's own font, for controls without one
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers every pixel
    setPalette(windowPalette());
    setAccessibleName(windowTitle());

    createControls();
    chainTabOrder();
    focusCheckedOptionsOnly();
    nameWarnings();

    connect(m_c.lbltitle, &TitleStrip::pressed, this, &FrmMain::lbltitle_MouseDown);
    connect(m_c.lblMinimize, &ClickArea::clicked, this, &FrmMain::lblMinimize_Click);
    connect(m_c.lblexit, &ClickArea::clicked, this, &FrmMain::lblexit_Click);
    // "X" has no keyboard path of its own: Ctrl+Q quits like other programs.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &FrmMain::lblexit_Click);
    auto* copy = new QAction(QStringLiteral("Αντιγραφή σύνοψης"), this); // copy summary
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &FrmMain::copySummary);
    addAction(copy);
    auto* report = new QAction(QStringLiteral("Αναφορά PDF..."), this);
    report->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(report, &QAction::triggered, this,
            [this] { exportReport(this, m_plan, m_planFile->fileName()); });
    addAction(report);
    addExportAction(this, m_plan);
    QAction* map = addMapAction(this, m_plan); // the map window, built when first opened
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connectPathPanel();
    joinPlanViews(this, m_plan, map, addSitesWindowAction(this, m_plan));

    installBehaviours();
    // A new window's plan holds what its table starts the boxes with.
    LinkInputs start = m_plan.currentInputs();
    for (const auto& [row, widget] : m_inputs)
        if (row->kind == Kind::TextBox && *row->text) row->feeds(start) = row->text;
    m_plan.setCurrentInputs(start);
    m_plan.listen([this](const PlanChange&) { planChanged(); });
    showInputs();
    // What a screen reader user hears of the results, and the key that walks them.
    m_announcer =
        new ResultAnnouncer(this, {{m_c.end1.warning, warningNameOf(LinkEnd::One)},
                                   {m_c.end2.warning, warningNameOf(LinkEnd::Two)},
                                   {m_c.lblIndoors, windowNameOf(rowNamed("lblIndoors"))}});
    new ResultWalk(this);

    connect(m_c.Timer1, &QTimer::timeout, this, [this] {
        Timer1_Timer();
        m_ticksSinceWarnings = (m_ticksSinceWarnings + 1) % kTicksPerWarningRefresh;
        if (m_ticksSinceWarnings == 0) Timer2_Timer();
    });
    m_c.Timer1->start();

    Form_Load();

    // Last: what the window shows now is the plan as saved.
    m_planFile = new PlanController(productTitle(), m_plan, this);
    addActions(m_planFile->actions());
    connect(m_planFile, &PlanController::titleChanged, this, [this](const QString& title) {
        setWindowTitle(title);
        setAccessibleName(title);
        update(0, 0, kWindowWidth, twipsRect(rowOf(Role::TitleStrip).box).bottom() + 1);
    });
}

// Closing with unsaved changes asks first; Cancel keeps the window.
void FrmMain::closeEvent(QCloseEvent* event) {
    if (m_planFile && !m_planFile->maybeKeep()) event->ignore();
}

// The controls, the panel's tables and the plan file's commands listen to the
// plan: they go before it does.
FrmMain::~FrmMain() {
    m_c.Timer1->stop();
    qDeleteAll(findChildren<QObject*>(QString(), Qt::FindDirectChildrenOnly));
}

// Behaviours of the inputs (power units, field selection, cable-loss labels,
// channel selector, cable chooser) are connected after every control exists.
void FrmMain::installBehaviours() {
    const auto& c = m_c;
    const LocaleSource locale = [] { return numberLocaleFrom(QLocale()); };
    m_powerUnits = new PowerUnits(c.end1, c.end2, this);
    connect(m_powerUnits, &PowerUnits::unitChosen, this, [this](LinkEnd end, PowerUnit unit) {
        editInputs([&](LinkInputs& in) {
            LinkEndFields& fields = end == LinkEnd::Two ? in.link.end2 : in.link.end1;
            const auto converted = convertPowerText(fields.power, unit, numberLocaleFrom(m_locale));
            if (converted) fields.power = *converted;
            fields.unit = unit;
        });
    });
    m_cableLosses = std::make_unique<CableLossLabels>(c.end1, c.end2, locale);
    new SelectAllOnFocus(textFields(), this);
    new DecimalPointKey(c.end1.length, locale, this);
    m_channels = new ChannelSelector(c.Combo1, this);
    // The channel's text itself is bound like any box's; a channel chosen or
    // typed also writes its frequency.
    connect(m_channels, &ChannelSelector::channelEntered, this, [this](const QString& channel) {
        const auto frequency =
            channelFrequencyText(channel.toStdString(), numberLocaleFrom(m_locale), inputs().band);
        if (frequency) editInputs([&](LinkInputs& in) { in.link.frequency = *frequency; });
    });
    new CableChooser(
        c.List1,
        {c.end1.chooseCable, c.end1.lossPerMetre, QString::fromUtf8(headingOf(LinkEnd::One))},
        {c.end2.chooseCable, c.end2.lossPerMetre, QString::fromUtf8(headingOf(LinkEnd::Two))},
        locale, [this] { return catalogueScaling(inputs(), numberLocaleFrom(m_locale)); }, this);
    m_bandFace = std::make_unique<BandFace>(c);
    for (const LinkEndControls* end : {&c.end1, &c.end2})
        new UnitFocusFrame({end->dbmPicture, end->mwPicture}, {end->dbmOption, end->mwOption},
                           this);
}

QList<QLineEdit*> FrmMain::textFields() const {
    QList<QLineEdit*> fields;
    for (const ControlRow* row : rowsInTabOrder())
        if (row->kind == Kind::TextBox &&
            (row->container == Container::Window || row->container == Container::EndFrame))
            fields << findChild<QLineEdit*>(QLatin1String(row->name));
    return fields;
}

// The one way into the plan from the controls: the current link's texts, as
// the engine reads them, changed by `edit`.
void FrmMain::editInputs(const std::function<void(LinkInputs&)>& edit) {
    if (m_showingInputs) return;
    LinkInputs inputs = m_plan.currentInputs();
    edit(inputs);
    followFrequency(inputs, m_plan.currentInputs(), numberLocaleFrom(m_locale));
    m_plan.setCurrentInputs(inputs);
}

// Whatever changed the plan (a keystroke, another view, a plan opened), the
// controls show it and the next tick refreshes the results.
void FrmMain::planChanged() {
    markStale();
    showInputs();
}

// Brings every control in step with the plan's current link, through the
// rows that bind them; the controls' own change signals write nothing back.
void FrmMain::showInputs() {
    const QScopedValueRollback<bool> showing(m_showingInputs, true);
    const LinkInputs shown = m_plan.currentInputs();
    m_powerUnits->setUnits(shown.link.end1.unit, shown.link.end2.unit);
    m_cableLosses->show(shown);
    for (const auto& [row, widget] : m_inputs) {
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            // While the positions give the distance, the box shows theirs.
            if (row->role == Role::LinkDistance && m_distanceFromPositions) continue;
            LinkInputs source = shown;
            const QString text = QString::fromStdString(row->feeds(source));
            if (field->text() != text) field->setText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && row->feeds) {
            LinkInputs source = shown;
            m_channels->setItems(channelItems(shown.band, widthIn(shown.band, shown.width)));
            m_channels->setText(QString::fromStdString(row->feeds(source)));
        } else if (row->chooses) {
            showChoice(widget, *row, shown); // the choice whose reading gives back the plan's input
        }
    }
}

// The panel opens and closes by its button, by Ctrl+Shift+H (no desktop
// convention claims it) and by the same entry of the context menu; Escape
// inside it closes it.
void FrmMain::connectPathPanel() {
    m_pathAction = new QAction(QStringLiteral("Διαδρομή ζεύξης"), this);
    m_pathAction->setCheckable(true);
    m_pathAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    addAction(m_pathAction);
    connect(m_pathAction, &QAction::triggered, this, &FrmMain::setPathPanelOpen);
    connect(m_c.cmdPath, &QAbstractButton::clicked, this,
            [this] { setPathPanelOpen(!m_c.cmdPath->isOpen()); });
}

// Built on first use, so a window that never opens the panel does not pay for it.
PathPanel* FrmMain::pathPanel() {
    if (m_c.pnlPath) return m_c.pnlPath;
    const ControlRow& row = rowOf(Role::PathPanel);
    auto* panel = new PathPanel(m_plan, this);
    panel->hide();
    panel->setObjectName(QLatin1String(row.name));
    panel->setGeometry(twipsRect(row.box));
    panel->setAccessibleName(windowNameOf(row));
    row.keep(&m_c, row.end, panel);
    for (const RowControl& rowControl : panel->rowControls())
        adopt(rowControl);
    connect(panel->controls().profile, &ProfilePage::elevationRequested, this, [this] {
        if (!m_elevation) m_elevation = std::make_unique<ElevationReader>();
        if (const auto filled = groundFromFiles(this, inputs(), *m_elevation)) setInputs(*filled);
    });
    connect(panel, &PathPanel::closeRequested, this, [this] {
        setPathPanelOpen(false);
        m_c.cmdPath->setFocus(Qt::OtherFocusReason);
    });
    chainTabOrder();
    showInputs();
    markStale();
    Timer1_Timer();
    return panel;
}

void FrmMain::setPathPanelOpen(bool open) {
    m_c.cmdPath->setOpen(open);
    m_pathAction->setChecked(open);
    m_c.cmdPath->setAccessibleName(QString::fromUtf8(open ? kClosePathPanel : kOpenPathPanel));
    if (!open && !m_c.pnlPath) return;
    PathPanel* panel = pathPanel();
    if (open == panel->isVisible()) return;
    if (!open && panel->isAncestorOf(QApplication::focusWidget()))
        m_c.cmdPath->setFocus(Qt::OtherFocusReason);
    panel->setVisible(open);
    setFixedSize(kWindowWidth,
                 open ? twipsRect(rowOf(Role::PathPanel).box).bottom() + 1 : kWindowHeight);
    // Growing downward, the window stays on its screen.
    if (const QScreen* screen = this->screen(); screen && open) {
        const int overflow = frameGeometry().bottom() - screen->availableGeometry().bottom();
        if (overflow > 0) move(x(), std::max(screen->availableGeometry().top(), y() - overflow));
    }
}

void FrmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBackground(painter, windowTitle());
}

// The controls that exist, in the Tab key's order (the panel's once it is built).
void FrmMain::chainTabOrder() {
    QWidget* previous = nullptr;
    for (const ControlRow* row : rowsInTabOrder()) {
        auto* widget = findChild<QWidget*>(QLatin1String(row->name));
        if (!widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// Only the checked option of each pair takes the focus from the Tab key.
void FrmMain::focusCheckedOptionsOnly() {
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2}) {
        for (QRadioButton* option : {end->dbmOption, end->mwOption}) {
            const auto follow = [option](bool checked) {
                option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
            };
            follow(option->isChecked());
            connect(option, &QRadioButton::toggled, option, follow);
        }
    }
}

void FrmMain::Form_Load() {
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2}) {
        end->dbmPicture->setCursor(m_c.lblMinimize->cursor());
        end->mwPicture->setCursor(m_c.lblMinimize->cursor());
    }
}

void FrmMain::markStale() {
    m_resultsStale = m_warningsStale = true;
}

// A control the refresh writes, or one bound to the plan.
void FrmMain::adopt(const RowControl& rowControl) {
    const auto& [row, widget] = rowControl;
    if (row->shows) m_refreshed.emplace_back(row, static_cast<QLabel*>(widget));
    if (!row->feeds && !row->chooses) return;
    m_inputs.push_back(rowControl);
    bind(rowControl);
}

// Every change of a bound control writes the plan: a text typed, pasted,
// written by assistive technology or by another behaviour, or a choice. The
// tables of points and rates edit the plan themselves.
void FrmMain::bind(const RowControl& rowControl) {
    const auto& [row, widget] = rowControl;
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        connect(field, &QLineEdit::textChanged, this, [this, row = row](const QString& text) {
            editInputs([&](LinkInputs& in) { row->feeds(in) = text.toStdString(); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && row->feeds) {
        connect(combo, &QComboBox::currentTextChanged, this,
                [this, row = row](const QString& text) {
                    editInputs([&](LinkInputs& in) { row->feeds(in) = text.toStdString(); });
                });
    } else if (combo) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, row = row](int index) {
            editInputs([&](LinkInputs& in) { row->chooses(in, index); });
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::toggled, this, [this, row = row](bool on) {
            editInputs([&](LinkInputs& in) { row->chooses(in, on ? 1 : 0); });
        });
    }
}

void FrmMain::noticeLocale() {
    const QLocale locale;
    if (locale == m_locale) return;
    m_locale = locale;
    markStale();
}

// The inputs become figures, the figures texts, and the texts the labels.
void FrmMain::Timer1_Timer() {
    noticeLocale();
    if (!m_resultsStale) return;
    m_resultsStale = false;
    const NumberLocale locale = numberLocaleFrom(m_locale);
    const LinkInputs now = inputs();
    const LinkFigures figures = linkFigures(now, locale);
    m_exceedsLimit = {figures.exceedsLimit1, figures.exceedsLimit2};
    const LinkTexts texts = linkTexts(figures, now, locale);
    for (const auto& [row, label] : m_refreshed) {
        showText(label, row->shows(texts));
        if (row->colourOf)
            showColour(label, row->colourOf(texts) == TextColour::Red ? kWarningRed : kResultGreen);
    }
    explainReadouts(texts);
    m_bandFace->show(texts, now);
    showRejections(texts);
    showDistanceSource(texts.positions);
    if (m_c.pnlPath) m_c.pnlPath->showFigures(figures, texts, locale);
    m_announcer->resultsWritten();
}

// A box whose text is not taken shows it in red, with the reason as its tooltip.
void FrmMain::showRejections(const LinkTexts& texts) {
    for (const auto& [row, widget] : m_inputs) {
        if (!row->rejects) continue;
        const QString why = QString::fromStdString(row->rejects(texts));
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, why.isEmpty() ? QColor(Qt::black) : kWarningRed);
        if (palette != widget->palette()) widget->setPalette(palette);
        // Written on every refresh, which runs only after a change.
        const QString tip = why.isEmpty() ? QString::fromUtf8(row->toolTip) : why;
        widget->setToolTip(tip);
        widget->setAccessibleDescription(tip);
    }
}

// The link distance box: typed, or, while both positions read, theirs and
// read-only.
void FrmMain::showDistanceSource(const PositionTexts& positions) {
    QLineEdit* box = m_c.txtLinkDistance;
    if (positions.fromPositions == m_distanceFromPositions) {
        if (m_distanceFromPositions) {
            const QSignalBlocker quiet(box);
            box->setText(QString::fromStdString(positions.linkDistance));
        }
        return;
    }
    const QSignalBlocker quiet(box); // the box's own text does not change the plan
    m_distanceFromPositions = positions.fromPositions;
    box->setReadOnly(m_distanceFromPositions);
    box->setText(QString::fromStdString(m_distanceFromPositions ? positions.linkDistance
                                                                : m_plan.current().distance));
    const QString tip = m_distanceFromPositions
                            ? QStringLiteral("Από τις θέσεις των δύο άκρων, σε km (γεωδαισιακή "
                                             "απόσταση στο ελλειψοειδές WGS84)")
                            : QString::fromUtf8(rowOf(Role::LinkDistance).toolTip);
    box->setToolTip(tip);
    box->setAccessibleDescription(tip);
}

void FrmMain::explainReadouts(const LinkTexts& texts) {
    explain(m_c.lblClearance, m_explainedClearance,
            QString::fromStdString(texts.readouts.clearanceTerms));
    explain(m_c.lblDistance, m_explainedDistance, QString::fromStdString(texts.readouts.wayBack));
}

void FrmMain::Timer2_Timer() {
    noticeLocale();
    if (!m_warningsStale) return;
    m_warningsStale = false;
    // Timer1 runs first in every tick, so its figures are those of the inputs now.
    showWarning(m_c.end1.warning, m_exceedsLimit.first);
    showWarning(m_c.end2.warning, m_exceedsLimit.second);
}

void FrmMain::lbltitle_MouseDown(QPointF globalPosition) {
    DragForm(this, globalPosition);
}

void FrmMain::lblMinimize_Click() {
    showMinimized();
}

// The summary is of the inputs as they are now, not as the last tick left them.
void FrmMain::copySummary() {
    Timer1_Timer();
    Timer2_Timer();
    const LinkInputs now = inputs();
    const NumberLocale locale = numberLocaleFrom(m_locale);
    if (!m_elevation) m_elevation = std::make_unique<ElevationReader>();
    QGuiApplication::clipboard()->setText(linkSummary(
        now, linkTexts(now, locale), m_locale, surveySectionNow(m_plan, *m_elevation, locale)));
}

// Ends the program, once unsaved changes are saved or let go.
void FrmMain::lblexit_Click() {
    if (!close()) return;
    m_c.Timer1->stop();
    QCoreApplication::exit(0);
}

} // namespace tarvanel
