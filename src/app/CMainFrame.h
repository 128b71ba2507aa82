#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

class QSettings;
class QToolBar;

namespace sorvak {

class CSorvakDoc;
class CSorvakView;
class CommandSet;
class EditHistory;
class MainStatusBar;
class Ui;

// The one main window: menu bar, toolbar, the QSO list and the status bar.
// Every message and question goes through the Ui it was given.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CMainFrame(CSorvakDoc& doc, Ui& ui, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CSorvakView& view() { return *view_; }
    CommandSet& commands() { return *commands_; }
    MainStatusBar& mainStatusBar() { return *statusBar_; }
    EditHistory& history() { return *history_; }
    // Takes the window's size and position and the list's columns from the
    // settings and keeps them there when the window closes.
    void keepLayoutIn(QSettings& settings);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void registerFrameCommands();
    void setUpBarToggles();
    // The title or the modified flag changed.
    void OnDocumentState();
    void updateCaption();
    QSize firstSize() const;

    CSorvakDoc& doc_;
    Ui& ui_;
    CommandSet* commands_;
    CSorvakView* view_;
    QToolBar* toolBar_;
    MainStatusBar* statusBar_;
    std::unique_ptr<EditHistory> history_;
    QSettings* layoutSettings_ = nullptr;
    // Where the check lists and reports are written; "" for the current
    // directory.
    std::string reportFolder_;
};

}  // namespace sorvak
