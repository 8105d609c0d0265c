#include "survey/survey_csv.h"

#include "numbers/number_text.h"
#include "sites/site_columns.h"
#include "survey/survey_model.h"
#include "survey/survey_view.h"
#include "widgets/csv_saving.h"
#include "widgets/qt_number_locale.h"

#include <QLocale>

namespace tarvanel {

namespace {

// A figure's column: its key, the survey's column it comes from and its decimals.
struct FigureColumn {
    const char* key;
    SurveyColumn from;
    DisplayPattern pattern;
};
const FigureColumn kFigures[] = {
    {"distance_km", SurveyDistance, DisplayPattern::ThreeDecimals},
    {"bearing_here_deg", SurveyBearingOut, DisplayPattern::OneDecimal},
    {"bearing_there_deg", SurveyBearingBack, DisplayPattern::OneDecimal},
};
const FigureColumn kLevels[] = {
    {"lb_db", SurveyLoss, DisplayPattern::TwoDecimals},
    {"received_there_dbm", SurveyReceivedThere, DisplayPattern::TwoDecimals},
    {"margin_there_db", SurveyMarginThere, DisplayPattern::TwoDecimals},
    {"received_here_dbm", SurveyReceivedHere, DisplayPattern::TwoDecimals},
    {"margin_here_db", SurveyMarginHere, DisplayPattern::TwoDecimals},
};

QStringList header() {
    QStringList keys;
    for (const SiteColumn& column : siteColumns())
        keys << QString::fromUtf8(column.key.data(), qsizetype(column.key.size()));
    for (const FigureColumn& column : kFigures)
        keys << QString::fromLatin1(column.key);
    keys << QStringLiteral("ground") << QStringLiteral("worst_point_km")
         << QStringLiteral("worst_point_f1_percent") << QStringLiteral("clearance_needed_m");
    for (const FigureColumn& column : kLevels)
        keys << QString::fromLatin1(column.key);
    return keys << QStringLiteral("best_rate") << QStringLiteral("visible");
}

} // namespace

QString surveyCsv(const SurveyView& view) {
    const SurveyModel& survey = *view.survey();
    const NumberLocale locale = numberLocaleFrom(QLocale());
    QList<QStringList> rows;
    for (int shown = 0; shown < view.model()->rowCount(); ++shown) {
        const int r = view.surveyRow(view.model()->index(shown, 0));
        const Site* site = survey.plan().site(survey.siteAt(r));
        if (!site) continue;
        QStringList& cells = rows.emplace_back();
        for (std::size_t column = 0; column < SiteColumnCount; ++column)
            cells << QString::fromStdString(cellText(*site, column));
        const SurveyRow* row = survey.rowAt(r);
        if (!row) continue;
        const auto number = [&](SurveyColumn column, DisplayPattern pattern) {
            const auto& key = row->keys[column];
            return key ? QString::fromStdString(formatPattern(*key, pattern, locale)) : QString();
        };
        for (const FigureColumn& column : kFigures)
            cells << number(column.from, column.pattern);
        cells << QString::fromStdString(row->cells[SurveyGround]);
        // The worst point with ground; without, the clearance needed at mid-path.
        const bool withGround = row->keys[SurveyFresnel].has_value();
        cells << (withGround ? number(SurveyWorst, DisplayPattern::ThreeDecimals) : QString())
              << (withGround ? number(SurveyFresnel, DisplayPattern::WholeNumber) : QString())
              << (withGround ? QString() : number(SurveyWorst, DisplayPattern::TwoDecimals));
        for (const FigureColumn& column : kLevels)
            cells << number(column.from, column.pattern);
        cells << QString::fromStdString(row->cells[SurveyBestRate])
              << survey.index(r, SurveyModel::kSightColumn).data().toString();
    }
    return csvText(header(), rows);
}

} // namespace tarvanel
