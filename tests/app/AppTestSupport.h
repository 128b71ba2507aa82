#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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
