#include "survey/survey_view.h"

#include "survey/survey_model.h"
#include "survey/survey_row.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>

namespace tarvanel {

SurveyView::SurveyView(SurveyModel* survey, QWidget* parent)
    : QTableView(parent)
    , m_survey(survey)
    , m_sorted(new QSortFilterProxyModel(this)) {
    m_sorted->setSourceModel(survey);
    m_sorted->setSortRole(SurveyModel::SortRole);
    m_sorted->setDynamicSortFilter(true);
    setModel(m_sorted);
    setSortingEnabled(true);
    sortByColumn(SurveyMarginThere, Qt::DescendingOrder);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide(); // the rows' numbers would be the unsorted ones
    horizontalHeader()->setStretchLastSection(true);
    connect(this, &QAbstractItemView::doubleClicked, this, &SurveyView::makeCurrent);
}

int SurveyView::surveyRow(const QModelIndex& index) const {
    return m_sorted->mapToSource(index).row();
}

void SurveyView::selectSite(SiteId site) {
    for (int row = 0; row < m_survey->rowCount(); ++row)
        if (m_survey->siteAt(row) == site) {
            const QModelIndex shown = m_sorted->mapFromSource(m_survey->index(row, SurveyName));
            setCurrentIndex(shown);
            scrollTo(shown);
            return;
        }
    clearSelection();
}

void SurveyView::makeCurrent(const QModelIndex& index) {
    if (index.isValid()) m_survey->makeCurrent(surveyRow(index));
}

void SurveyView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return makeCurrent(currentIndex());
    QTableView::keyPressEvent(event);
}

} // namespace tarvanel
