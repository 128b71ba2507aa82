// What the program keeps in its settings profile from one run to the next:
// the station's fields of the Cabrillo header dialog and the window's layout.
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "ProgramDialogs.h"
#include "WindowLayout.h"
#include "editing/CabrilloHeaderForm.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

// Once the dialog shows, `act` works on it.
void whenShown(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        act(*dialog);
    });
}

// Shows the Cabrillo dialog of a log with contest data, as a run of the
// program with `settings` would.
bool runCabrilloDialog(QSettings& settings, std::function<void(QWidget&)> act) {
    CSorvakDoc doc;
    doc.contest().contestName = "JIDX-CW";
    doc.contest().stationCall = "JA1ZZZ";
    CabrilloHeaderForm form = CabrilloHeaderForm::prefilledFrom(doc);
    ScriptedUi ui;
    whenShown(std::move(act));
    return runProgramDialog(form, ui, nullptr, &settings);
}

}  // namespace

class RememberedSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void theCabrilloDialogOfASecondStartOffersWhatTheFirstAccepted() {
        QTemporaryDir dir;
        const QString path = dir.filePath("sorvak.conf");
        {
            QSettings first(path, QSettings::IniFormat);
            bool accepted = runCabrilloDialog(first, [](QWidget& dialog) {
                dialog.findChild<QLineEdit*>("callSign")->setText("JA1YYY");
                dialog.findChild<QLineEdit*>("name")->setText("Taro Yamada");
                dialog.findChild<QLineEdit*>("address")->setText("Tokyo");
                dialog.findChild<QPushButton*>("ok")->click();
            });
            QVERIFY(accepted);
        }
        QSettings second(path, QSettings::IniFormat);
        QString name;
        QString callSign;
        runCabrilloDialog(second, [&name, &callSign](QWidget& dialog) {
            name = dialog.findChild<QLineEdit*>("name")->text();
            callSign = dialog.findChild<QLineEdit*>("callSign")->text();
            static_cast<QDialog&>(dialog).reject();
        });
        QCOMPARE(name, QString("Taro Yamada"));
        // The call sign of the log's contest data is the log's.
        QCOMPARE(callSign, QString("JA1ZZZ"));
    }

    void theWindowComesBackAsItWasLeft() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("sorvak.conf"), QSettings::IniFormat);
        {
            Window first;
            first.frame.resize(640, 480);
            QHeaderView& header = *first.frame.view().horizontalHeader();
            header.moveSection(header.visualIndex(3), 0);
            header.resizeSection(17, 123);
            keepWindowLayout(first.frame, settings);
        }
        Window second;
        restoreWindowLayout(second.frame, settings);
        QHeaderView& header = *second.frame.view().horizontalHeader();
        QCOMPARE(header.logicalIndex(0), 3);
        QCOMPARE(header.sectionSize(17), 123);
        QCOMPARE(second.frame.size(), QSize(640, 480));
        // Columns the user did not size still fit the log.
        QVERIFY(!second.frame.view().sizedByUser(4));

        settings.setValue("list/columnOrder", "1,1,2");
        settings.setValue("list/columnWidths", "17:-5,x:3");
        Window third;
        restoreWindowLayout(third.frame, settings);
        QCOMPARE(third.frame.view().horizontalHeader()->logicalIndex(0), 0);
        QVERIFY(!third.frame.view().sizedByUser(17));
    }
};

QTEST_MAIN(RememberedSettingsTest)
#include "test_remembered_settings.moc"
