#include "CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "CSorvakView.h"
#include "CommandSet.h"
#include "DocumentCommands.h"
#include "EditingCommands.h"
#include "MainStatusBar.h"
#include "MainToolBar.h"
#include "MenuBuilder.h"
#include "VersionForm.h"
#include "formats/SaveCommands.h"
#include "model/CSorvakDoc.h"

namespace sorvak {

CMainFrame::CMainFrame(CSorvakDoc& doc, Ui& ui, QWidget* parent)
    : QMainWindow(parent), doc_(doc), ui_(ui), commands_(new CommandSet(this)) {
    setObjectName("mainFrame");
    buildMenuBar(*menuBar(), *commands_);
    addWindowShortcuts(*this, *commands_);
    toolBar_ = createMainToolBar(this, *commands_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    statusBar_ = new MainStatusBar(this);
    setStatusBar(statusBar_);
    view_ = new CSorvakView(doc, ui, *commands_, this);
    setCentralWidget(view_);
    registerDocumentCommands(*commands_, doc, ui);
    registerEditingCommands(*view_, doc, ui, *commands_);
    registerFrameCommands();
    setUpBarToggles();
    doc_.setStateListener([this] { updateCaption(); });
    doc_.setViewUpdater([this] { view_->OnUpdate(); });
    updateCaption();
    view_->OnUpdate();
    resize(900, 600);
}

CMainFrame::~CMainFrame() {
    doc_.setStateListener(nullptr);
    doc_.setViewUpdater(nullptr);
}

void CMainFrame::registerFrameCommands() {
    commands_->setHandler(Command::AppExit, [this] { close(); });
    commands_->setHandler(Command::AppAbout, [this] {
        VersionForm form;
        ui_.runDialog(form);
    });
}

void CMainFrame::setUpBarToggles() {
    QAction* toolBarEntry = commands_->action(Command::ViewToolBar);
    QAction* statusBarEntry = commands_->action(Command::ViewStatusBar);
    for (QAction* entry : {toolBarEntry, statusBarEntry}) {
        entry->setCheckable(true);
        entry->setChecked(true);
    }
    commands_->setHandler(Command::ViewToolBar, [this, toolBarEntry] {
        toolBar_->setVisible(toolBarEntry->isChecked());
    });
    commands_->setHandler(Command::ViewStatusBar, [this, statusBarEntry] {
        statusBar_->setVisible(statusBarEntry->isChecked());
    });
    connect(toolBar_, &QToolBar::visibilityChanged, toolBarEntry, &QAction::setChecked);
}

void CMainFrame::updateCaption() {
    setWindowTitle(QString::fromStdString(doc_.title()) + QStringLiteral(" - ") +
                   QString::fromLatin1(kAppTitle));
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar_->showPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (saveModified(doc_, ui_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace sorvak
