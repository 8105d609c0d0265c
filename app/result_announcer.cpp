#include "app/result_announcer.h"

#include "app/results_in_reading_order.h"
#include "widgets/result_label.h"
#include "widgets/spoken_notice.h"

#include <QEvent>
#include <QLabel>
#include <QStringList>

namespace tarvanel {

ResultAnnouncer::ResultAnnouncer(QWidget* window, QList<std::pair<QLabel*, QString>> warnings)
    : QObject(window)
    , m_window(window)
    , m_notice(new SpokenNotice(window)) {
    for (const auto& [warning, name] : warnings) {
        m_warnings << warning;
        m_warningNames.insert(warning, name);
    }
    m_notice->setObjectName(QStringLiteral("ntcResults"));
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &ResultAnnouncer::announce);
    // The warnings show and hide on a slower beat than the refresh.
    for (QLabel* warning : m_warnings)
        warning->installEventFilter(this);
}

bool ResultAnnouncer::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        resultsWritten();
    return false;
}

QList<std::pair<const QLabel*, QString>> ResultAnnouncer::sayings() const {
    QList<std::pair<const QLabel*, QString>> sayings;
    for (const QLabel* label : inReadingOrder(shownResults(*m_window) + m_warnings)) {
        if (const auto* result = qobject_cast<const ResultLabel*>(label))
            sayings.emplace_back(label, result->spokenName().trimmed());
        else
            sayings.emplace_back(label,
                                 label->isVisible() ? m_warningNames.value(label) : QString());
    }
    return sayings;
}

// Each change restarts the pause; a label not seen before starts as heard.
void ResultAnnouncer::resultsWritten() {
    QHash<const QLabel*, QString> heard;
    bool changed = false;
    for (const auto& [label, says] : sayings()) {
        const QString before = m_heard.value(label, says);
        heard.insert(label, before);
        changed = changed || before != says;
    }
    m_heard = heard;
    if (changed)
        m_pause.start();
    else
        m_pause.stop();
}

void ResultAnnouncer::announce() {
    QStringList news;
    for (const auto& [label, says] : sayings()) {
        auto heard = m_heard.find(label);
        if (heard == m_heard.end() || *heard == says) continue;
        *heard = says;
        if (!says.isEmpty()) news << says;
    }
    if (!news.isEmpty()) m_notice->say(news.join(QStringLiteral(", ")));
}

} // namespace tarvanel
