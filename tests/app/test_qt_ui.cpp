// The window's Ui: message boxes and the file-dialog filters.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "FileFilters.h"
#include "QtUi.h"

using namespace sorvak;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Reads the box that is about to be shown, then presses Enter in it.
void answerNextBoxWithEnter(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(QString::number(box->standardButton(button), 16));
        }
        seen.buttons.sort();
        seen.defaultButton = QString::number(box->standardButton(box->defaultButton()), 16);
        QTest::keyClick(box, Qt::Key_Return);
    });
}

QString hex(QMessageBox::StandardButton button) {
    return QString::number(button, 16);
}

}  // namespace

class QtUiTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxHasTheTitleButtonsIconAndDefault();
    void okBoxShowsTheExclamationIcon();
    void filtersMatchExtensionsInAnyCase();
    void filterOfAllFilesMatchesEveryName();
    void fileDialogsStartInTheLogsFolderOrTheLastOneUsed();
};

void QtUiTest::messageBoxHasTheTitleButtonsIconAndDefault() {
    QtUi ui;
    SeenBox seen;
    answerNextBoxWithEnter(seen);
    Answer answer = ui.ask(Message{"既存データは失われます。続けますか?", Buttons::YesNoCancel,
                                   Icon::Question, Answer::No});
    QCOMPARE(answer, Answer::No);
    QCOMPARE(seen.title, QString("SORVAK"));
    QCOMPARE(seen.text, QString("既存データは失われます。続けますか?"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QStringList expected{hex(QMessageBox::Yes), hex(QMessageBox::No), hex(QMessageBox::Cancel)};
    expected.sort();
    QCOMPARE(seen.buttons, expected);
    QCOMPARE(seen.defaultButton, hex(QMessageBox::No));
}

void QtUiTest::okBoxShowsTheExclamationIcon() {
    QtUi ui;
    SeenBox seen;
    answerNextBoxWithEnter(seen);
    ui.tell("複数ファイルは読み込めません。");
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QStringList{hex(QMessageBox::Ok)});
    SeenBox confirmed;
    answerNextBoxWithEnter(confirmed);
    QVERIFY(ui.confirm("このデータを削除しますか?"));
    QCOMPARE(confirmed.defaultButton, hex(QMessageBox::Ok));
}

void QtUiTest::filtersMatchExtensionsInAnyCase() {
    QStringList filters =
        qtNameFilters("Quog Files (*.QGB;*.ALL)|*.QGB;*.ALL|CCC File (*.TXT)|*.TXT||");
    QCOMPARE(filters, (QStringList{"Quog Files (*.QGB;*.ALL) (*.[Qq][Gg][Bb] *.[Aa][Ll][Ll])",
                                   "CCC File (*.TXT) (*.[Tt][Xx][Tt])"}));
    QRegularExpression lower(QRegularExpression::wildcardToRegularExpression("*.[Qq][Gg][Bb]"));
    QVERIFY(lower.match("log.qgb").hasMatch());
    QVERIFY(lower.match("LOG.QGB").hasMatch());
    QVERIFY(lower.match("log.Qgb").hasMatch());
    QVERIFY(!lower.match("log.qgx").hasMatch());
}

void QtUiTest::filterOfAllFilesMatchesEveryName() {
    QCOMPARE(qtNameFilters("すべてのファイル (*.*)|*.*||"),
             QStringList{"すべてのファイル (*.*) (*)"});
    QCOMPARE(qtNameFilters(""), QStringList{});
}

void QtUiTest::fileDialogsStartInTheLogsFolderOrTheLastOneUsed() {
    QTemporaryDir logs;
    QTemporaryDir other;
    QtUi ui;
    QStringList started;
    // Notes the folder of the next dialog, then chooses `file` in it (or cancels).
    auto next = [&started](const QString& file) {
        QTimer::singleShot(0, [&started, file] {
            auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            started.append(box->directory().absolutePath());
            if (file.isEmpty()) {
                box->reject();
            } else {
                box->selectFile(file);
                QMetaObject::invokeMethod(box, "accept");
            }
        });
    };
    FileDialog open{"open", "all (*.*)|*.*||", "", "", false, logs.path().toStdString()};
    next("");
    QCOMPARE(ui.openFileName(open), std::nullopt);
    FileDialog untitled{"save", "all (*.*)|*.*||", "SORVAK.QGB", "QGB", false, ""};
    next(other.filePath("chosen.qgb"));
    QCOMPARE(ui.saveFileName(untitled), std::optional(other.filePath("chosen.qgb").toStdString()));
    next("");
    ui.saveFileName(untitled);
    QCOMPARE(started.size(), 3);
    QCOMPARE(started[0], logs.path());
    QCOMPARE(started[2], other.path());
}

QTEST_MAIN(QtUiTest)
#include "test_qt_ui.moc"
