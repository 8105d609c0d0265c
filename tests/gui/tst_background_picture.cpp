// The drawn window surface: ground, border, rules, captions beside the controls
// they name but never under one, and the emblem used as the window icon.
#include "background_picture.h"
#include "chrome_label.h"
#include "frm_main.h"
#include "underline_line.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace tarvanel;

namespace {

// The picture over a magenta canvas, so any pixel left unpainted shows.
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
bool isBlack(QRgb pixel) {
    return qRed(pixel) < 40 && qGreen(pixel) < 40 && qBlue(pixel) < 40;
}

// How many device pixels of a logical rectangle fail `test`.
template <typename Test>
int failing(const QImage& image, const QRectF& logical, int scale, Test test) {
    const QRect pixels = QRectF(logical.topLeft() * scale, logical.size() * scale).toRect();
    int count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            count += test(image.pixel(x, y)) ? 0 : 1;
    return count;
}

const QRect kInnerArea(2, 2, kBackgroundWidth - 4, kBackgroundHeight - 4);

void addScaledRows(const char* name, const QRectF& area) {
    for (int scale : {1, 2})
        QTest::addRow("x%d %s", scale, name) << scale << area;
}

} // namespace

class TestBackgroundPicture : public QObject {
    Q_OBJECT

private slots:
    void groundAtEmptyPoints_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRectF>("area");
        // Empty places, and right beside the borders and rules (which are 2, 2 and 1 px).
        const QPointF points[] = {{300, 11},  {100, 62},  {210, 174}, {237, 93},
                                  {234, 154}, {450, 300}, {340, 250}, {300, 44},
                                  {100, 358}, {2, 180},   {547, 180}, {300, 2},
                                  {300, 359}, {300, 23},  {139, 314}, {139, 316}};
        for (QPointF p : points)
            addScaledRows(qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())),
                          QRectF(p, QSizeF(1, 1)));
    }
    // Solid black: the border on all four sides, the rule under the title strip
    // along its whole width, and the receiver's rule.
    void blackRules_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRectF>("area");
        for (int along : {60, 180, 300}) {
            const auto side = [along](const char* name, QRectF area) {
                addScaledRows(qPrintable(QStringLiteral("%1 %2").arg(name).arg(along)), area);
            };
            side("left border", QRectF(0, along, 2, 1));
            side("right border", QRectF(kBackgroundWidth - 2, along, 2, 1));
            side("top border", QRectF(along, 0, 1, 2));
            side("bottom border", QRectF(along, kBackgroundHeight - 2, 1, 2));
        }
        addScaledRows("title strip rule", QRectF(2, 21, kBackgroundWidth - 4, 2));
        addScaledRows("receiver rule", QRectF(13, 315, 252, 1));
    }
    void groundAtEmptyPoints() { checkArea(isGround); }
    void blackRules() { checkArea(isBlack); }

    // Every control the window lays over the picture covers bare ground: a
    // caption drawn under one would peek out beside it. Labels show one line
    // of text from their tops, the underlines travel to the mW place, and the
    // chooser list covers whatever it lies over while it is open.
    void controlsSitOnBareGround_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRectF>("area");
        FrmMain window;
        for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<ChromeLabel*>(w) || w == window.controls().List1) continue;
            QRect area = w->geometry();
            if (qobject_cast<QLabel*>(w)) area.setHeight(w->fontMetrics().height());
            if (kInnerArea.intersects(area))
                addScaledRows(qPrintable(w->objectName()), area & kInnerArea);
        }
        for (UnderlineLine* line :
             {window.controls().lnUnderline1, window.controls().lnUnderline2}) {
            line->setEnds(3700, 4080);
            addScaledRows(qPrintable(line->objectName() + QStringLiteral(" at mW")),
                          line->geometry());
        }
    }
    void controlsSitOnBareGround() { checkArea(isGround); }

    // The band beside a control (or above the first field of a link end) where
    // its caption or unit is drawn holds ink.
    void captionsHaveInk_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRectF>("area");
        // Columns of captions (from, to in logical pixels) and their rows' centres.
        const struct {
            const char* column;
            double left, right;
            QList<double> centres;
        } columns[] = {
            {"Συχνότητα", 12, 80, {43.5}},
            {"MHz", 122, 160, {43.5}},
            {"Κανάλι", 202, 248, {44.5}},
            {"headings and field captions",
             11,
             121,
             {74, 92.7, 113.3, 134, 154.7, 174, 205, 223.3, 244, 264.7, 285.3, 305.3, 328, 348.3}},
            {"units", 196, 236, {113.3, 134, 154.7, 244, 264.7, 285.3, 328, 348.3}},
            {"dB after the cable losses", 316, 350, {153, 284}},
            {"result captions", 352, 472, {91.5, 125.5, 165.5, 184, 203.5}},
        };
        for (const auto& c : columns)
            for (double centre : c.centres)
                addScaledRows(qPrintable(QStringLiteral("%1 at %2").arg(c.column).arg(centre)),
                              QRectF(c.left, centre - 9, c.right - c.left, 18));
    }
    void captionsHaveInk() {
        QFETCH(int, scale);
        QFETCH(QRectF, area);
        QVERIFY(failing(renderPicture(scale), area, scale, isGround) > 0);
    }

    // Drawn as vectors, the picture at scale 2 has detail that a scale-1 bitmap
    // blown up cannot have; nothing is left unpainted at either scale.
    void sharperAtScaleTwoThanUpscaledScaleOne() {
        const QImage one = renderPicture(1);
        const QImage two = renderPicture(2);
        const QImage blownUp = one.scaled(two.size(), Qt::IgnoreAspectRatio);
        int different = 0;
        for (int y = 0; y < two.height(); ++y)
            for (int x = 0; x < two.width(); ++x)
                if (std::abs(qGray(two.pixel(x, y)) - qGray(blownUp.pixel(x, y))) > 64) ++different;
        QVERIFY2(different > 2000, qPrintable(QString::number(different)));
        const auto painted = [](QRgb p) { return p != QColor(Qt::magenta).rgb(); };
        QCOMPARE(failing(one, one.rect(), 1, painted), 0);
        QCOMPARE(failing(two, one.rect(), 2, painted), 0);
    }

    void iconHasEverySize() {
        const QIcon icon = tarvanelIcon();
        for (int side : {16, 32, 48, 64, 128, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(side, side)),
                     qPrintable(QString::number(side)));
        QCOMPARE(qAlpha(icon.pixmap(32).toImage().pixel(16, 24)), 255); // the emblem is drawn
    }

private:
    void checkArea(bool (*test)(QRgb)) {
        QFETCH(int, scale);
        QFETCH(QRectF, area);
        QVERIFY(!area.isEmpty());
        QCOMPARE(failing(renderPicture(scale), area, scale, test), 0);
    }
};

QTEST_MAIN(TestBackgroundPicture)
#include "tst_background_picture.moc"
