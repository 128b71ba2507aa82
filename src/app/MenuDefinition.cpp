#include "MenuDefinition.h"

namespace sorvak {
namespace {

using C = Command;

MenuEntry popup(const char* text) {
    return {EntryKind::Popup, C::None, "", text, "", false};
}
MenuEntry end() {
    return {EntryKind::End};
}
MenuEntry separator() {
    return {EntryKind::Separator};
}
MenuEntry item(C command, const char* name, const char* text, const char* prompt) {
    return {EntryKind::Item, command, name, text, prompt, false};
}
MenuEntry grayed(C command, const char* name, const char* text, const char* prompt) {
    return {EntryKind::Item, command, name, text, prompt, true};
}

void addFileMenu(std::vector<MenuEntry>& m) {
    m.insert(
        m.end(),
        {
            popup("ファイル(&F)"),
            item(C::FileNew, "ID_FILE_NEW", "新規作成(&N)\tCtrl+N", "新規にﾌｧｲﾙを作成"),
            item(C::FileOpen, "ID_FILE_OPEN", "開く(&O)...\tCtrl+O", "ﾌｧｲﾙのﾛｰﾄﾞ"),
            item(C::FileMerge, "ID_FILE_MERGE", "マージ(&M)...", "ファイルをマージ"),
            item(C::FileAppend, "ID_FILE_APPEND", "アペンド(&A)...", "ﾌｧｲﾙのｱﾍﾟﾝﾄﾞ"),
            separator(),
            item(C::FileSave, "ID_FILE_SAVE", "上書き保存(&S)\tCtrl+S", "ﾌｧｲﾙのｾｰﾌﾞ"),
            item(C::FileSaveAs, "ID_FILE_SAVE_AS", "名前を付けて保存(&A)...\tCtrl+Shift+S",
                 "作業中のﾌｧｲﾙに名前を付けて保存"),
            separator(),
            popup("データ読み込み(&I)"),
            item(C::ImportCcc, "ID_IMPORT_CCC", "&CCC TXT ファイル", ""),
            item(C::ImportCabrillo, "ID_IMPORT_CABRILLO", "Cabrilloフォーマットファイル(&B)",
                 "Cabrilloフォーマットファイルの読み込み"),
            item(C::ImportN1mm, "ID_IMPORT_N1MM", "N1MM Logger Generic Log File(&N)",
                 "N1MM Logger Generic Log Fileの読み込み"),
            item(C::ImportAdif, "ID_IMPORT_ADIF", "ADIFファイル(&D)", "ADIFファイルの読み込み"),
            end(),
            popup("データ書き出し(&E)"),
            item(C::ExportQgb, "ID_EXPORT_QGB", "Quog for Windows ﾊﾞｲﾅﾘﾌｧｲﾙ(&Q)",
                 "Quog for Windowsﾊﾞｲﾅﾘﾌｧｲﾙのｾｰﾌﾞ"),
            item(C::ExportAll, "ID_EXPORT_ALL", "Quog for Windows ﾃｷｽﾄﾌｧｲﾙ(&A)",
                 "Quog for Windowsﾃｷｽﾄﾌｧｲﾙのｾｰﾌﾞ"),
            item(C::ExportDosTxt, "ID_EXPORT_DOS_TXT", "Quog for DOS ﾃｷｽﾄﾌｧｲﾙ(&T)",
                 "Quog for DOS ﾃｷｽﾄﾌｧｲﾙのｾｰﾌﾞ"),
            separator(),
            item(C::ExportCabrillo, "ID_EXPORT_CABRILLO", "Cabrilloフォーマットファイル(&C)",
                 "Cabrilloフォーマットファイルの出力"),
            item(C::ExportSupercheck, "ID_EXPORT_SUPERCHECK", "Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙ(&S)",
                 "Quogｽｰﾊﾟｰﾁｪｯｸ用ﾌｧｲﾙのｾｰﾌﾞ"),
            separator(),
            item(C::ExportHamlog500, "ID_EXPORT_HAMLOG_500",
                 "Turbo HAMLOG用 CSVﾌｧｲﾙ (Ver5.00以降) (&H)", "Turbo HAMLOG用 CSVﾌｧｲﾙのｾｰﾌﾞ"),
            item(C::ExportHamlog445, "ID_EXPORT_HAMLOG_445",
                 "Turbo HAMLOG用 CSVﾌｧｲﾙ (Ver4.45以降) (&H)", "Turbo HAMLOG用 CSVﾌｧｲﾙのｾｰﾌﾞ"),
            item(C::ExportHamlogOld, "ID_EXPORT_HAMLOG_OLD", "Turbo HAMLOG用 CSVﾌｧｲﾙ (旧式) (&H)",
                 "Turbo HAMLOG用 CSVﾌｧｲﾙのｾｰﾌﾞ"),
            separator(),
            item(C::ExportLogtaro, "ID_EXPORT_LOGTARO", "ログ太郎のパパv8用 CSVﾌｧｲﾙ (&P)",
                 "ログ太郎のパパv8用 CSVﾌｧｲﾙのｾｰﾌﾞ"),
            separator(),
            item(C::ExportAdi, "ID_EXPORT_ADI", "ADIFファイル(&D)...", "ADIFﾌｧｲﾙのｾｰﾌﾞ"),
            item(C::ExportAdx, "ID_EXPORT_ADX", "ADIF XMLファイル(&X)...", "ADIF XMLﾌｧｲﾙのｾｰﾌﾞ"),
            separator(),
            item(C::ExportJarl, "ID_EXPORT_JARL", "JARL電子ログ(&J)...", "JARL電子ログの作成"),
            end(),
            separator(),
            item(C::AppExit, "ID_APP_EXIT", "終了(&X)", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示"),
            end(),
        });
}

MenuEntry newQsoEntry() {
    return item(C::NewQso, "ID_NEW_QSO", "新規QSO入力(&Q)...\tCtrl+Q", "新規QSOを入力");
}

void addEditMenu(std::vector<MenuEntry>& m) {
    m.insert(
        m.end(),
        {
            popup("編集(&E)"),
            grayed(C::EditUndo, "ID_EDIT_UNDO", "元に戻す(&U)\tCtrl+Z", "直前の操作を元に戻す"),
            grayed(C::EditRedo, "ID_EDIT_REDO", "やり直し(&Y)\tCtrl+Y", "元に戻した操作をやり直す"),
            separator(),
            newQsoEntry(),
            separator(),
            grayed(C::EditCut, "ID_EDIT_CUT", "切り取り(&T)",
                   "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
            grayed(C::EditCopy, "ID_EDIT_COPY", "コピー(&C)", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
            grayed(C::EditPaste, "ID_EDIT_PASTE", "貼り付け(&P)", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け"),
            grayed(C::EditDelete, "ID_EDIT_DELETE", "削除(&D)", "選択範囲を消去"),
            separator(),
            grayed(C::EditSelectAll, "ID_EDIT_SELECT_ALL", "すべて選択(&L)\tCtrl+A", "すべて選択"),
            separator(),
            grayed(C::EditFind, "ID_EDIT_FIND", "検索(&F)\tCtrl+F", "指定した文字列の検索"),
            separator(),
            grayed(C::EditQso, "ID_EDIT_QSO", "QSO行編集(&Q)...", "1QSOを編集"),
            grayed(C::EditBulkChange, "ID_EDIT_BULK_CHANGE", "選択範囲一括変更(&R)...",
                   "選択された範囲のQSO行を一括変更"),
            end(),
        });
}

void addViewMenu(std::vector<MenuEntry>& m) {
    m.insert(m.end(),
             {
                 popup("表示(&V)"),
                 item(C::ViewToolBar, "ID_VIEW_TOOLBAR", "ツールバー(&T)", "ﾂｰﾙ ﾊﾞｰの表示/非表示"),
                 item(C::ViewStatusBar, "ID_VIEW_STATUS_BAR", "ステータスバー(&S)",
                      "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"),
                 separator(),
                 newQsoEntry(),
                 item(C::ViewContestData, "ID_VIEW_CONTEST_DATA", "コンテストデータ(&C)...",
                      "コンテストデータの表示"),
                 end(),
             });
}

void addSortMenu(std::vector<MenuEntry>& m) {
    m.insert(m.end(),
             {
                 popup("ソート(&S)"),
                 popup("コールサイン順(&C)"),
                 item(C::SortCallAscii, "ID_SORT_CALL_ASCII", "ASCIIｺｰﾄﾞ順(&A)",
                      "ｺｰﾙｻｲﾝ順(ASCIIｺｰﾄﾞ)にｿｰﾄ"),
                 item(C::SortCallJaJeJf, "ID_SORT_CALL_JA_JE_JF", "JA.JE.JF順(&E)",
                      "ｺｰﾙｻｲﾝ順(JA.JE.JF)にｿｰﾄ"),
                 item(C::SortCallJaJhJr, "ID_SORT_CALL_JA_JH_JR", "JA.JH.JR順(&H)",
                      "ｺｰﾙｻｲﾝ順(JA.JH.JR)にｿｰﾄ"),
                 end(),
                 item(C::SortTime, "ID_SORT_TIME", "交信時刻順(&T)", "交信時刻順にｿｰﾄ\\ｿｰﾄ"),
                 item(C::SortBand, "ID_SORT_BAND", "バンド順(&B)", "ﾊﾞﾝﾄﾞ順にｿｰﾄ"),
                 item(C::SortMode, "ID_SORT_MODE", "モードﾞ順(&M)", "ﾓｰﾄﾞ順にｿｰﾄ"),
                 item(C::SortPower, "ID_SORT_POWER", "パワー順(&P)", ""),
                 item(C::SortTxNumber, "ID_SORT_TX_NUMBER", "TX#順(&X)", ""),
                 item(C::SortPoints, "ID_SORT_POINTS", "ポイント順(&I)", ""),
                 item(C::SortOperator, "ID_SORT_OPERATOR", "オペレータ順(&O)", ""),
                 item(C::SortMemo, "ID_SORT_MEMO", "メモ順(&M)", ""),
                 end(),
             });
}

void addListMenu(std::vector<MenuEntry>& m) {
    m.insert(m.end(),
             {
                 popup("リスト出力(&L)"),
                 item(C::ListCheckList, "ID_LIST_CHECK_LIST", "重複チェックリスト(&D)...",
                      "重複チェックリストの出力"),
                 item(C::ListAnalysis, "ID_LIST_ANALYSIS", "交信データの解析(&Q)...",
                      "交信データ解析ﾌｧｲﾙの出力"),
                 separator(),
                 item(C::ListCabrillo, "ID_LIST_CABRILLO", "Cabrilloフォーマットファイル(&C)...",
                      "Cabrilloフォーマットファイルの出力"),
                 grayed(C::ListT2log, "ID_LIST_T2LOG", "T2LOG形式(&T)",
                        "CCC用T2LOG形式のファイルを出力する"),
                 separator(),
                 item(C::ListRateChart, "ID_LIST_RATE_CHART", "レートグラフ(&G)...",
                      "時間・バンドごとの交信局数のグラフを表示"),
                 end(),
             });
}

void addToolMenu(std::vector<MenuEntry>& m) {
    m.insert(m.end(),
             {
                 popup("ツール(&T)"),
                 item(C::ToolContestData, "ID_TOOL_CONTEST_DATA", "コンテストデータ編集(&C)...",
                      "コンテストデータの表示"),
                 item(C::ToolImportContestData, "ID_TOOL_IMPORT_CONTEST_DATA",
                      "コンテストデータのインポート(&C)...", "コンテストデータのインポート"),
                 separator(),
                 item(C::ToolNumberToMulti, "ID_TOOL_NUMBER_TO_MULTI",
                      "ナンバ欄からマルチ欄へのコピー(&N)...", "ナンバ欄からマルチ欄へのコピー"),
                 item(C::ToolSentNumbers, "ID_TOOL_SENT_NUMBERS", "送信ナンバ一括変更(&S)...",
                      "送信ナンバの一括変更"),
                 item(C::ToolDupe, "ID_TOOL_DUPE", "DUPE QSOの削除(&D)...", ""),
                 separator(),
                 item(C::ToolLogCheck, "ID_TOOL_LOG_CHECK", "ログのチェック(&K)...",
                      "提出前のログのチェック"),
                 end(),
             });
}

void addSettingsAndHelpMenus(std::vector<MenuEntry>& m) {
    m.insert(m.end(), {
                          popup("設定(&S)"),
                          item(C::SetCheckList, "ID_SET_CHECK_LIST", "重複チェックリスト(&C)...",
                               "重複ﾁｪｯｸﾘｽﾄの設定"),
                          item(C::SetAnalysis, "ID_SET_ANALYSIS", "交信データ解析(&Q)...",
                               "交信データ解析の設定"),
                          grayed(C::SetHamlog, "ID_SET_HAMLOG", "Turbo HAMLOG CSVファイル(&H)...",
                                 "Turbo HAMLOG用 CSVﾌｧｲﾙの出力形式の設定"),
                          end(),
                          popup("ヘルプ(&H)"),
                          item(C::AppAbout, "ID_APP_ABOUT", "バージョン情報(SORVAK) (&A)...",
                               "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示"),
                          end(),
                      });
}

std::vector<MenuEntry> buildMainMenu() {
    std::vector<MenuEntry> m;
    addFileMenu(m);
    addEditMenu(m);
    addViewMenu(m);
    addSortMenu(m);
    addListMenu(m);
    addToolMenu(m);
    addSettingsAndHelpMenus(m);
    return m;
}

}  // namespace

const std::vector<MenuEntry>& mainMenuDefinition() {
    static const std::vector<MenuEntry> menu = buildMainMenu();
    return menu;
}

const std::vector<MenuEntry>& contextMenuDefinition() {
    static const std::vector<MenuEntry> menu = {
        popup("右クリックメニュー"),
        item(C::NewQso, "ID_NEW_QSO", "新規QSO(&N)...", "新規QSOを入力"),
        separator(),
        grayed(C::EditCut, "ID_EDIT_CUT", "切り取り(&T)", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
        grayed(C::EditCopy, "ID_EDIT_COPY", "コピー(&C)", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
        grayed(C::EditPaste, "ID_EDIT_PASTE", "貼り付け(&P)", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け"),
        grayed(C::EditDelete, "ID_EDIT_DELETE", "削除(&D)", "選択範囲を消去"),
        separator(),
        item(C::EditQso, "ID_EDIT_QSO", "QSO行編集(&Q)...", "1QSOを編集"),
        grayed(C::EditBulkChange, "ID_EDIT_BULK_CHANGE", "選択範囲変更(&R)...",
               "選択された範囲のQSO行を一括変更"),
        end(),
    };
    return menu;
}

}  // namespace sorvak
