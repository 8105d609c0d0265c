#include "app/frm_main.h"

#include "app/background_picture.h"
#include "app/form_drag.h"
#include "app/link_summary.h"
#include "app/path_panel.h"
#include "app/path_side_view.h"
#include "app/product_name.h"
#include "app/qt_number_locale.h"
#include "app/title_strip.h"
#include "app/window_palette.h"
#include "app/window_table.h"
#include "engine/link_texts.h"
#include "engine/radio_physics.h"
#include "inputs/cable_chooser.h"
#include "inputs/cable_loss_labels.h"
#include "inputs/channel_selector.h"
#include "inputs/decimal_point_key.h"
#include "inputs/power_units.h"
#include "inputs/select_all_on_focus.h"
#include "rules/power_unit_rules.h"
#include "widgets/click_area.h"
#include "widgets/fold_button.h"
#include "widgets/result_label.h"
#include "widgets/underline_line.h"
#include "widgets/unit_focus_frame.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace tarvanel {

namespace {

// Writes a label only when its text changes, so an idle window repaints nothing.
void showText(QLabel* label, const std::string& utf8) {
    const QString text = QString::fromStdString(utf8);
    if (label->text() != text) label->setText(text);
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

QString limitingDirection(LimitingDirection limiting) {
    switch (limiting) {
    case LimitingDirection::End1ToEnd2:
        return QStringLiteral("Περιορίζει η κατεύθυνση 1 → 2.");
    case LimitingDirection::End2ToEnd1:
        return QStringLiteral("Περιορίζει η κατεύθυνση 2 → 1.");
    case LimitingDirection::Neither:
        return QStringLiteral("Οι δύο κατευθύνσεις φτάνουν το ίδιο.");
    case LimitingDirection::Unknown:
        break;
    }
    return {};
}

// A tooltip that assistive technology hears as the description too.
void explain(QWidget* widget, const QString& text) {
    if (widget->toolTip() == text) return;
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

LinkEndFields endFields(const LinkEndControls& end) {
    return {textOf(end.power),  powerUnitFromUnderline(end.underline->x1()),
            textOf(end.gain),   textOf(end.lossPerMetre),
            textOf(end.length), textOf(end.connectors)};
}

constexpr int kWindowWidth = 550;
constexpr int kWindowHeight = 362;
constexpr int kChannelCount = 13;
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

    createControls();
    chainTabOrder();
    nameForAssistiveTechnology();

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
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connectPathPanel();
    watchInputs();

    installBehaviours();

    connect(m_c.Timer1, &QTimer::timeout, this, [this] {
        Timer1_Timer();
        m_ticksSinceWarnings = (m_ticksSinceWarnings + 1) % kTicksPerWarningRefresh;
        if (m_ticksSinceWarnings == 0) Timer2_Timer();
    });
    m_c.Timer1->start();

    Form_Load();
}

FrmMain::~FrmMain() = default;

// Behaviours of the inputs (power units, field selection, cable-loss labels,
// channel selector, cable chooser) are connected after every control exists
// and before Form_Load fills the channel list.
void FrmMain::installBehaviours() {
    const auto& c = m_c;
    const LocaleSource locale = [] { return numberLocaleFrom(QLocale()); };
    new PowerUnits(c.end1, c.end2, locale, this);
    new CableLossLabels(c.end1, c.end2, locale, this);
    new SelectAllOnFocus(textFields(), this);
    new DecimalPointKey(c.end1.length, locale, this);
    new ChannelSelector(c.Combo1, c.txtFrequency, locale, this);
    new CableChooser(
        c.List1,
        {c.end1.chooseCable, c.end1.lossPerMetre, QString::fromUtf8(headingOf(LinkEnd::One))},
        {c.end2.chooseCable, c.end2.lossPerMetre, QString::fromUtf8(headingOf(LinkEnd::Two))},
        locale, this);
    for (const LinkEndControls* end : {&c.end1, &c.end2})
        new UnitFocusFrame({end->dbmPicture, end->mwPicture}, {end->dbmOption, end->mwOption},
                           this);
}

QList<QLineEdit*> FrmMain::textFields() const {
    QList<QLineEdit*> fields;
    for (const ControlRow* row : rowsInTabOrder())
        if (row->kind == Kind::TextBox) fields << findChild<QLineEdit*>(QLatin1String(row->name));
    return fields;
}

LinkFields FrmMain::linkFields() const {
    return {endFields(m_c.end1), endFields(m_c.end2), textOf(m_c.txtFrequency), textOf(m_c.Text11),
            textOf(m_c.Text12)};
}

PathFields FrmMain::pathFields() const {
    PathFields fields;
    for (const auto& [row, box] : m_pathInputs)
        fields.*(row->feeds) = textOf(box);
    fields.earthFactor = static_cast<EarthFactor>(std::max(0, m_c.cboEarthFactor->currentIndex()));
    return fields;
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
    connect(m_c.pnlPath, &PathPanel::closeRequested, this, [this] {
        setPathPanelOpen(false);
        m_c.cmdPath->setFocus(Qt::OtherFocusReason);
    });
}

void FrmMain::setPathPanelOpen(bool open) {
    m_c.cmdPath->setOpen(open);
    m_pathAction->setChecked(open);
    m_c.cmdPath->setAccessibleName(open ? QStringLiteral("Close the path panel")
                                        : QStringLiteral("Open the path panel"));
    if (open == m_c.pnlPath->isVisible()) return;
    if (!open && m_c.pnlPath->isAncestorOf(QApplication::focusWidget()))
        m_c.cmdPath->setFocus(Qt::OtherFocusReason);
    m_c.pnlPath->setVisible(open);
    setFixedSize(kWindowWidth, open ? m_c.pnlPath->geometry().bottom() + 1 : kWindowHeight);
    // Growing downward, the window stays on its screen.
    if (const QScreen* screen = this->screen(); screen && open) {
        const int overflow = frameGeometry().bottom() - screen->availableGeometry().bottom();
        if (overflow > 0) move(x(), std::max(screen->availableGeometry().top(), y() - overflow));
    }
}

void FrmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBackground(painter);
}

void FrmMain::chainTabOrder() {
    const std::vector<const ControlRow*> chain = rowsInTabOrder();
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(findChild<QWidget*>(QLatin1String(chain[i - 1]->name)),
                             findChild<QWidget*>(QLatin1String(chain[i]->name)));

    // Only the checked option of each pair takes the focus from the Tab key.
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
    // Filling the list is not a choice of the user: no channel handler runs.
    {
        const QSignalBlocker blocker(m_c.Combo1);
        for (int channel = 1; channel <= kChannelCount; ++channel)
            m_c.Combo1->addItem(QLatin1Char(' ') + QString::number(channel));
        m_c.Combo1->setCurrentIndex(-1);
        m_c.Combo1->clearEditText();
    }

    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2}) {
        end->dbmPicture->setCursor(m_c.lblMinimize->cursor());
        end->mwPicture->setCursor(m_c.lblMinimize->cursor());
    }
}

// Every change a refresh must show: a text box's text (typed, pasted, written
// by code or by assistive technology), a power unit's underline, the earth
// factor.
void FrmMain::watchInputs() {
    const auto stale = [this] { m_resultsStale = m_warningsStale = true; };
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, stale);
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2})
        connect(end->underline, &UnderlineLine::endsChanged, this, stale);
    connect(m_c.cboEarthFactor, &QComboBox::currentIndexChanged, this, stale);
}

void FrmMain::noticeLocale() {
    const QLocale locale;
    if (locale == m_locale) return;
    m_locale = locale;
    m_resultsStale = m_warningsStale = true;
}

void FrmMain::Timer1_Timer() {
    noticeLocale();
    if (!m_resultsStale) return;
    m_resultsStale = false;
    const NumberLocale locale = numberLocaleFrom(m_locale);
    // One evaluation of the link serves the results and the read-outs.
    const LinkTexts texts =
        linkTexts(linkFields(), textOf(m_c.txtLinkDistance), pathFields(), locale);
    for (const auto& [row, label] : m_refreshed) {
        showText(label, row->shows(texts));
        if (row->colourOf)
            showColour(label, row->colourOf(texts) == TextColour::Red ? kWarningRed : kResultGreen);
    }
    explainReadouts(texts);
    m_c.picPathSide->showProfile(texts.path.profile);
}

void FrmMain::explainReadouts(const LinkTexts& texts) {
    const auto q = [](const std::string& utf8) { return QString::fromStdString(utf8); };
    const InstallerReadoutTexts& readouts = texts.readouts;
    explain(m_c.lblClearance,
            readouts.clearance.empty()
                ? QString()
                : QStringLiteral("%1 × Fresnel %2 (Fresnel %3) + καμπυλότητα γης %4 (k = %5)")
                      .arg(m_locale.toString(kClearFresnelPart), q(readouts.fresnelPart),
                           q(readouts.fresnelRadius), q(readouts.earthBulge),
                           m_c.cboEarthFactor->currentText()));
    // The other direction: link end 2 transmitting to link end 1.
    explain(m_c.lblDistance, readouts.reverseDistance.empty()
                                 ? QString()
                                 : QStringLiteral("Αντίστροφα (Interface 2 → Interface 1): ") +
                                       q(readouts.reverseDistance) + QStringLiteral(". ") +
                                       limitingDirection(readouts.limiting));
}

void FrmMain::Timer2_Timer() {
    noticeLocale();
    if (!m_warningsStale) return;
    m_warningsStale = false;
    const LinkFields fields = linkFields();
    const NumberLocale locale = numberLocaleFrom(m_locale);
    showWarning(m_c.end1.warning, exceedsLegalLimit(Calc_EIRP1(fields, locale)));
    showWarning(m_c.end2.warning, exceedsLegalLimit(Calc_EIRP2(fields, locale)));
}

void FrmMain::lbltitle_MouseDown(QPointF globalPosition) {
    DragForm(this, globalPosition);
}

void FrmMain::lblMinimize_Click() {
    showMinimized();
}

// The summary is of the figures as they are now, not as the last tick left them.
void FrmMain::copySummary() {
    Timer1_Timer();
    Timer2_Timer();
    QGuiApplication::clipboard()->setText(linkSummary(*this));
}

// Ends the program at once: no question, nothing saved.
void FrmMain::lblexit_Click() {
    m_c.Timer1->stop();
    close();
    QCoreApplication::exit(0);
}

} // namespace tarvanel
