// The drawn window surface: ground, border, title strip, captions beside the
// controls they name, rules, braces, and the emblem used as the window icon.
#include "background_picture.h"

#include <QFontMetricsF>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

using namespace tarvanel;

namespace {

QRectF twips(double left, double top, double width, double height) {
    return {left / 15.0, top / 15.0, width / 15.0, height / 15.0};
}

// Renders the picture over a magenta canvas, so any pixel left unpainted shows.
QImage renderPicture(int scale) {
    QImage image(kBackgroundWidth * scale, kBackgroundHeight * scale, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintBackground(painter);
    return image;
}

bool isGround(QRgb pixel) {
    return (pixel & 0xffffff) == (kBackgroundGround.rgb() & 0xffffff);
}
bool isDark(QRgb pixel) {
    return qGray(pixel) < 110;
}
bool isBlack(QRgb pixel) {
    return qRed(pixel) < 40 && qGreen(pixel) < 40 && qBlue(pixel) < 40;
}

// The device pixels whose centres lie inside a logical rectangle.
QRect devicePixels(const QRectF& logical, int scale) {
    const QRectF device(logical.topLeft() * scale, logical.size() * scale);
    const int left = static_cast<int>(std::ceil(device.left() - 0.5));
    const int top = static_cast<int>(std::ceil(device.top() - 0.5));
    const int right = static_cast<int>(std::floor(device.right() - 0.5));
    const int bottom = static_cast<int>(std::floor(device.bottom() - 0.5));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Bounding box, in logical pixels, of the dark pixels inside `area`.
std::optional<QRectF> inkBox(const QImage& image, const QRectF& area, int scale) {
    const QRect pixels = devicePixels(area, scale) & image.rect();
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (isDark(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (left == INT_MAX) return std::nullopt;
    return QRectF(QPointF(double(left) / scale, double(top) / scale),
                  QPointF(double(right + 1) / scale, double(bottom + 1) / scale));
}

// The logical-pixel rectangles the window's controls cover (the picture's
// inner area only: lblEIRP1 reaches past the right edge). Every one of them
// must show bare ground, or a drawn word would peek out beside a control.
struct Control {
    const char* name;
    QRectF area;
};

const QList<Control>& controls() {
    static const QList<Control> list = {
        {"txtFrequency", twips(1200, 510, 615, 285)},
        {"Combo1", twips(3720, 510, 615, 315)},
        {"Text2", twips(2250, 1250, 650, 280)},
        {"Text3", twips(2250, 1560, 650, 280)},
        {"Text4", twips(2250, 1870, 650, 280)},
        {"Text5", twips(2250, 2180, 650, 280)},
        {"Text6", twips(2250, 2470, 650, 280)},
        {"Text10", twips(2250, 3210, 650, 280)},
        {"Text9", twips(2250, 3520, 650, 280)},
        {"Text8", twips(2250, 3830, 650, 280)},
        {"Text7", twips(2250, 4140, 650, 280)},
        {"Text1", twips(2250, 4440, 650, 280)},
        {"Text11", twips(2250, 4780, 650, 280)},
        {"Text12", twips(2250, 5085, 650, 280)},
        {"cmdChoose", twips(1820, 1890, 375, 255)},
        {"cmdchoose2", twips(1820, 3848, 375, 255)},
        {"Imgdbm", twips(2955, 1320, 420, 150)},
        {"imgMw", twips(3720, 1320, 420, 150)},
        {"ImgDbm2", twips(2955, 3300, 420, 150)},
        {"ImgMw2", twips(3720, 3300, 420, 150)},
        // The red underlines travel between the dBm (2920) and mW (3700) places.
        {"lnUnderline1 track", twips(2920, 1485, 4080 - 2920, 30)},
        {"lnUnderline2 track", twips(2920, 3465, 4080 - 2920, 30)},
        {"lblCableLoss", twips(3960, 2200, 735, 255)},
        {"lblCableLoss2", twips(3960, 4160, 975, 375)},
        {"lblEIRP1", twips(7080, 1260, 3495, 375)},
        {"lblEIRP2", twips(7080, 1770, 1095, 375)},
        {"lblDistance", twips(7080, 2370, 1215, 255)},
        {"lblFSL", twips(7080, 2640, 1455, 375)},
        {"lblFrensel", twips(7080, 2940, 1095, 375)},
        // The warnings show one line of bold 12 px text from their tops.
        {"lblBlink1 text line", twips(5280, 1440, 2295, 14 * 15)},
        {"lblBlink2 text line", twips(5280, 2040, 2295, 14 * 15)},
    };
    return list;
}

const QRectF kInnerArea(2, 2, kBackgroundWidth - 4, kBackgroundHeight - 4);

// Vertical centre of the first text line of a top-aligned bold result label.
double labelLineCentre(double topTwips, int fontPixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(fontPixels);
    font.setBold(true);
    return topTwips / 15.0 + QFontMetricsF(font).height() / 2.0;
}

double textBoxCentre(double topTwips) {
    return (topTwips + 140) / 15.0;
}

} // namespace

class TestBackgroundPicture : public QObject {
    Q_OBJECT

private slots:
    void groundAtEmptyPoints_data();
    void groundAtEmptyPoints();
    void borderOnAllSides_data();
    void borderOnAllSides();
    void titleStripRule_data();
    void titleStripRule();
    void receiverRule_data();
    void receiverRule();
    void controlsSitOnBareGround_data();
    void controlsSitOnBareGround();
    void captionOnItsRow_data();
    void captionOnItsRow();
    void headingsAreUnderlined_data();
    void headingsAreUnderlined();
    void bracesSpanCableRows_data();
    void bracesSpanCableRows();
    void titleGlyphBoxes_data();
    void titleGlyphBoxes();
    void sharperAtScaleTwoThanUpscaledScaleOne();
    void followsPainterTransformAndRestoresState();
    void unitWordCentredInBox_data();
    void unitWordCentredInBox();
    void iconHasEverySize();
    void emblemSectorsAndOutline_data();
    void emblemSectorsAndOutline();
    void emblemCentredInWideBox();
};

void TestBackgroundPicture::groundAtEmptyPoints_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPointF>("point");
    for (int scale : {1, 2}) {
        const auto row = [scale](const char* name, QPointF p) {
            QTest::addRow("x%d %s", scale, name) << scale << p;
        };
        row("title strip middle", {300, 11});
        row("under title rule", {300, 27});
        row("between frequency row and heading", {100, 62});
        row("connectors unit slot", {210, 174});
        row("power unit gap", {237, 93});
        row("left of brace", {234, 154});
        row("empty lower right", {450, 300});
        row("between the columns", {340, 250});
        row("right of Combo1", {300, 44});
        row("below Fade Margin caption", {100, 358});
    }
}

void TestBackgroundPicture::groundAtEmptyPoints() {
    QFETCH(int, scale);
    QFETCH(QPointF, point);
    const QImage image = renderPicture(scale);
    const QRect pixels = devicePixels(QRectF(point, QSizeF(1, 1)), scale);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            QVERIFY2(isGround(image.pixel(x, y)),
                     qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                    .arg(x)
                                    .arg(y)
                                    .arg(QColor(image.pixel(x, y)).name())));
}

void TestBackgroundPicture::borderOnAllSides_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("outer");  // logical pixel on the outermost border line
    QTest::addColumn<QPoint>("inward"); // one logical pixel step towards the inside
    for (int scale : {1, 2}) {
        for (int along : {60, 200, 300}) {
            QTest::addRow("x%d left %d", scale, along) << scale << QPoint(0, along) << QPoint(1, 0);
            QTest::addRow("x%d right %d", scale, along)
                << scale << QPoint(kBackgroundWidth - 1, along) << QPoint(-1, 0);
        }
        for (int along : {150, 300, 420}) {
            QTest::addRow("x%d top %d", scale, along) << scale << QPoint(along, 0) << QPoint(0, 1);
            QTest::addRow("x%d bottom %d", scale, along)
                << scale << QPoint(along, kBackgroundHeight - 1) << QPoint(0, -1);
        }
    }
}

void TestBackgroundPicture::borderOnAllSides() {
    QFETCH(int, scale);
    QFETCH(QPoint, outer);
    QFETCH(QPoint, inward);
    const QImage image = renderPicture(scale);
    const auto devicePixelAt = [&](QPoint logical) {
        return image.pixel(logical.x() * scale + (inward.x() < 0 ? scale - 1 : 0),
                           logical.y() * scale + (inward.y() < 0 ? scale - 1 : 0));
    };
    // Two logical pixels of black, then the ground.
    QVERIFY(isBlack(devicePixelAt(outer)));
    QVERIFY(isBlack(devicePixelAt(outer + inward)));
    QVERIFY(isGround(devicePixelAt(outer + 2 * inward)));
    // Every device pixel across the two-pixel width is black.
    for (int step = 0; step < 2 * scale; ++step) {
        const QPoint device =
            QPoint(outer.x() * scale, outer.y() * scale) +
            QPoint(inward.x() < 0 ? scale - 1 : 0, inward.y() < 0 ? scale - 1 : 0) + inward * step;
        QVERIFY(isBlack(image.pixel(device)));
    }
}

void TestBackgroundPicture::titleStripRule_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("x");
    for (int scale : {1, 2})
        for (int x : {3, 100, 300, 497, 530, 546})
            QTest::addRow("x%d at %d", scale, x) << scale << x;
}

// 315 to 345 twips: logical rows 21 and 22 are black all along, row 23 is ground.
void TestBackgroundPicture::titleStripRule() {
    QFETCH(int, scale);
    QFETCH(int, x);
    const QImage image = renderPicture(scale);
    for (int y = 21 * scale; y < 23 * scale; ++y)
        QVERIFY2(isBlack(image.pixel(x * scale, y)), qPrintable(QString::number(y)));
    QVERIFY(isGround(image.pixel(x * scale, 23 * scale)));
}

void TestBackgroundPicture::receiverRule_data() {
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2})
        QTest::addRow("x%d", scale) << scale;
}

// A one-pixel rule at 4725 twips from 195 to 3975, and nothing on either side.
void TestBackgroundPicture::receiverRule() {
    QFETCH(int, scale);
    const QImage image = renderPicture(scale);
    const QRect rule = devicePixels(twips(195, 4725, 3975 - 195, 15), scale);
    QCOMPARE(rule.height(), scale);
    for (int y = rule.top(); y <= rule.bottom(); ++y)
        for (int x = rule.left(); x <= rule.right(); ++x)
            QVERIFY(isBlack(image.pixel(x, y)));
    for (int x : {rule.left() - 2 * scale, rule.right() + 2 * scale})
        QVERIFY(isGround(image.pixel(x, rule.top())));
    for (int y : {rule.top() - 1, rule.bottom() + 1})
        QVERIFY(isGround(image.pixel((rule.left() + rule.right()) / 2, y)));
}

void TestBackgroundPicture::controlsSitOnBareGround_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<QRectF>("area");
    for (int scale : {1, 2})
        for (const Control& control : controls())
            QTest::addRow("x%d %s", scale, control.name) << scale << (control.area & kInnerArea);
}

void TestBackgroundPicture::controlsSitOnBareGround() {
    QFETCH(int, scale);
    QFETCH(QRectF, area);
    const QImage image = renderPicture(scale);
    const QRect pixels = devicePixels(area, scale);
    QVERIFY(!pixels.isEmpty());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            QVERIFY2(isGround(image.pixel(x, y)),
                     qPrintable(QStringLiteral("drawn pixel %1 at %2,%3")
                                    .arg(QColor(image.pixel(x, y)).name())
                                    .arg(x)
                                    .arg(y)));
}

void TestBackgroundPicture::captionOnItsRow_data() {
    // The caption's ink must start at its left edge, lie within `band` (the
    // room between its neighbours and the control it names) and be centred
    // on the line of that control's text.
    QTest::addColumn<int>("scale");
    QTest::addColumn<QRectF>("band");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("centre");
    QTest::addColumn<double>("minWidth");

    struct Row {
        const char* name;
        double left;  // px
        double right; // px, where the named control (or the next thing) begins
        double top;   // twips of the control
        double height;
        double centre; // px
        double minWidth;
    };
    const auto textRow = [](const char* name, double left, double right, double top,
                            double minWidth) {
        return Row{name, left, right, top, 280, textBoxCentre(top), minWidth};
    };
    const auto resultRow = [](const char* name, double top, double height, int fontPixels) {
        return Row{name, 354, 472, top, height, labelLineCentre(top, fontPixels), 70};
    };
    const double field = 2250 / 15.0;
    const double button = 1820 / 15.0;
    const double unit = 2970 / 15.0;
    const QList<Row> rows = {
        {"Συχνότητα", 14, 80, 510, 285, (510 + 142.5) / 15.0, 45},
        {"MHz", 124, 160, 510, 285, (510 + 142.5) / 15.0, 15},
        {"Κανάλι", 204, 248, 510, 315, (510 + 157.5) / 15.0, 25},
        textRow("Ισχύς εκπομπής 1", 13, field, 1250, 60),
        textRow("Απολαβή κεραίας (Gain) 1", 13, field, 1560, 100),
        textRow("Απώλειες καλωδίου 1", 13, button, 1870, 80),
        textRow("Μήκος καλωδίου 1", 13, field, 2180, 60),
        textRow("Αριθμός συνδετήρων 1", 13, field, 2470, 80),
        textRow("Ισχύς εκπομπής 2", 13, field, 3210, 60),
        textRow("Απολαβή κεραίας (Gain) 2", 13, field, 3520, 100),
        textRow("Απώλειες καλωδίου 2", 13, button, 3830, 80),
        textRow("Μήκος καλωδίου 2", 13, field, 4140, 60),
        textRow("Αριθμός συνδετήρων 2", 13, field, 4440, 80),
        textRow("Ευαισθησία δέκτη", 13, field, 4780, 70),
        textRow("Fade Margin", 13, field, 5085, 45),
        textRow("dBi 1", unit, 236, 1560, 12),
        textRow("dB/m 1", unit, 236, 1870, 20),
        textRow("m 1", unit, 236, 2180, 6),
        textRow("dBi 2", unit, 236, 3520, 12),
        textRow("dB/m 2", unit, 236, 3830, 20),
        textRow("m 2", unit, 236, 4140, 6),
        textRow("dBm sensitivity", unit, 260, 4780, 18),
        textRow("dB margin", unit, 260, 5085, 10),
        // The cable loss unit follows its label, on the line of the label's number.
        {"dB after lblCableLoss", (3960 + 735) / 15.0 + 3, 350, 2200, 255,
         labelLineCentre(2200, 11), 10},
        {"dB after lblCableLoss2", (3960 + 975) / 15.0 + 3, 350, 4160, 375,
         labelLineCentre(4160, 11), 10},
        resultRow("Interface 1 EIRP", 1260, 375, 12),
        resultRow("Interface 2 EIRP", 1770, 375, 12),
        resultRow("Μέγιστη απόσταση", 2370, 255, 12),
        resultRow("Free Space Loss", 2640, 375, 13),
        resultRow("Fresnel Zone Radius", 2940, 375, 12),
    };
    for (int scale : {1, 2})
        for (const Row& row : rows) {
            const QRectF band(row.left - 2, row.centre - 9, row.right - row.left + 2, 18);
            QTest::addRow("x%d %s", scale, row.name)
                << scale << band << row.left << row.centre << row.minWidth;
        }
}

void TestBackgroundPicture::captionOnItsRow() {
    QFETCH(int, scale);
    QFETCH(QRectF, band);
    QFETCH(double, left);
    QFETCH(double, centre);
    QFETCH(double, minWidth);
    const QImage image = renderPicture(scale);
    const std::optional<QRectF> ink = inkBox(image, band, scale);
    QVERIFY2(ink.has_value(), "no caption drawn");

    // The ink must not touch the band's edges: a caption cut off or running
    // into a neighbour would. It ends at least 3 px before the control.
    QVERIFY2(ink->top() > band.top() && ink->bottom() < band.bottom(),
             qPrintable(QStringLiteral("ink rows %1..%2").arg(ink->top()).arg(ink->bottom())));
    QVERIFY2(ink->right() <= band.right() - 3, qPrintable(QString::number(ink->right())));
    QVERIFY2(std::abs(ink->left() - left) <= 2.0, qPrintable(QString::number(ink->left())));
    QVERIFY2(ink->width() >= minWidth, qPrintable(QString::number(ink->width())));
    QVERIFY2(
        std::abs(ink->center().y() - centre) <= 2.5,
        qPrintable(
            QStringLiteral("ink centre %1, row centre %2").arg(ink->center().y()).arg(centre)));
}

void TestBackgroundPicture::headingsAreUnderlined_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("firstFieldTop"); // twips
    for (int scale : {1, 2}) {
        QTest::addRow("x%d Interface No.1", scale) << scale << 1250.0;
        QTest::addRow("x%d Interface No.2", scale) << scale << 3210.0;
    }
}

// Above the first field of each link end: bold lettering with a long dark row beneath.
void TestBackgroundPicture::headingsAreUnderlined() {
    QFETCH(int, scale);
    QFETCH(double, firstFieldTop);
    const QImage image = renderPicture(scale);
    const double fieldTop = firstFieldTop / 15.0;
    const QRectF band(11, fieldTop - 18, 140, 17);
    const std::optional<QRectF> ink = inkBox(image, band, scale);
    QVERIFY(ink.has_value());
    QVERIFY(std::abs(ink->left() - 13) <= 2.0);
    QVERIFY(ink->width() >= 60);

    int longestRun = 0;
    const QRect pixels = devicePixels(band, scale);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        int run = 0;
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            run = isDark(image.pixel(x, y)) ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    QVERIFY2(longestRun >= 60 * scale, qPrintable(QString::number(longestRun)));
}

void TestBackgroundPicture::bracesSpanCableRows_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("top");    // twips: top of the loss-per-metre field
    QTest::addColumn<double>("bottom"); // twips: bottom of the connectors field
    QTest::addColumn<double>("labelTop");
    for (int scale : {1, 2}) {
        QTest::addRow("x%d link end 1", scale) << scale << 1870.0 << 2750.0 << 2200.0;
        QTest::addRow("x%d link end 2", scale) << scale << 3830.0 << 4720.0 << 4160.0;
    }
}

// Between the unit column and the cable-loss label, a brace reaches over the
// three cable rows with its point towards the label's number.
void TestBackgroundPicture::bracesSpanCableRows() {
    QFETCH(int, scale);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(double, labelTop);
    const QImage image = renderPicture(scale);
    const QRectF column(236, top / 15.0, 3960 / 15.0 - 236, (bottom - top) / 15.0);
    const std::optional<QRectF> ink = inkBox(image, column, scale);
    QVERIFY(ink.has_value());
    QVERIFY2(ink->height() >= column.height() - 4, qPrintable(QString::number(ink->height())));

    // Unbroken from end to end.
    const QRect pixels = devicePixels(ink.value(), scale);
    int rightmostRow = -1;
    int rightmost = -1;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        int darkest = -1;
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (!isGround(image.pixel(x, y))) darkest = x;
        QVERIFY2(darkest >= 0, qPrintable(QStringLiteral("gap at row %1").arg(y)));
        if (darkest > rightmost) {
            rightmost = darkest;
            rightmostRow = y;
        }
    }
    // The point is level with the label's number.
    const double pointY = (rightmostRow + 0.5) / scale;
    QVERIFY2(std::abs(pointY - labelLineCentre(labelTop, 11)) <= 2.0,
             qPrintable(QString::number(pointY)));
}

void TestBackgroundPicture::titleGlyphBoxes_data() {
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2})
        QTest::addRow("x%d", scale) << scale;
}

// "Tarvanel 0.1" at the left of the strip; "?", "_" and "X" framed at the right,
// the "_" and "X" boxes under their labels.
void TestBackgroundPicture::titleGlyphBoxes() {
    QFETCH(int, scale);
    const QImage image = renderPicture(scale);
    const auto at = [&](double x, double y) {
        return image.pixel(int(x * scale + scale / 2), int(y * scale + scale / 2));
    };

    const std::optional<QRectF> title = inkBox(image, QRectF(3, 3, 150, 17), scale);
    QVERIFY(title.has_value());
    QVERIFY(title->left() < 12);
    QVERIFY(title->width() > 50);
    QVERIFY(!inkBox(image, QRectF(160, 3, 330, 17), scale).has_value());

    const QRectF minimize = twips(7710, 40, 225, 210);
    const QRectF exit = twips(7950, 45, 225, 210);
    for (const QRectF& label : {minimize, exit}) {
        const std::optional<QRectF> box = inkBox(image, label.adjusted(0, -1, 0, 1), scale);
        QVERIFY(box.has_value());
        QVERIFY(std::abs(box->left() - label.left()) <= 1.5);
        QVERIFY(std::abs(box->width() - label.width()) <= 2);
        // Framed: the frame's side columns are dark halfway down.
        QVERIFY(isDark(at(box->left(), box->center().y())));
        QVERIFY(isDark(at(box->right() - 1, box->center().y())));
    }
    // "X" crosses in the middle of its box; "_" leaves the middle empty and
    // lies low.
    QVERIFY(isDark(at(exit.center().x() - 0.5, exit.center().y() - 0.5)));
    QVERIFY(isGround(at(minimize.center().x() - 0.5, minimize.center().y() - 2)));
    const std::optional<QRectF> bar = inkBox(image, minimize.adjusted(2, 2, -2, -2), scale);
    QVERIFY(bar.has_value());
    QVERIFY(bar->top() > minimize.center().y());

    // The "?" box sits left of "_" and holds a glyph.
    const std::optional<QRectF> help =
        inkBox(image, QRectF(495, 2, minimize.left() - 495, 17), scale);
    QVERIFY(help.has_value());
    QVERIFY(help->width() >= 12);
    QVERIFY(inkBox(image, QRectF(minimize.left() - 11, 6, 6, 8), scale).has_value());
}

// Drawn as vectors, the picture at scale 2 has detail that a scale-1 bitmap
// blown up cannot have.
void TestBackgroundPicture::sharperAtScaleTwoThanUpscaledScaleOne() {
    const QImage one = renderPicture(1);
    const QImage two = renderPicture(2);
    const QImage blownUp = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(two.size(), QSize(2 * kBackgroundWidth, 2 * kBackgroundHeight));
    int different = 0;
    for (int y = 0; y < two.height(); ++y)
        for (int x = 0; x < two.width(); ++x)
            if (std::abs(qGray(two.pixel(x, y)) - qGray(blownUp.pixel(x, y))) > 64) ++different;
    QVERIFY2(different > 2000, qPrintable(QString::number(different)));
    // Nothing is left unpainted at either scale.
    for (const QImage* image : {&one, &two})
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                QVERIFY(image->pixel(x, y) != QColor(Qt::magenta).rgb());
}

void TestBackgroundPicture::followsPainterTransformAndRestoresState() {
    QImage image(kBackgroundWidth + 40, kBackgroundHeight + 30, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(40, 30);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    painter.setFont(font);
    const QTransform before = painter.transform();
    paintBackground(painter);
    QCOMPARE(painter.transform(), before);
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.font(), font);
    painter.end();

    QCOMPARE(image.pixel(39, 100), QColor(Qt::white).rgb());
    QVERIFY(isBlack(image.pixel(40, 100)));
    QVERIFY(isBlack(image.pixel(41, 100)));
    QVERIFY(isGround(image.pixel(42, 100)));
    QCOMPARE(image.pixel(300, 29), QColor(Qt::white).rgb());
    QVERIFY(isBlack(image.pixel(300, 30)));
    QVERIFY(isBlack(image.pixel(image.width() - 1, 100)));
    QVERIFY(isBlack(image.pixel(300, image.height() - 1)));
}

void TestBackgroundPicture::unitWordCentredInBox_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2}) {
        QTest::addRow("dBm x%d", scale) << QStringLiteral("dBm") << scale;
        QTest::addRow("mW x%d", scale) << QStringLiteral("mW") << scale;
    }
}

// 28 x 10 px: yellow ground, dark letters centred, nothing outside the box.
void TestBackgroundPicture::unitWordCentredInBox() {
    QFETCH(QString, word);
    QFETCH(int, scale);
    QImage image(40 * scale, 20 * scale, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    const QRectF box(6, 5, 28, 10);
    paintUnitWord(painter, box, word);
    painter.end();

    const QRect inside = devicePixels(box, scale);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y)) QCOMPARE(image.pixel(x, y), QColor(Qt::white).rgb());
    QVERIFY(isGround(image.pixel(inside.topLeft())));
    QVERIFY(isGround(image.pixel(inside.bottomRight())));

    const std::optional<QRectF> ink = inkBox(image, box, scale);
    QVERIFY(ink.has_value());
    QVERIFY(ink->width() >= 10);
    QVERIFY(ink->height() >= 5);
    QVERIFY2(std::abs(ink->center().x() - box.center().x()) <= 1.5,
             qPrintable(QString::number(ink->center().x())));
    QVERIFY2(std::abs(ink->center().y() - box.center().y()) <= 1.5,
             qPrintable(QString::number(ink->center().y())));
}

void TestBackgroundPicture::iconHasEverySize() {
    const QIcon icon = tarvanelIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

void TestBackgroundPicture::emblemSectorsAndOutline_data() {
    QTest::addColumn<int>("side");
    for (int side : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", side) << side;
}

// Three strongly coloured, clearly different 120-degree sectors inside a dark
// ring; the corners stay transparent.
void TestBackgroundPicture::emblemSectorsAndOutline() {
    QFETCH(int, side);
    const QImage image =
        tarvanelIcon().pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(side, side));

    const double c = side / 2.0;
    const double r = side / 2.0;
    const auto sample = [&](double degrees, double radius) {
        const double a = qDegreesToRadians(degrees);
        return image.pixel(int(c + radius * std::cos(a)), int(c - radius * std::sin(a)));
    };

    // Sector centres: upper right (30 degrees), bottom (270), upper left (150).
    QList<QColor> colours;
    for (double degrees : {30.0, 270.0, 150.0}) {
        const QColor colour = QColor::fromRgba(sample(degrees, r * 0.5));
        QCOMPARE(colour.alpha(), 255);
        QVERIFY2(colour.hsvSaturation() > 150, qPrintable(colour.name()));
        // The same colour a little further round the same sector.
        const QColor neighbour = QColor::fromRgba(sample(degrees + 25, r * 0.55));
        QVERIFY(std::abs(neighbour.hue() - colour.hue()) < 10);
        colours << colour;
    }
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::abs(colours[i].hue() - colours[(i + 1) % 3].hue()) > 40,
                 qPrintable(colours[i].name() + QLatin1Char(' ') + colours[(i + 1) % 3].name()));

    // The dark ring at the top, bottom, left and right edges.
    for (double degrees : {0.0, 90.0, 180.0, 270.0}) {
        int darkest = 255;
        for (double radius = r - 2; radius <= r - 0.5; radius += 0.25)
            darkest = std::min(darkest, qGray(sample(degrees, radius)));
        QVERIFY2(darkest < 90, qPrintable(QString::number(darkest)));
    }
    for (QPoint corner :
         {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
}

// A box wider than high gets a round emblem in its middle.
void TestBackgroundPicture::emblemCentredInWideBox() {
    QImage image(80, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintEmblem(painter, QRectF(0, 0, 80, 40));
    painter.end();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY(std::abs(left - 20) <= 1);
    QVERIFY(std::abs(right - 59) <= 1);
    QVERIFY(qAlpha(image.pixel(40, 20)) > 240);
}

QTEST_MAIN(TestBackgroundPicture)
#include "tst_background_picture.moc"
