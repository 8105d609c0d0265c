#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QWidget;

namespace tarvanel {

class SpokenNotice;

// Lets a screen reader user hear what a change did: once the user pauses, the
// results that changed since the last announcement are spoken in the
// window's words ("Interface 1 EIRP 37,30 dBm"), in reading order, through a
// notice that leaves the focus where it is. A warning is heard as it appears.
// What changed and changed back is not heard; nor are results first shown
// (at start-up, as the path panel opens).
class ResultAnnouncer : public QObject {
    Q_OBJECT
public:
    // The time without a new result after which the changes are heard.
    static constexpr int kPauseMs = 700;

    // `warnings`: each warning label and what it says while shown.
    ResultAnnouncer(QWidget* window, QList<std::pair<QLabel*, QString>> warnings);

    // To be called after each refresh that wrote the result labels (a
    // warning that shows or hides calls it itself).
    void resultsWritten();

    // The notice the announcements are spoken through.
    SpokenNotice* notice() const { return m_notice; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every shown result and warning, in reading order, with what it says now
    // (a hidden warning nothing).
    QList<std::pair<const QLabel*, QString>> sayings() const;
    void announce();

    QWidget* m_window;
    QList<QLabel*> m_warnings;
    QHash<const QLabel*, QString> m_warningNames;
    SpokenNotice* m_notice;
    QTimer m_pause;
    // What each label said when last announced, or when first shown.
    QHash<const QLabel*, QString> m_heard;
};

} // namespace tarvanel
