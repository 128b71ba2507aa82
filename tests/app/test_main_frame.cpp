// The main window as it starts: menus, shortcuts, toolbar, status bar, caption.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "MainStatusBar.h"

using namespace sorvak;
using namespace sorvak::test;

class MainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void menuBarHoldsEveryEntryWithItsStartState();
    void captionAndCountsFollowTheLog();
    void exitClosesOnlyOnceAChangedLogIsSaved();
    void toolBarButtonsHaveTheirTipsAndState();
    void statusBarShowsReadyAndThePromptOfTheHighlightedEntry();
    void barEntriesToggleTheBarsAndTheirCheckMarks();
    void shortcutsOfGrayedEntriesDoNothing();
    void paneKeysAreTakenAndDoNothing();
    void versionEntryShowsTheVersionBox();
};

void MainFrameTest::menuBarHoldsEveryEntryWithItsStartState() {
    Window w;
    QStringList lines;
    for (QAction* top : w.frame.menuBar()->actions()) {
        lines.append(describeMenu(*top->menu(), top->text()));
    }
    const QStringList expected = {
        "ファイル(&F)|新規作成(&N)|Ctrl+N|on|新規にﾌｧｲﾙを作成",
        "ファイル(&F)|開く(&O)...|Ctrl+O|on|ﾌｧｲﾙのﾛｰﾄﾞ",
        "ファイル(&F)|マージ(&M)...||on|ファイルをマージ",
        "ファイル(&F)|アペンド(&A)...||on|ﾌｧｲﾙのｱﾍﾟﾝﾄﾞ",
        "ファイル(&F)|-",
        "ファイル(&F)|上書き保存(&S)|Ctrl+S|on|ﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)|名前を付けて保存(&A)...|Ctrl+Shift+S|on|作業中のﾌｧｲﾙに名前を付けて保存",
        "ファイル(&F)|-",
        "ファイル(&F)>データ読み込み(&I)|&CCC TXT ファイル||on|",
        "ファイル(&F)>データ読み込み(&I)|Cabrilloフォーマットファイル(&B)||on|"
        "Cabrilloフォーマットファイルの読み込み",
        "ファイル(&F)>データ読み込み(&I)|N1MM Logger Generic Log File(&N)||on|"
        "N1MM Logger Generic Log Fileの読み込み",
        "ファイル(&F)>データ読み込み(&I)|ADIFファイル(&D)||on|ADIFファイルの読み込み",
        "ファイル(&F)>データ書き出し(&E)|Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ(&Q)||on|"
        "Quog for Windowsﾊﾞｲﾅﾘﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|Quog for Windows ﾃｷｽﾄﾌｧｲﾙ(&A)||on|"
        "Quog for Windowsﾃｷｽﾄﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|Quog for DOS ﾃｷｽﾄﾌｧｲﾙ(&T)||on|"
        "Quog for DOS ﾃｷｽﾄﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|-",
        "ファイル(&F)>データ書き出し(&E)|Cabrilloフォーマットファイル(&C)||on|"
        "Cabrilloフォーマットファイルの出力",
        "ファイル(&F)>データ書き出し(&E)|Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙ(&S)||on|"
        "Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|-",
        "ファイル(&F)>データ書き出し(&E)|Turbo HAMLOG用 CSVﾌｧｲﾙ (Ver5.00以降) (&H)||on|"
        "Turbo HAMLOG用 CSVﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|Turbo HAMLOG用 CSVﾌｧｲﾙ (Ver4.45以降) (&H)||on|"
        "Turbo HAMLOG用 CSVﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|Turbo HAMLOG用 CSVﾌｧｲﾙ (旧式) (&H)||on|"
        "Turbo HAMLOG用 CSVﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|-",
        "ファイル(&F)>データ書き出し(&E)|ログ太郎のパパv8用 CSVﾌｧｲﾙ (&P)||on|"
        "ログ太郎のパパv8用 CSVﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|-",
        "ファイル(&F)>データ書き出し(&E)|ADIFファイル(&D)...||on|ADIFﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|ADIF XMLファイル(&X)...||on|ADIF XMLﾌｧｲﾙのｾｰﾌﾞ",
        "ファイル(&F)>データ書き出し(&E)|-",
        "ファイル(&F)>データ書き出し(&E)|JARL電子ログ(&J)...||on|JARL電子ログの作成",
        "ファイル(&F)|-",
        "ファイル(&F)|終了(&X)||on|ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示",
        "編集(&E)|元に戻す(&U)|Ctrl+Z|off|直前の操作を元に戻す",
        "編集(&E)|やり直し(&Y)|Ctrl+Y|off|元に戻した操作をやり直す",
        "編集(&E)|-",
        "編集(&E)|新規QSO入力(&Q)...|Ctrl+Q|on|新規QSOを入力",
        "編集(&E)|-",
        "編集(&E)|切り取り(&T)||off|選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存",
        "編集(&E)|コピー(&C)||off|選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存",
        "編集(&E)|貼り付け(&P)||off|ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け",
        "編集(&E)|削除(&D)||off|選択範囲を消去",
        "編集(&E)|-",
        "編集(&E)|すべて選択(&L)|Ctrl+A|off|すべて選択",
        "編集(&E)|-",
        "編集(&E)|検索(&F)|Ctrl+F|off|指定した文字列の検索",
        "編集(&E)|-",
        "編集(&E)|QSO行編集(&Q)...||off|1QSOを編集",
        "編集(&E)|選択範囲一括変更(&R)...||off|選択された範囲のQSO行を一括変更",
        "表示(&V)|ツールバー(&T)||on|ﾂｰﾙ ﾊﾞｰの表示/非表示",
        "表示(&V)|ステータスバー(&S)||on|ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示",
        "表示(&V)|-",
        "表示(&V)|新規QSO入力(&Q)...|Ctrl+Q|on|新規QSOを入力",
        "表示(&V)|コンテストデータ(&C)...||on|コンテストデータの表示",
        "ソート(&S)>コールサイン順(&C)|ASCIIｺｰﾄﾞ順(&A)||on|ｺｰﾙｻｲﾝ順(ASCIIｺｰﾄﾞ)にｿｰﾄ",
        "ソート(&S)>コールサイン順(&C)|JA.JE.JF順(&E)||on|ｺｰﾙｻｲﾝ順(JA.JE.JF)にｿｰﾄ",
        "ソート(&S)>コールサイン順(&C)|JA.JH.JR順(&H)||on|ｺｰﾙｻｲﾝ順(JA.JH.JR)にｿｰﾄ",
        "ソート(&S)|交信時刻順(&T)||on|交信時刻順にｿｰﾄ\\ｿｰﾄ",
        "ソート(&S)|バンド順(&B)||on|ﾊﾞﾝﾄﾞ順にｿｰﾄ",
        "ソート(&S)|モードﾞ順(&M)||on|ﾓｰﾄﾞ順にｿｰﾄ",
        "ソート(&S)|パワー順(&P)||on|",
        "ソート(&S)|TX#順(&X)||on|",
        "ソート(&S)|ポイント順(&I)||on|",
        "ソート(&S)|オペレータ順(&O)||on|",
        "ソート(&S)|メモ順(&M)||on|",
        "リスト出力(&L)|重複チェックリスト(&D)...||on|重複チェックリストの出力",
        "リスト出力(&L)|交信データの解析(&Q)...||on|交信データ解析ﾌｧｲﾙの出力",
        "リスト出力(&L)|-",
        "リスト出力(&L)|Cabrilloフォーマットファイル(&C)...||on|Cabrilloフォーマットファイルの出力",
        "リスト出力(&L)|T2LOG形式(&T)||off|CCC用T2LOG形式のファイルを出力する",
        "リスト出力(&L)|-",
        "リスト出力(&L)|レートグラフ(&G)...||on|時間・バンドごとの交信局数のグラフを表示",
        "ツール(&T)|コンテストデータ編集(&C)...||on|コンテストデータの表示",
        "ツール(&T)|コンテストデータのインポート(&C)...||on|コンテストデータのインポート",
        "ツール(&T)|-",
        "ツール(&T)|ナンバ欄からマルチ欄へのコピー(&N)...||on|ナンバ欄からマルチ欄へのコピー",
        "ツール(&T)|送信ナンバ一括変更(&S)...||on|送信ナンバの一括変更",
        "ツール(&T)|DUPE QSOの削除(&D)...||on|",
        "ツール(&T)|-",
        "ツール(&T)|ログのチェック(&K)...||on|提出前のログのチェック",
        "設定(&S)|重複チェックリスト(&C)...||on|重複ﾁｪｯｸﾘｽﾄの設定",
        "設定(&S)|交信データ解析(&Q)...||on|交信データ解析の設定",
        "設定(&S)|Turbo HAMLOG CSVファイル(&H)...||off|Turbo HAMLOG用 CSVﾌｧｲﾙの出力形式の設定",
        "ヘルプ(&H)|バージョン情報(SORVAK) (&A)...||on|ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示",
    };
    QCOMPARE(lines, expected);
}

void MainFrameTest::captionAndCountsFollowTheLog() {
    QTemporaryDir dir;
    Window w;
    QCOMPARE(w.caption(), QString("SORVAK - SORVAK"));
    w.doc.setTitle("/logs/ログ[*].QGB");
    QCOMPARE(w.caption(), QString("/logs/ログ[*].QGB - SORVAK"));

    std::string path = writeLog(dir, "a.qgb", numberedQsos(3));
    FileLoad(w.doc, w.ui, path, LoadMode::Load);
    w.doc.updateAllViews();
    w.trigger("ID_EDIT_SELECT_ALL");
    QCOMPARE(w.frame.mainStatusBar().countText(), QString("QSO数: 3  選択: 3"));
    w.frame.view().clearSelection();
    w.frame.view().selectRow(1);
    w.ui.answers = {Answer::Ok};
    w.trigger("ID_EDIT_DELETE");
    QCOMPARE(w.frame.mainStatusBar().countText(), QString("QSO数: 2  選択: 0"));
    QCOMPARE(w.caption(), QString::fromStdString(path + "* - SORVAK"));
    w.trigger("ID_FILE_SAVE");
    QCOMPARE(w.caption(), QString::fromStdString(path + " - SORVAK"));
}

void MainFrameTest::exitClosesOnlyOnceAChangedLogIsSaved() {
    QTemporaryDir dir;
    Window w;
    std::string path = writeLog(dir, "a.qgb", numberedQsos(3));
    FileLoad(w.doc, w.ui, path, LoadMode::Load);
    w.doc.setModified();
    w.frame.show();
    w.ui.answers = {Answer::Yes, Answer::Yes};
    w.trigger("ID_APP_EXIT");  // the save dialog cancelled
    QVERIFY(w.frame.isVisible());
    w.ui.paths.push_back(path);
    w.trigger("ID_APP_EXIT");
    QVERIFY(!w.frame.isVisible());
    QVERIFY(!w.doc.isModified());
    QCOMPARE(w.ui.events.size(), size_t{5});  // asked, cancelled, asked, saved, the QGB note
}

void MainFrameTest::toolBarButtonsHaveTheirTipsAndState() {
    Window w;
    auto* bar = w.frame.findChild<QToolBar*>("toolBar");
    QVERIFY(bar != nullptr);
    QStringList buttons;
    for (QAction* action : bar->actions()) {
        buttons.append(action->isSeparator()
                           ? QString("-")
                           : action->toolTip() + (action->isEnabled() ? "|on" : "|off"));
    }
    QCOMPARE(buttons, (QStringList{"新規ﾌｧｲﾙ|on", "ﾛｰﾄﾞ|on", "ｾｰﾌﾞ|on", "-", "切り取り|off",
                                   "ｺﾋﾟ-|off", "貼り付け|off", "-", "ﾊﾞｰｼﾞｮﾝ情報|on"}));
    QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
    QCOMPARE(w.frame.toolBarArea(bar), Qt::TopToolBarArea);
}

void MainFrameTest::statusBarShowsReadyAndThePromptOfTheHighlightedEntry() {
    Window w;
    w.frame.show();
    MainStatusBar& bar = w.frame.mainStatusBar();
    QCOMPARE(bar.messageText(), QString("ﾚﾃﾞｨ"));
    w.action("ID_SORT_TIME")->showStatusText(w.frame.menuBar());
    QCOMPARE(bar.messageText(), QString("交信時刻順にｿｰﾄ\\ｿｰﾄ"));
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(w.frame.menuBar(), &leave);
    QCOMPARE(bar.messageText(), QString("ﾚﾃﾞｨ"));
    QStringList panes;
    for (const char* name : {"kanaPane", "capsPane", "numPane", "scrollPane"}) {
        panes.append(w.frame.findChild<QLabel*>(name)->text());
    }
    QCOMPARE(panes, (QStringList{"ｶﾅ", "CAP", "NUM", "SCRL"}));
}

void MainFrameTest::barEntriesToggleTheBarsAndTheirCheckMarks() {
    Window w;
    w.frame.show();
    QAction* toolBarEntry = w.action("ID_VIEW_TOOLBAR");
    QVERIFY(toolBarEntry->isChecked());
    toolBarEntry->trigger();
    QVERIFY(!w.frame.findChild<QToolBar*>("toolBar")->isVisible());
    QVERIFY(!toolBarEntry->isChecked());
    w.trigger("ID_VIEW_STATUS_BAR");
    QVERIFY(!w.frame.mainStatusBar().isVisible());
    w.trigger("ID_VIEW_STATUS_BAR");
    QVERIFY(w.frame.mainStatusBar().isVisible());
}

void MainFrameTest::shortcutsOfGrayedEntriesDoNothing() {
    QTemporaryDir dir;
    Window w;
    w.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.frame));
    QTest::keyClick(&w.frame.view(), Qt::Key_Delete);
    QTest::keyClick(&w.frame.view(), Qt::Key_A, Qt::ControlModifier);
    QVERIFY(w.ui.events.empty());
    // With a row selected, Delete is the delete command and asks first.
    FileLoad(w.doc, w.ui, writeLog(dir, "a.qgb", numberedQsos(3)), LoadMode::Load);
    w.doc.updateAllViews();
    w.frame.view().selectRow(1);
    w.ui.answers = {Answer::Cancel};
    QTest::keyClick(&w.frame.view(), Qt::Key_Delete);
    QCOMPARE(w.ui.messageTexts(), std::vector<std::string>{"このデータを削除しますか?"});
    QCOMPARE(w.rowCount(), 3);
}

void MainFrameTest::paneKeysAreTakenAndDoNothing() {
    QTemporaryDir dir;
    Window w;
    FileLoad(w.doc, w.ui, writeLog(dir, "a.qgb", numberedQsos(3)), LoadMode::Load);
    w.doc.updateAllViews();
    w.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.frame));
    w.frame.view().selectRow(0);
    QTest::keyClick(&w.frame.view(), Qt::Key_F6);
    QTest::keyClick(&w.frame.view(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(w.frame.view().currentIndex().row(), 0);
    QVERIFY(w.ui.events.empty());
}

void MainFrameTest::versionEntryShowsTheVersionBox() {
    Window w;
    int shown = 0;
    w.ui.dialogHandler = [&shown](DialogForm&) {
        ++shown;
        return true;
    };
    w.trigger("ID_APP_ABOUT");
    QCOMPARE(shown, 1);
}

QTEST_MAIN(MainFrameTest)
#include "test_main_frame.moc"
