#pragma once

#include "plan/plan.h"

#include <QWidget>

class QPushButton;

namespace tarvanel {

class ProfileTableModel;
class ProfileTableView;

// The ground profile's page: the table of points, and below it the ways to
// fill it from outside, a CSV file or the user's elevation files along the
// path between the two positions, and to save it as a CSV file that reads
// back (distance_km;ground_m;clutter_m, every point as typed).
class ProfilePage : public QWidget {
    Q_OBJECT
public:
    explicit ProfilePage(Plan& plan, QWidget* parent = nullptr);

    ProfileTableView* table() const { return m_table; }
    ProfileTableModel* model() const { return m_model; }
    QPushButton* elevationButton() const { return m_fromElevation; }

    // Where the current link's points came from: a file's name, or empty for
    // typed ones.
    void setSource(const QString& source);

    // Reads a CSV file (distance_km;ground_m;clutter_m, a header line
    // allowed) into the table in place of its rows; false with the reason.
    bool importCsv(const QString& path, QString* problem);
    // The points as typed under the header the CSV reader takes.
    QString csv() const;

signals:
    // The user asks for the ground from the elevation files.
    void elevationRequested();

private:
    void chooseCsv();

    ProfileTableModel* m_model;
    ProfileTableView* m_table;
    QPushButton* m_fromCsv;
    QPushButton* m_toCsv;
    QPushButton* m_fromElevation;
    Plan& m_plan;
};

} // namespace tarvanel
