// The Cabrillo header dialog over its form: version states and the checks on OK.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "CabrilloHeaderDialog.h"
#include "model/CSorvakDoc.h"
#include "testsupport/ScriptedUi.h"

using namespace sorvak;

namespace {

template <typename T>
T* child(QDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(name);
    if (widget == nullptr) {
        qFatal("no widget %s", name);
    }
    return widget;
}

QLabel* labelWithText(QDialog& dialog, const QString& text) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return label;
        }
    }
    return nullptr;
}

}  // namespace

class CabrilloDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensPrefilledInTheVersion3State() {
        CSorvakDoc doc;
        doc.contest().contestName = "JIDX-CW";
        doc.contest().stationCall = "JA1ZZZ";
        CabrilloHeaderForm form = CabrilloHeaderForm::prefilledFrom(doc);
        ScriptedUi ui;
        CabrilloHeaderDialog dialog(form, ui);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Cabrilloフォーマットファイル作成"));
        QVERIFY(child<QRadioButton>(dialog, "version3")->isChecked());
        QCOMPARE(child<QComboBox>(dialog, "contest")->currentText(), QString("JIDX-CW"));
        QCOMPARE(child<QLineEdit>(dialog, "callSign")->text(), QString("JA1ZZZ"));
        QCOMPARE(child<QComboBox>(dialog, "contest")->count(), 11);
        QCOMPARE(child<QComboBox>(dialog, "category")->count(), 32);
        QCOMPARE(child<QComboBox>(dialog, "catBand")->itemText(12), QString("1.2G"));
        QVERIFY(!child<QComboBox>(dialog, "category")->isEnabled());
        QVERIFY(child<QComboBox>(dialog, "catPower")->isEnabled());
        QVERIFY(labelWithText(dialog, "&LOCATION:")->isVisible());
        QVERIFY(!labelWithText(dialog, "A&RRL-SECTION:")->isVisible());
        QCOMPARE(child<QGroupBox>(dialog, "categoryGroup")->findChildren<QComboBox*>().size(), 9);
        for (const char* caption : {"CLAIMED-&SCORE:", "&OPERATORS:", "C&LUB:"}) {
            QVERIFY(!labelWithText(dialog, caption)->buddy()->isEnabled());
        }
    }

    void version2SwitchesLabelAndControlsKeepingTheirText() {
        CabrilloHeaderForm form;
        form.catMode = "CW";
        ScriptedUi ui;
        CabrilloHeaderDialog dialog(form, ui);
        dialog.show();
        child<QRadioButton>(dialog, "version2")->click();
        QVERIFY(labelWithText(dialog, "A&RRL-SECTION:")->isVisible());
        QVERIFY(!labelWithText(dialog, "&LOCATION:")->isVisible());
        QVERIFY(child<QComboBox>(dialog, "category")->isEnabled());
        QVERIFY(!child<QComboBox>(dialog, "catMode")->isEnabled());
        QCOMPARE(child<QComboBox>(dialog, "catMode")->currentText(), QString("CW"));
        child<QRadioButton>(dialog, "version3")->click();
        QVERIFY(child<QComboBox>(dialog, "catMode")->isEnabled());
    }

    void okChecksTheFieldsInOrderAndFocusesTheFirstFailure() {
        CabrilloHeaderForm form;
        ScriptedUi ui;
        CabrilloHeaderDialog dialog(form, ui);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        child<QRadioButton>(dialog, "version2")->click();
        auto* ok = child<QPushButton>(dialog, "ok");
        struct Step {
            const char* fill;
            const char* message;
        };
        const Step steps[] = {
            {"contest", "コンテスト名が記入されていません。"},
            {"callSign", "コールサインが記入されていません。"},
            {"category", "カテゴリーが記入されていません。"},
            {"name", "名前が記入されていません。"},
            {"address", "住所が記入されていません。"},
        };
        for (const Step& step : steps) {
            ok->click();
            QCOMPARE(QString::fromStdString(ui.messageTexts().back()),
                     QString::fromUtf8(step.message));
            QVERIFY(dialog.isVisible());
            QWidget* failing = dialog.findChild<QWidget*>(step.fill);
            QVERIFY(dialog.focusWidget() == failing ||
                    dialog.focusWidget()->parentWidget() == failing);
            if (auto* combo = qobject_cast<QComboBox*>(failing)) {
                combo->setEditText("X");
            } else {
                qobject_cast<QLineEdit*>(failing)->setText(QString::fromUtf8("テスト"));
            }
        }
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(form.version, 2);
        QCOMPARE(form.name, std::string("テスト"));
        QCOMPARE(ui.messageTexts().size(), size_t(5));
    }
};

QTEST_MAIN(CabrilloDialogTest)
#include "test_cabrillo_dialog.moc"
