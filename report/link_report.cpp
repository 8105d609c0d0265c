#include "report/link_report.h"

#include "report/page_flow.h"
#include "report/report_blocks.h"
#include "report/report_style.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tarvanel {

namespace {

const QString kLinkReportTitle = QStringLiteral("Αναφορά ζεύξης");
const QString kPlanReportTitle = QStringLiteral("Αναφορά σχεδίου");

// The parts of a page around its content.
struct PageFrame {
    const ReportStyle& style;
    QString title;
    double width;
    double height;
    QString planName;
    QString date;
    QString creator;

    double firstTop() const {
        return style.lineHeight(style.title) + style.lineHeight(style.subtitle) + 7 * style.mm;
    }
    double top() const { return style.lineHeight(style.small) + 5 * style.mm; }
    double bottom() const { return height - style.lineHeight(style.small) - 5 * style.mm; }

    // A line with `left` elided to leave room for `right`.
    void paintLine(QPainter& painter, double y, const QFont& font, const QString& left,
                   const QString& right) const {
        const double rightWidth = style.advance(font, right);
        const QString shown =
            QFontMetricsF(font, style.device)
                .elidedText(left, Qt::ElideRight, width - rightWidth - 8 * style.mm);
        const QRectF line(0, y, width, style.lineHeight(font));
        drawText(painter, line, font, style.ink, Qt::AlignLeft | Qt::AlignTop, shown);
        drawText(painter, line, font, style.muted, Qt::AlignRight | Qt::AlignTop, right);
    }

    // The title, the plan's name and the date on the first page; one small
    // line of them on the others.
    void paintHeader(QPainter& painter, int page) const {
        if (page == 0) {
            const double titleHeight = style.lineHeight(style.title);
            drawText(painter, {0, 0, width, titleHeight}, style.title, style.accent,
                     Qt::AlignLeft | Qt::AlignTop, title);
            paintLine(painter, titleHeight + 0.5 * style.mm, style.subtitle, planName, date);
            drawRule(painter, style, firstTop() - 3 * style.mm, 0, width, style.accent, 0.4);
            return;
        }
        const QString running =
            planName.isEmpty() ? title : title + QStringLiteral(" · ") + planName;
        paintLine(painter, 0, style.small, running, date);
        drawRule(painter, style, top() - 2.5 * style.mm, 0, width, style.rule, 0.2);
    }

    void paintFooter(QPainter& painter, int page, int pages) const {
        const double y = height - style.lineHeight(style.small);
        drawRule(painter, style, y - 1.5 * style.mm, 0, width, style.rule, 0.2);
        const QRectF line(0, y, width, style.lineHeight(style.small));
        drawText(painter, line, style.small, style.muted, Qt::AlignLeft | Qt::AlignTop, creator);
        drawText(painter, line, style.small, style.muted, Qt::AlignRight | Qt::AlignTop,
                 QStringLiteral("Σελίδα %1 από %2").arg(page + 1).arg(pages));
    }
};

QString dateText(const QDate& date) {
    return date.isValid() ? QLocale(QLocale::Greek, QLocale::Greece)
                                .toString(date, QStringLiteral("d MMMM yyyy"))
                          : QString();
}

// A link's part of a report, from its verdict to its points.
void addLink(PageFlow& flow, const ReportStyle& style, const LinkReport& link) {
    addVerdict(flow, style, link.verdict);
    addSummarySections(flow, style, link.sheet.sections);
    if (!link.rates.empty()) addRatesTable(flow, style, link.rates);
    if (link.drawSideView)
        addPicture(flow, style, QStringLiteral("Πλάγια όψη της διαδρομής"), 70, link.drawSideView);
    if (link.drawMap)
        addPicture(flow, style, QStringLiteral("Χάρτης της ζεύξης"), 100, link.drawMap);
    if (!link.points.empty()) addPointsTable(flow, style, link.points);
}

// What every report shares: its title, the plan's name, the date and the
// program that made it (the PDF's creator).
struct ReportHead {
    QString title;
    QString planName;
    QDate date;
    QString creator;
};

// Writes the pages `layOut` fills, aside, and puts the file in place at the
// end: a failure leaves any earlier report as it was.
bool writeReport(const QString& pdfPath, const ReportHead& head,
                 const std::function<void(PageFlow&, const ReportStyle&)>& layOut, QString* error) {
    const auto fail = [&] {
        if (error)
            *error = QStringLiteral("Δεν ήταν δυνατή η εγγραφή της αναφοράς στο αρχείο «%1».")
                         .arg(QDir::toNativeSeparators(pdfPath));
        return false;
    };
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) return fail();

    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(head.planName.isEmpty() ? head.title
                                            : head.title + QStringLiteral(" — ") + head.planName);
    writer.setCreator(head.creator);
    QPainter painter;
    if (!painter.begin(&writer)) return fail();

    const ReportStyle style(&writer);
    const QRectF area = writer.pageLayout().paintRectPixels(writer.resolution());
    const PageFrame frame{style,         head.title,          area.width(), area.height(),
                          head.planName, dateText(head.date), head.creator};
    PageFlow flow(area.width(), frame.firstTop(), frame.top(), frame.bottom());
    layOut(flow, style);

    for (int page = 0; page < flow.pageCount(); ++page) {
        if (page > 0) writer.newPage();
        frame.paintHeader(painter, page);
        flow.paintPage(page, painter);
        frame.paintFooter(painter, page, flow.pageCount());
    }
    if (!painter.end() || !file.commit()) return fail();
    return true;
}

} // namespace

bool writeLinkReport(const QString& pdfPath, const LinkReport& content, QString* error) {
    return writeReport(
        pdfPath,
        {kLinkReportTitle, content.planName, content.date,
         QString::fromStdString(content.sheet.title)},
        [&](PageFlow& flow, const ReportStyle& style) { addLink(flow, style, content); }, error);
}

bool writePlanReport(const QString& pdfPath, const PlanReport& content, QString* error) {
    const auto layOut = [&](PageFlow& flow, const ReportStyle& style) {
        addSheetTable(flow, style, QString::fromStdString(content.verdicts.heading),
                      content.verdicts.table);
        if (content.drawMap)
            addPicture(flow, style, QStringLiteral("Χάρτης των τοποθεσιών"), 120, content.drawMap);
        addSummarySections(flow, style, content.sections);
        for (const LinkReport& link : content.links) {
            flow.newPage();
            addPartTitle(flow, style, link.title);
            addLink(flow, style, link);
        }
    };
    return writeReport(pdfPath, {kPlanReportTitle, content.planName, content.date, content.creator},
                       layOut, error);
}

} // namespace tarvanel
