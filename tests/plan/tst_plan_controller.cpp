// Saving and opening from a window through its shortcuts, with the dialogs
// answered by the test: the title's name and mark, the unsaved-changes
// question before another plan replaces this one, a plan that does not open,
// the recent plans.

#include "plan_file/plan_file.h"
#include "plan_ui/plan_controller.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarvanel;

class TestPlanController : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_channel = nullptr; // the one input of this window, bound to the plan
    Plan m_edited;
    int m_listening = 0;
    PlanController* m_plan = nullptr;
    // The dialogs' answers, and what they were asked.
    QString m_saveName, m_openName;
    KeepAnswer m_answer = KeepAnswer::Cancel;
    int m_asked = 0;
    QStringList m_problems;

    QString path(const QString& name) { return m_dir.filePath(name + ".tarvanel"); }
    void writePlan(const QString& name, const char* channel) {
        Plan plan;
        Link link = plan.current();
        link.channel = channel;
        plan.setLink(link);
        QCOMPARE(savePlan(path(name), plan), QString());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(m_channel, key, modifiers);
    }

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName("tarvanel-tests");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void init() {
        QSettings().clear();
        m_window = std::make_unique<QWidget>();
        m_channel = new QLineEdit(m_window.get());
        const PlanDialogs answers{
            [this](QWidget*, const QString&) { return m_saveName; },
            [this](QWidget*, const QString&) { return m_openName; },
            [this](QWidget*, const QString&) { return ++m_asked, m_answer; },
            [this](QWidget*, const QString&, const QString& text) { m_problems << text; }};
        m_edited.replace(Plan{});
        connect(m_channel, &QLineEdit::textChanged, m_window.get(), [this](const QString& text) {
            Link link = m_edited.current();
            link.channel = text.toStdString();
            m_edited.setLink(link);
        });
        m_listening = m_edited.listen([this](const PlanChange&) {
            m_channel->setText(QString::fromStdString(m_edited.current().channel));
        });
        m_plan = new PlanController("Tarvanel 0.1", m_edited, m_window.get(), answers);
        m_window->addActions(m_plan->actions());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_channel->setFocus();
        m_asked = 0;
        m_problems.clear();
    }
    void cleanup() {
        m_edited.unlisten(m_listening);
        m_window.reset();
    }

    void savingNamesThePlan() {
        QSignalSpy titles(m_plan, &PlanController::titleChanged);
        QTest::keyClicks(m_channel, "6");
        m_saveName = m_dir.filePath("a"); // the suffix is added
        press(Qt::Key_S);
        QCOMPARE(m_plan->fileName(), path("a"));
        QTest::keyClicks(m_channel, "7");
        m_saveName.clear(); // a second Ctrl+S asks no name
        press(Qt::Key_S);
        QCOMPARE(openPlan(path("a")).plan->current().channel, "67");
        QCOMPARE(titles.size(), 4);
        QCOMPARE((QStringList{titles[0][0].toString(), titles[1][0].toString(),
                              titles[2][0].toString()}),
                 (QStringList{"Tarvanel 0.1 *", "Tarvanel 0.1 — a", "Tarvanel 0.1 — a *"}));
        QVERIFY(m_problems.isEmpty());
    }

    void openingAsksAboutUnsavedChanges_data() {
        QTest::addColumn<KeepAnswer>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("saved"); // the channel in c.tarvanel
        QTest::newRow("cancel") << KeepAnswer::Cancel << "6"
                                << "Tarvanel 0.1 *"
                                << "";
        QTest::newRow("discard") << KeepAnswer::Discard << "11"
                                 << "Tarvanel 0.1 — b"
                                 << "";
        QTest::newRow("save") << KeepAnswer::Save << "11"
                              << "Tarvanel 0.1 — b"
                              << "6";
    }
    void openingAsksAboutUnsavedChanges() {
        QFETCH(KeepAnswer, answer);
        QFETCH(QString, shown);
        QFETCH(QString, title);
        QFETCH(QString, saved);
        writePlan("b", "11");
        QFile::remove(path("c"));
        QTest::keyClicks(m_channel, "6");
        m_answer = answer;
        m_openName = path("b");
        m_saveName = path("c");
        press(Qt::Key_O);
        QCOMPARE(m_asked, 1);
        QCOMPARE(m_channel->text(), shown);
        QCOMPARE(m_plan->title(), title);
        const PlanReading c = openPlan(path("c"));
        QCOMPARE(QString::fromStdString(c.plan ? c.plan->current().channel : ""), saved);
        // Nothing changed since: nothing to ask.
        if (answer != KeepAnswer::Cancel) QVERIFY(m_plan->maybeKeep() && m_asked == 1);
    }

    void aPlanThatDoesNotOpenChangesNothing() {
        QFile bad(path("bad"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("{\"format\":") > 0);
        bad.close();
        QTest::keyClicks(m_channel, "6");
        m_openName = bad.fileName();
        press(Qt::Key_O);
        QCOMPARE(m_problems.size(), 1);
        QVERIFY(m_problems[0].contains("«" + bad.fileName() + "»"));
        QCOMPARE(m_asked, 0);
        QCOMPARE(m_channel->text(), "6");
        QCOMPARE(m_plan->title(), "Tarvanel 0.1 *");
    }

    void recentPlansAndTheCommandLine() {
        QCOMPARE(m_plan->recentMenu()->menuAction()->text(), "Πρόσφατα σχέδια");
        QVERIFY(!m_plan->recentMenu()->menuAction()->isEnabled());
        m_saveName = path("a");
        press(Qt::Key_S);
        QTest::keyClicks(m_channel, "9");
        m_saveName = path("b&c");
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QStringList texts;
        for (QAction* action : m_plan->recentMenu()->actions())
            if (action->isVisible()) texts << action->text();
        QCOMPARE(texts, (QStringList{"&1 b&&c.tarvanel", "&2 a.tarvanel"}));
        m_plan->recentMenu()->actions()[1]->trigger();
        QCOMPARE(m_channel->text(), "");
        QVERIFY(openPlanIn(*m_window, path("b&c")));
        QCOMPARE(m_channel->text(), "9");
        QCOMPARE(m_asked, 0);
    }
};

QTEST_MAIN(TestPlanController)
#include "tst_plan_controller.moc"
