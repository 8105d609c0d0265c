#include "plan_ui/plan_controller.h"

#include "plan_file/plan_file.h"
#include "plan_file/recent_plans.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace tarvanel {

PlanController::PlanController(QString productTitle, Plan& plan, QWidget* window,
                               PlanDialogs dialogs)
    : QObject(window)
    , m_productTitle(std::move(productTitle))
    , m_plan(plan)
    , m_window(window)
    , m_dialogs(std::move(dialogs))
    , m_save(new QAction(QStringLiteral("Αποθήκευση"), this))
    , m_saveAs(new QAction(QStringLiteral("Αποθήκευση ως..."), this))
    , m_open(new QAction(QStringLiteral("Άνοιγμα..."), this))
    , m_recent(std::make_unique<QMenu>(QStringLiteral("Πρόσφατα σχέδια")))
    , m_kept(plan)
    , m_title(title()) {
    m_listening = m_plan.listen([this](const PlanChange&) { markChanged(); });
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_save, &QAction::triggered, this, &PlanController::save);
    connect(m_saveAs, &QAction::triggered, this, &PlanController::saveAs);
    connect(m_open, &QAction::triggered, this, &PlanController::open);
    for (int i = 0; i < kRecentPlanCount; ++i) {
        QAction* action = m_recent->addAction(QString());
        connect(action, &QAction::triggered, this,
                [this, action] { openPath(action->data().toString()); });
        m_recentActions << action;
    }
    // Another copy of the program may have changed the list meanwhile.
    connect(m_recent.get(), &QMenu::aboutToShow, this, &PlanController::refreshRecent);
    refreshRecent();
}

PlanController::~PlanController() {
    m_plan.unlisten(m_listening);
}

QList<QAction*> PlanController::actions() const {
    return {m_save, m_saveAs, m_open, m_recent->menuAction()};
}

QString PlanController::title() const {
    QString title = m_productTitle;
    if (!m_file.isEmpty()) title += QStringLiteral(" — ") + planName();
    if (m_unsaved) title += QStringLiteral(" *");
    return title;
}

bool PlanController::save() {
    return m_file.isEmpty() ? saveAs() : saveTo(m_file);
}

bool PlanController::saveAs() {
    const QString suggested =
        m_file.isEmpty() ? QDir(startDirectory()).filePath(QStringLiteral("ζεύξη.tarvanel"))
                         : m_file;
    const QString path = m_dialogs.saveName(m_window, suggested);
    return !path.isEmpty() && saveTo(path);
}

bool PlanController::open() {
    const QString path = m_dialogs.openName(m_window, startDirectory());
    return !path.isEmpty() && openPath(path);
}

bool PlanController::openPath(const QString& path) {
    const PlanReading reading = openPlan(path);
    if (!reading.plan) {
        m_dialogs.showProblem(m_window, QStringLiteral("Άνοιγμα σχεδίου"),
                              planProblemText(*reading.problem, path));
        if (!QFileInfo::exists(path)) forgetPlan(path);
        refreshRecent();
        return false;
    }
    if (!maybeKeep()) return false;
    m_applying = true;
    m_plan.replace(*reading.plan);
    m_applying = false;
    keep(path);
    return true;
}

bool PlanController::maybeKeep() {
    markChanged();
    if (!m_unsaved) return true;
    switch (m_dialogs.keepChanges(m_window, m_file.isEmpty() ? QString() : planName())) {
    case KeepAnswer::Save:
        return save();
    case KeepAnswer::Discard:
        return true;
    case KeepAnswer::Cancel:
        break;
    }
    return false;
}

void PlanController::markChanged() {
    if (m_applying) return;
    m_unsaved = !(m_plan == m_kept);
    updateTitle();
}

bool PlanController::saveTo(QString path) {
    if (QFileInfo(path).suffix().isEmpty()) path += u'.' + QLatin1String(kPlanSuffix);
    const QString problem = savePlan(path, m_plan);
    if (!problem.isEmpty()) {
        m_dialogs.showProblem(m_window, QStringLiteral("Αποθήκευση σχεδίου"), problem);
        return false;
    }
    keep(path);
    return true;
}

// The plan is now the one at `path`, as the window shows it.
void PlanController::keep(const QString& path) {
    m_file = QFileInfo(path).absoluteFilePath();
    m_kept = m_plan;
    m_unsaved = false;
    rememberPlan(m_file);
    refreshRecent();
    updateTitle();
}

void PlanController::refreshRecent() {
    const QStringList paths = recentPlans();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        const QString path = paths.value(i);
        QString name = QFileInfo(path).fileName();
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name.replace(u'&', "&&")));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setData(path);
        action->setVisible(!path.isEmpty());
    }
    m_recent->menuAction()->setEnabled(!paths.isEmpty());
}

// The file's name without ".tarvanel".
QString PlanController::planName() const {
    const QFileInfo info(m_file);
    return info.suffix() == QLatin1String(kPlanSuffix) ? info.completeBaseName() : info.fileName();
}

// Where the last plan was; the home folder before any.
QString PlanController::startDirectory() const {
    const QString last = m_file.isEmpty() ? recentPlans().value(0) : m_file;
    return last.isEmpty() ? QDir::homePath() : QFileInfo(last).absolutePath();
}

void PlanController::updateTitle() {
    const QString now = title();
    if (now == m_title) return;
    m_title = now;
    emit titleChanged(now);
}

bool openPlanIn(QObject& window, const QString& path) {
    auto* plan = window.findChild<PlanController*>(QString(), Qt::FindDirectChildrenOnly);
    return plan != nullptr && plan->openPath(path);
}

} // namespace tarvanel
