#include "frm_main.h"

#include "background_picture.h"
#include "cable_chooser.h"
#include "cable_loss_labels.h"
#include "channel_selector.h"
#include "chrome_label.h"
#include "decimal_point_key.h"
#include "form_drag.h"
#include "power_units.h"
#include "qt_number_locale.h"
#include "result_label.h"
#include "result_text.h"
#include "select_all_on_focus.h"
#include "twips.h"
#include "underline_line.h"
#include "unit_picture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace tarvanel {

namespace {

// Writes a label only when its text changes, so an idle window repaints nothing.
void showText(QLabel* label, const std::string& utf8) {
    const QString text = QString::fromStdString(utf8);
    if (label->text() != text) label->setText(text);
}

void showWarning(QLabel* warning, bool show) {
    if (show) {
        warning->show();
        const QColor red(255, 0, 0);
        if (warning->palette().color(QPalette::WindowText) != red) {
            QPalette palette = warning->palette();
            palette.setColor(QPalette::WindowText, red);
            warning->setPalette(palette);
        }
    } else {
        warning->hide();
    }
}

} // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarvanel 0.1"));
    setWindowIcon(tarvanelIcon());
    setFixedSize(550, 362);
    setFont(windowFont(kFont8_25pt));      // the window's own font, for controls without one
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers every pixel

    createControls();
    chainTabOrder();
    nameForAssistiveTechnology();

    connect(
        m_c.lbltitle, &ChromeLabel::pressed, this,
        [this](Qt::MouseButton, QPointF globalPosition) { lbltitle_MouseDown(globalPosition); });
    connect(m_c.lblMinimize, &ChromeLabel::clicked, this, &FrmMain::lblMinimize_Click);
    connect(m_c.lblexit, &ChromeLabel::clicked, this, &FrmMain::lblexit_Click);

    installBehaviours();

    connect(m_c.Timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    connect(m_c.Timer2, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
    m_c.Timer1->start();
    m_c.Timer2->start();

    Form_Load();
}

FrmMain::~FrmMain() = default;

// ---------------------------------------------------------------------------
// Behaviours of the inputs (power units, field selection, cable-loss labels,
// channel selector, cable chooser) are connected here, after every control
// exists and before Form_Load fills the channel list.
void FrmMain::installBehaviours() {
    const auto& c = m_c;
    const LocaleSource locale = [] { return numberLocaleFrom(QLocale()); };
    new PowerUnits(
        {c.Text2, c.lnUnderline1, c.Imgdbm, c.imgMw, c.Option1, c.Option2, c.lblUnitOfPower},
        {c.Text10, c.lnUnderline2, c.ImgDbm2, c.ImgMw2, c.Option4, c.Option3, c.lblUnitOfPower_2},
        locale, this);
    new SelectAllOnFocus({c.txtFrequency, c.Text2, c.Text3, c.Text4, c.Text5, c.Text6, c.Text10,
                          c.Text9, c.Text8, c.Text7, c.Text1, c.Text11, c.Text12},
                         this);
    new CableLossLabels({c.Text4, c.Text5, c.Text6, c.lblCableLoss},
                        {c.Text8, c.Text7, c.Text1, c.lblCableLoss2}, locale, this);
    new DecimalPointKey(c.Text5, locale, this);
    new ChannelSelector(c.Combo1, c.txtFrequency, locale, this);
    new CableChooser({c.List1, c.cmdChoose, c.cmdchoose2, c.Text4, c.Text8}, locale, this);
}
// ---------------------------------------------------------------------------

LinkSources FrmMain::linkSources() const {
    LinkSources sources;
    sources.end1 = {m_c.Text2, m_c.lnUnderline1, m_c.Text3, m_c.Text4, m_c.Text5, m_c.Text6};
    sources.end2 = {m_c.Text10, m_c.lnUnderline2, m_c.Text9, m_c.Text8, m_c.Text7, m_c.Text1};
    sources.frequency = m_c.txtFrequency;
    sources.sensitivity = m_c.Text11;
    sources.margin = m_c.Text12;
    return sources;
}

void FrmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBackground(painter);
}

void FrmMain::chainTabOrder() {
    const auto& c = m_c;
    // Option2 and Option3 sit beside their pairs; only the checked option of
    // each pair takes the focus from the Tab key (see below).
    const QList<QWidget*> chain = {
        c.txtFrequency, c.Combo1, c.Option1, c.Option2, c.Option4,   c.Option3,    c.Text2,
        c.Text3,        c.Text4,  c.Text5,   c.Text6,   c.Text12,    c.Text11,     c.Text1,
        c.Text7,        c.Text8,  c.Text9,   c.Text10,  c.cmdChoose, c.cmdchoose2, c.List1};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    for (QRadioButton* option : {c.Option1, c.Option2, c.Option3, c.Option4}) {
        const auto follow = [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        };
        follow(option->isChecked());
        connect(option, &QRadioButton::toggled, option, follow);
    }
}

void FrmMain::Form_Load() {
    // Filling the list is not a choice of the user: no channel handler runs.
    {
        const QSignalBlocker blocker(m_c.Combo1);
        for (int channel = 1; channel <= 13; ++channel)
            m_c.Combo1->addItem(QLatin1Char(' ') + QString::number(channel));
        m_c.Combo1->setCurrentIndex(-1);
        m_c.Combo1->clearEditText();
    }

    for (UnitPicture* picture : {m_c.Imgdbm, m_c.imgMw, m_c.ImgDbm2, m_c.ImgMw2})
        picture->setCursor(m_c.lblMinimize->cursor());
}

void FrmMain::Timer1_Timer() {
    const LinkFieldsSnapshot snapshot(linkSources());
    const ResultTexts texts = computeResultTexts(snapshot.fields(), numberLocaleFrom(QLocale()));
    showText(m_c.lblEIRP1, texts.eirp1);
    showText(m_c.lblEIRP2, texts.eirp2);
    showText(m_c.lblDistance, texts.distance);
    showText(m_c.lblFSL, texts.freeSpace);
    showText(m_c.lblFrensel, texts.fresnel);
}

void FrmMain::Timer2_Timer() {
    const LinkFieldsSnapshot snapshot(linkSources());
    const NumberLocale locale = numberLocaleFrom(QLocale());
    showWarning(m_c.lblBlink1, exceedsLegalLimit(Calc_EIRP1(snapshot.fields(), locale)));
    showWarning(m_c.lblBlink2, exceedsLegalLimit(Calc_EIRP2(snapshot.fields(), locale)));
}

void FrmMain::lbltitle_MouseDown(QPointF globalPosition) {
    DragForm(this, globalPosition);
}

void FrmMain::lblMinimize_Click() {
    showMinimized();
}

// Ends the program at once: no question, nothing saved.
void FrmMain::lblexit_Click() {
    m_c.Timer1->stop();
    m_c.Timer2->stop();
    close();
    QCoreApplication::exit(0);
}

} // namespace tarvanel
