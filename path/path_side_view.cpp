#include "path/path_side_view.h"

#include "numbers/number_text.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace tarvanel {

namespace {

const QColor kSky{255, 255, 255};
const QColor kGrid{225, 225, 225};
const QColor kEarth{196, 170, 120};
const QColor kClutter{120, 160, 90};
const QColor kFresnelZone{205, 225, 250};
const QColor kFresnelPart{150, 190, 240};
const QColor kLineOfSight{20, 20, 140};
const QColor kMast{80, 80, 80};
const QColor kUnknownObstacle{128, 128, 128};
const QBrush kNoGround{QColor(150, 150, 150), Qt::BDiagPattern};
const QString kNoGroundWords = QStringLiteral("χωρίς δεδομένα εδάφους");

constexpr int kSamples = 64; // points along the path for the curves
constexpr int kScaleFontPixels = 10;
constexpr double kObstacleWidth = 7;
// The ground's outline samples at most this many points of a long profile.
constexpr std::size_t kMostGroundPoints = 1200;

// A step of 1, 2 or 5 times a power of ten that cuts `span` into about `parts`.
double niceStep(double span, int parts) {
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power) return factor * power;
    return 10.0 * power;
}

// Maps km along the path and m of height to the widget's pixels.
class Plot {
public:
    Plot(const QRectF& area, double distanceKm, double low, double high)
        : m_area(area)
        , m_distance(distanceKm)
        , m_low(low)
        , m_high(high) {}

    double x(double km) const { return m_area.left() + km / m_distance * m_area.width(); }
    double y(double metres) const {
        return m_area.bottom() - (metres - m_low) / (m_high - m_low) * m_area.height();
    }
    QPointF at(double km, double metres) const { return {x(km), y(metres)}; }
    const QRectF& area() const { return m_area; }
    double low() const { return m_low; }
    double high() const { return m_high; }
    double distance() const { return m_distance; }

private:
    QRectF m_area;
    double m_distance;
    double m_low;
    double m_high;
};

double kmAlong(const PathProfile& p, int sample) {
    return *p.distanceKm * sample / kSamples;
}

// The kms the ground is drawn through: the curve's samples and the profile's
// points (every one of a profile the plot's width can show, else evenly taken).
std::vector<double> groundKms(const PathProfile& p) {
    std::vector<double> kms;
    for (int i = 0; i <= kSamples; ++i)
        kms.push_back(kmAlong(p, i));
    const std::size_t step = std::max<std::size_t>(1, p.points.size() / kMostGroundPoints);
    for (std::size_t i = 0; i < p.points.size(); i += step)
        kms.push_back(p.points[i].km);
    std::sort(kms.begin(), kms.end());
    return kms;
}

// The ground (with the earth's bulge) and the top of what stands on it.
double groundHeight(const PathProfile& p, double km) {
    return groundAt(p, km).ground + bulgeAt(p, km).value_or(0.0);
}
double clutterTop(const PathProfile& p, double km) {
    const GroundPoint at = groundAt(p, km);
    return at.ground + at.clutter + bulgeAt(p, km).value_or(0.0);
}

// The lowest and highest heights the picture must hold.
std::pair<double, double> heightRange(const PathProfile& p, const std::vector<double>& kms) {
    std::vector<double> heights{std::min(p.ground1, p.ground2)};
    for (const auto& h : {p.antenna1Height, p.antenna2Height})
        if (h) heights.push_back(*h);
    for (double km : kms) {
        heights.push_back(groundHeight(p, km));
        heights.push_back(clutterTop(p, km));
        if (const auto line = lineOfSightAt(p, km)) {
            const double radius = fresnelRadiusAt(p, km).value_or(0.0);
            heights.push_back(*line + radius);
            heights.push_back(*line - radius);
        }
    }
    const auto [low, high] = std::minmax_element(heights.begin(), heights.end());
    const double pad = std::max(1.0, (*high - *low) * 0.08);
    return {*low - pad, *high + pad};
}

// A band around the line of sight: `share` of the Fresnel radius each side.
QPainterPath zoneBand(const Plot& plot, const PathProfile& p, double share) {
    QPainterPath band;
    for (int i = 0; i <= kSamples; ++i) {
        const double km = kmAlong(p, i);
        const QPointF point = plot.at(km, *lineOfSightAt(p, km) + share * *fresnelRadiusAt(p, km));
        i == 0 ? band.moveTo(point) : band.lineTo(point);
    }
    for (int i = kSamples; i >= 0; --i) {
        const double km = kmAlong(p, i);
        band.lineTo(plot.at(km, *lineOfSightAt(p, km) - share * *fresnelRadiusAt(p, km)));
    }
    band.closeSubpath();
    return band;
}

// A mark of a scale, as the user's locale writes numbers.
QString scaleText(double value) {
    return QString::fromStdString(
        formatGeneral(static_cast<float>(value), numberLocaleFrom(QLocale()), 6));
}

void drawScales(QPainter& painter, const Plot& plot, const QFont& font) {
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const QRectF& area = plot.area();
    const double metreStep = niceStep(plot.high() - plot.low(), 4);
    // Each mark a whole number of steps, so no sum of steps writes 5.5E-17.
    for (double step = std::ceil(plot.low() / metreStep); step * metreStep <= plot.high(); ++step) {
        const double m = step * metreStep;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(area.left(), plot.y(m)), QPointF(area.right(), plot.y(m)));
        painter.setPen(Qt::black);
        const QString label = scaleText(m) + QStringLiteral(" m");
        painter.drawText(
            QRectF(area.left() - 200, plot.y(m) - metrics.height() / 2, 197, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, label);
    }
    const double kmStep = niceStep(plot.distance(), 5);
    for (int step = 0; step * kmStep <= plot.distance() * (1 + 1e-9); ++step) {
        const double km = step * kmStep;
        const double x = plot.x(km);
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        QString label = scaleText(km);
        if (km + kmStep > plot.distance() * (1 + 1e-9)) label += QStringLiteral(" km");
        const double width = metrics.horizontalAdvance(label);
        const double left = std::clamp(x - width / 2, 0.0, area.right() + 6 - width);
        painter.drawText(QPointF(left, area.bottom() + 3 + metrics.ascent()), label);
    }
}

// The path less the stretches without ground.
std::vector<KmSpan> stretchesWithGround(const PathProfile& p) {
    std::vector<KmSpan> known;
    double from = 0.0;
    for (const KmSpan& gap : p.withoutGround) {
        if (gap.from > from) known.push_back({from, gap.from});
        from = gap.to;
    }
    if (*p.distanceKm > from) known.push_back({from, *p.distanceKm});
    return known;
}

// The ground as a filled shape on the curved earth, what stands on it in
// another shade above it; only where it is known.
void drawGround(QPainter& painter, const Plot& plot, const PathProfile& p,
                const std::vector<double>& kms) {
    const std::vector<KmSpan> known = stretchesWithGround(p);
    const auto shape = [&](double (*top)(const PathProfile&, double)) {
        QPainterPath path;
        for (const KmSpan& span : known) {
            path.moveTo(plot.at(span.from, plot.low()));
            path.lineTo(plot.at(span.from, top(p, span.from)));
            for (double km : kms)
                if (km > span.from && km < span.to) path.lineTo(plot.at(km, top(p, km)));
            path.lineTo(plot.at(span.to, top(p, span.to)));
            path.lineTo(plot.at(span.to, plot.low()));
            path.closeSubpath();
        }
        return path;
    };
    painter.fillPath(shape(clutterTop), kClutter);
    painter.fillPath(shape(groundHeight), kEarth);
}

QRectF stretchOf(const Plot& plot, const KmSpan& gap) {
    return {QPointF(plot.x(gap.from), plot.area().top()),
            QPointF(plot.x(gap.to), plot.area().bottom())};
}

// Where elevation files gave no ground: hatched, below everything else.
void drawWithoutGround(QPainter& painter, const Plot& plot, const PathProfile& p) {
    for (const KmSpan& gap : p.withoutGround)
        painter.fillRect(stretchOf(plot, gap), kNoGround);
}

// The same said in words at the stretch's top, above everything else, where
// the stretch is wide enough.
void sayWithoutGround(QPainter& painter, const Plot& plot, const PathProfile& p,
                      const QFont& font) {
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    for (const KmSpan& gap : p.withoutGround) {
        const QRectF stretch = stretchOf(plot, gap);
        // On as many lines as the stretch needs, when each word fits.
        const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, stretch.width() - 8, 1000),
                                                    Qt::TextWordWrap, kNoGroundWords);
        if (wrapped.width() > stretch.width() - 8) continue;
        const QRectF words = wrapped.adjusted(-2, -1, 2, 1)
                                 .translated(stretch.center().x() - wrapped.center().x(),
                                             stretch.top() - wrapped.top() + 4);
        painter.fillRect(words, kSky);
        painter.setPen(Qt::black);
        painter.drawText(words, Qt::AlignCenter | Qt::TextWordWrap, kNoGroundWords);
    }
}

void drawMasts(QPainter& painter, const Plot& plot, const PathProfile& p) {
    painter.setPen(QPen(kMast, 2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(kMast);
    for (const auto& [km, ground, height] :
         {std::tuple{0.0, p.ground1, p.antenna1Height},
          std::tuple{plot.distance(), p.ground2, p.antenna2Height}}) {
        if (!height) continue;
        const double x = std::clamp(plot.x(km), plot.area().left() + 2, plot.area().right() - 2);
        painter.drawLine(QPointF(x, plot.y(ground)), QPointF(x, plot.y(*height)));
        painter.drawEllipse(QPointF(x, plot.y(*height)), 2.5, 2.5);
    }
}

// The worst point: a bar from the curved earth up to what stands there, in
// the colour of its verdict.
void drawWorstPoint(QPainter& painter, const Plot& plot, const PathProfile& p) {
    if (!p.worstKm) return;
    const double km = *p.worstKm;
    const double x = plot.x(km);
    const QColor colour = p.verdict == Verdict::Clear     ? kResultGreen
                          : p.verdict == Verdict::Unknown ? kUnknownObstacle
                                                          : kWarningRed;
    const double foot =
        std::max(plot.low(), bulgeAt(p, km).value_or(0.0) + std::min(p.ground1, p.ground2));
    const QRectF bar(QPointF(x - kObstacleWidth / 2, plot.y(clutterTop(p, km))),
                     QPointF(x + kObstacleWidth / 2, plot.y(foot)));
    painter.fillRect(bar.normalized(), colour);
}

} // namespace

void paintSideViewLegend(QPainter& painter, const QRectF& box) {
    painter.save();
    const QFont font = pictureFont(10);
    painter.setFont(font);
    const double line = QFontMetricsF(font).height() + 1;
    const struct {
        QBrush brush;
        QString meaning;
    } entries[] = {{kLineOfSight, QStringLiteral("οπτική ευθεία")},
                   {kFresnelZone, QStringLiteral("πρώτη ζώνη Fresnel")},
                   {kFresnelPart, QStringLiteral("60 % της ζώνης")},
                   {kEarth, QStringLiteral("έδαφος στην καμπύλη γη")},
                   {kNoGround, kNoGroundWords},
                   {kClutter, QStringLiteral("δέντρα, κτίρια")},
                   {kResultGreen, QStringLiteral("χειρότερο σημείο: ελεύθερη")},
                   {kWarningRed, QStringLiteral("χειρότερο σημείο: εμποδισμένη")}};
    double top = box.top();
    for (const auto& [brush, meaning] : entries) {
        if (top + line > box.bottom()) break;
        painter.fillRect(QRectF(box.left(), top + line / 2 - 4, 14, 8), brush);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left() + 20, top, box.width() - 20, line),
                         Qt::AlignLeft | Qt::AlignVCenter, meaning);
        top += line;
    }
    painter.restore();
}

PathSideView::PathSideView(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PathSideView::showProfile(const PathProfile& profile) {
    if (profile == m_profile) return;
    m_profile = profile;
    update();
}

// Where the path is drawn inside `box`: room for the scales left and below.
QRectF plotAreaIn(const QRectF& box) {
    const QFontMetricsF metrics(pictureFont(kScaleFontPixels));
    const double left = metrics.horizontalAdvance(QStringLiteral("-1000 m")) + 4;
    return {box.left() + left, box.top() + 4, box.width() - left - 8,
            box.height() - 8 - metrics.height() - 3};
}

QRectF PathSideView::plotArea() const {
    return plotAreaIn(rect());
}

void PathSideView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundGround);
    paintPathSide(painter, rect(), m_profile);
}

void paintPathSide(QPainter& painter, const QRectF& box, const PathProfile& p) {
    painter.save();
    const QFont font = pictureFont(kScaleFontPixels);
    const QRectF frame = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (!p.distanceKm) {
        painter.fillRect(frame, kSky);
        painter.setPen(Qt::black);
        painter.drawRect(frame);
        painter.setFont(font);
        painter.drawText(frame.adjusted(8, 0, -8, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Γράψτε την απόσταση ζεύξης για να δείτε τη διαδρομή"));
        painter.restore();
        return;
    }

    const QRectF area = plotAreaIn(box);
    const std::vector<double> kms = groundKms(p);
    const auto [low, high] = heightRange(p, kms);
    const Plot plot(area, *p.distanceKm, low, high);

    painter.fillRect(area, kSky);
    painter.setRenderHint(QPainter::Antialiasing);
    drawScales(painter, plot, font);
    painter.setClipRect(area);
    drawWithoutGround(painter, plot, p);
    drawGround(painter, plot, p, kms);
    if (lineOfSightAt(p, 0) && p.megahertz) {
        painter.fillPath(zoneBand(plot, p, 1.0), kFresnelZone);
        painter.fillPath(zoneBand(plot, p, 0.6), kFresnelPart);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawWorstPoint(painter, plot, p);
    painter.setRenderHint(QPainter::Antialiasing);
    if (const auto from = lineOfSightAt(p, 0)) {
        painter.setPen(QPen(kLineOfSight, 1.5));
        painter.drawLine(plot.at(0, *from),
                         plot.at(plot.distance(), *lineOfSightAt(p, *p.distanceKm)));
    }
    drawMasts(painter, plot, p);
    sayWithoutGround(painter, plot, p, font);
    painter.setClipping(false);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

} // namespace tarvanel
