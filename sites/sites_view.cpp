#include "sites/sites_view.h"

#include "sites/site_rows.h"
#include "sites/sites_model.h"
#include "widgets/qt_number_locale.h"
#include "widgets/table_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>

#include <set>

namespace tarvanel {

SitesView::SitesView(SitesModel* model, QWidget* parent)
    : QTableView(parent) {
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
}

SitesModel* SitesView::sites() const {
    return static_cast<SitesModel*>(model());
}

void SitesView::addSite() {
    const QModelIndex name = model()->index(sites()->addSite(), 0);
    setCurrentIndex(name);
    edit(name);
}

void SitesView::removeSelectedRows() {
    const std::set<int> rows = selectedRows(*this);
    const QStringList kept = sites()->removeSites({rows.begin(), rows.end()});
    if (!kept.isEmpty())
        emit told(QStringLiteral("Δεν διαγράφεται: %1 είναι άκρο της τρέχουσας ζεύξης. Κάντε "
                                 "πρώτα τρέχουσα μια άλλη ζεύξη.")
                      .arg(kept.join(QStringLiteral(", "))));
}

void SitesView::addText(const QString& text) {
    std::vector<SiteRow> rows =
        readSiteRows(text.toStdString(), sites()->newSite(), numberLocaleFrom(QLocale()));
    const auto unread =
        std::ranges::count_if(rows, [](const SiteRow& r) { return !r.problem.empty(); });
    sites()->addRows(std::move(rows));
    if (unread > 0)
        emit told(QStringLiteral("%1 γραμμές δεν διαβάστηκαν: είναι κόκκινες, με τον λόγο στη "
                                 "συμβουλή τους.")
                      .arg(unread));
}

void SitesView::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Paste)) return addText(QApplication::clipboard()->text());
        if (event->matches(QKeySequence::Copy)) return copySelectedRows();
        if (event->key() == Qt::Key_Insert) return addSite();
        if (event->key() == Qt::Key_Delete) return removeSelectedRows();
    }
    QTableView::keyPressEvent(event);
}

void SitesView::copySelectedRows() const {
    copyRows(*model(), selectedRows(*this));
}

} // namespace tarvanel
