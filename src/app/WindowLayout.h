#pragma once

class QSettings;

namespace sorvak {

class CMainFrame;

// The main window's size and position and the list's column order and the
// widths the user gave columns, kept in the settings profile when the window
// closes and given back when the next one starts. A setting that cannot be
// read is passed over.
void restoreWindowLayout(CMainFrame& frame, const QSettings& settings);
void keepWindowLayout(const CMainFrame& frame, QSettings& settings);

}  // namespace sorvak
