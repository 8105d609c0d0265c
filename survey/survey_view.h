#pragma once

#include "plan/site.h"

#include <QTableView>

class QSortFilterProxyModel;

namespace tarvanel {

class SurveyModel;

// The survey's table, sorted by any column (a click on its header), at first
// by the margin at the other site, the best on top. Enter or a double-click
// on a computed row makes that pair the current link. Tab leaves the table;
// the arrows move in it.
class SurveyView : public QTableView {
    Q_OBJECT
public:
    explicit SurveyView(SurveyModel* survey, QWidget* parent = nullptr);

    SurveyModel* survey() const { return m_survey; }
    // The row of the survey shown at `index` of the view.
    int surveyRow(const QModelIndex& index) const;
    // Selects the row of `site` (none: nothing selected), keeping it in view.
    void selectSite(SiteId site);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void makeCurrent(const QModelIndex& index);

    SurveyModel* m_survey;
    QSortFilterProxyModel* m_sorted;
};

} // namespace tarvanel
