#include "report/link_report.h"

#include "report/page_flow.h"
#include "report/report_blocks.h"
#include "report/report_style.h"
#include "report/summary_sections.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tarvanel {

namespace {

const QString kReportTitle = QStringLiteral("Αναφορά ζεύξης");

// The parts of a page around its content.
struct PageFrame {
    const ReportStyle& style;
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
                     Qt::AlignLeft | Qt::AlignTop, kReportTitle);
            paintLine(painter, titleHeight + 0.5 * style.mm, style.subtitle, planName, date);
            drawRule(painter, style, firstTop() - 3 * style.mm, 0, width, style.accent, 0.4);
            return;
        }
        const QString running =
            planName.isEmpty() ? kReportTitle : kReportTitle + QStringLiteral(" · ") + planName;
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

} // namespace

bool writeLinkReport(const QString& pdfPath, const LinkReport& content, QString* error) {
    const auto fail = [&] {
        if (error)
            *error = QStringLiteral("Δεν ήταν δυνατή η εγγραφή της αναφοράς στο αρχείο «%1».")
                         .arg(QDir::toNativeSeparators(pdfPath));
        return false;
    };
    // Written aside and put in place at the end: a failure leaves any earlier
    // report as it was.
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) return fail();

    const SummaryParts summary = summaryParts(content.summary);
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(content.planName.isEmpty()
                        ? kReportTitle
                        : kReportTitle + QStringLiteral(" — ") + content.planName);
    writer.setCreator(summary.title);
    QPainter painter;
    if (!painter.begin(&writer)) return fail();

    const ReportStyle style(&writer);
    const QRectF area = writer.pageLayout().paintRectPixels(writer.resolution());
    const PageFrame frame{
        style,        area.width(), area.height(), content.planName, dateText(content.date),
        summary.title};
    PageFlow flow(area.width(), frame.firstTop(), frame.top(), frame.bottom());
    addVerdict(flow, style, content.verdict);
    addSummarySections(flow, style, summary.sections);
    if (!content.rates.empty()) addRatesTable(flow, style, content.rates);
    if (content.drawSideView) addSideView(flow, style, content.drawSideView);
    if (!content.points.empty()) addPointsTable(flow, style, content.points);

    for (int page = 0; page < flow.pageCount(); ++page) {
        if (page > 0) writer.newPage();
        frame.paintHeader(painter, page);
        flow.paintPage(page, painter);
        frame.paintFooter(painter, page, flow.pageCount());
    }
    if (!painter.end() || !file.commit()) return fail();
    return true;
}

} // namespace tarvanel
