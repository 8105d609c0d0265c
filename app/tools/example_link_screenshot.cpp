// Opens the window, types the example link into its fields key by key, waits
// for the results and warnings to refresh, and saves a picture of the window.
// Used by scripts/screenshot:
//   example_link_screenshot OUTPUT.png [DISTANCE_KM [MAST1 MAST2 POINT_KM POINT_M]]
//                           [FIELD=TEXT ...]
// With the four path figures it opens the path panel (by its shortcut), types
// the masts and adds the point to the ground profile. FIELD=TEXT writes TEXT into the text box
// named FIELD last (txtPosition1="37.97552, 23.73484", Text2=-100), chooses the item TEXT of a
// drop-down (cboBand="5 GHz", cboWidth="80 MHz") or types it into the channel box; PAGE=N shows the path panel's
// page N (0 side view, 1 ground profile, 2 positions) and PROFILE=FILE reads the ground profile
// from a CSV file.

#include "app/frm_main.h"
#include "path/profile_table_view.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

// 2427 MHz; both ends 20 dBm, 15 dBi, 10 m of cable with 2 connectors, 0.22
// dB/m at end 1 and 0.10 dB/m at end 2; sensitivity 80, margin 10.
void typeExampleLink(const tarvanel::FrmMain::Controls& c, const QString& distance) {
    const QString decimal = QLocale().decimalPoint();
    type(c.txtFrequency, QStringLiteral("2427"));
    for (const tarvanel::LinkEndControls* end : {&c.end1, &c.end2}) {
        type(end->power, QStringLiteral("20"));
        type(end->gain, QStringLiteral("15"));
        type(end->length, QStringLiteral("10"));
        type(end->connectors, QStringLiteral("2"));
    }
    type(c.end1.lossPerMetre, QStringLiteral("0") + decimal + QStringLiteral("22"));
    type(c.end2.lossPerMetre, QStringLiteral("0") + decimal + QStringLiteral("10"));
    type(c.Text11, QStringLiteral("80"));
    type(c.Text12, QStringLiteral("10"));
    if (!distance.isEmpty()) type(c.txtLinkDistance, distance);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // FIELD=TEXT arguments, wherever they stand, are set aside.
    QList<QPair<QString, QString>> writes;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals > 0)
            writes.append({argument.left(equals), argument.mid(equals + 1)});
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    if (argc != 2 && argc != 3 && argc != 7) {
        std::fprintf(
            stderr, "usage: %s OUTPUT.png [DISTANCE_KM [HEIGHT1 HEIGHT2 OBSTACLE_KM OBSTACLE_M]]\n",
            argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    tarvanel::FrmMain form;
    form.show();
    form.activateWindow();
    // Shortcuts reach only the active window.
    if (!QTest::qWaitForWindowActive(&form)) std::fprintf(stderr, "the window is not active\n");
    typeExampleLink(form.controls(), argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString());
    if (argc == 7) {
        QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        type(form.findChild<QLineEdit*>(QStringLiteral("txtMast1")),
             QString::fromLocal8Bit(argv[3]));
        type(form.findChild<QLineEdit*>(QStringLiteral("txtMast2")),
             QString::fromLocal8Bit(argv[4]));
        // The obstacle: one point of the ground profile.
        form.findChild<tarvanel::ProfileTableView*>(QStringLiteral("tblProfile"))
            ->addText(QString::fromLocal8Bit(argv[5]) + QLatin1Char('\t') +
                      QString::fromLocal8Bit(argv[6]));
    }

    for (const auto& [name, text] : writes) {
        if (auto* field = form.findChild<QLineEdit*>(name)) field->setText(text);
        // A drop-down: the item of that text; the channel box: typed.
        if (auto* box = form.findChild<QComboBox*>(name)) {
            if (box->isEditable())
                QTest::keyClicks(box->lineEdit(), text);
            else
                box->setCurrentIndex(box->findText(text));
        }
        if (name == QStringLiteral("PAGE"))
            form.findChild<QTabWidget*>(QStringLiteral("tabPathPages"))
                ->setCurrentIndex(text.toInt());
        if (name == QStringLiteral("PROFILE")) {
            QFile file(text);
            if (file.open(QIODevice::ReadOnly))
                form.findChild<tarvanel::ProfileTableView*>(QStringLiteral("tblProfile"))
                    ->addText(QString::fromUtf8(file.readAll()));
        }
    }

    int status = 1;
    // No caret in the picture: the field that holds the focus gives it up first.
    QTimer::singleShot(1000, &form, [&] {
        if (QWidget* focused = form.focusWidget()) focused->clearFocus();
    });
    // Both timers have ticked by then: results after 200 ms, warnings after 600 ms.
    QTimer::singleShot(1300, &form, [&] {
        QPixmap picture;
        if (QScreen* screen = form.screen()) picture = screen->grabWindow(form.winId());
        if (picture.isNull()) picture = form.grab();
        status = picture.save(output) ? 0 : 1;
        if (status != 0) std::fprintf(stderr, "cannot write %s\n", argv[1]);
        QCoreApplication::exit(status);
    });
    QApplication::exec();
    return status;
}
