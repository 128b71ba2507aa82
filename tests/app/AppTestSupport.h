#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "CMainFrame.h"
#include "commands/FileLoad.h"
#include "model/CSorvakDoc.h"
#include "model/QsoRecord.h"
#include "testsupport/ScriptedUi.h"

class QAction;
class QMenu;

namespace sorvak::test {

// The window over its own document, with every question answered by a script.
struct Window {
    CSorvakDoc doc;
    ScriptedUi ui;
    CMainFrame frame{doc, ui};

    Window();
    // The table's text of a cell.
    QString cell(int row, int column) const;
    int rowCount() const;
    // The caption as the window system shows it, unsaved mark included.
    QString caption();
    // Runs a main-menu entry by its object name, as a click would.
    void trigger(const char* name);
    QAction* action(const char* name);
};

// A window over a binary log of `count` numbered QSOs in its own folder,
// unmodified.
class Loaded : public Window {
  public:
    explicit Loaded(int count);
    CSorvakView& view() { return frame.view(); }
    QTemporaryDir dir;
};

// Adds the rows to the list's selection, the last one focused.
void select(CSorvakView& view, std::initializer_list<int> rows);

// Fills each form of type F with `fill` and accepts it once; later showings
// are cancelled.
template <typename F>
void answerOnce(ScriptedUi& ui, std::function<void(F&)> fill) {
    auto shown = std::make_shared<int>(0);
    ui.dialogHandler = [fill, shown](DialogForm& form) {
        auto* typed = dynamic_cast<F*>(&form);
        if (typed == nullptr || (*shown)++ > 0) {
            return false;
        }
        fill(*typed);
        return true;
    };
}

// A QSO on 2026-11-03 at hhmm with the given call sign and points.
QsoParts qso(int hhmm, const std::string& callSign, int points);

// Writes a binary log holding the QSOs into the folder and returns its path.
std::string writeLog(const QTemporaryDir& dir, const char* name, const std::vector<QsoParts>& qsos);

// The whole content of a file.
std::string readAll(const std::string& path);

// A log of `count` QSOs: call "JA1A" plus a letter, points (7 * i) % 10.
std::vector<QsoParts> numberedQsos(int count);

// Each main-menu entry as "path|text|shortcut|enabled|prompt", top to bottom;
// a separator is "path|-".
QStringList describeMenu(const QMenu& menu, const QString& path);

}  // namespace sorvak::test
