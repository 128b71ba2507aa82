#include "CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>

#include "CSorvakView.h"
#include "ClipboardCommands.h"
#include "CommandSet.h"
#include "DocumentCommands.h"
#include "EditHistory.h"
#include "EditingCommands.h"
#include "MainStatusBar.h"
#include "MainToolBar.h"
#include "MenuBuilder.h"
#include "VersionForm.h"
#include "WindowLayout.h"
#include "commands/LogFolder.h"
#include "commands/SaveCommands.h"
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
    connect(view_, &CSorvakView::rowsCounted, statusBar_, &MainStatusBar::showCounts);
    registerDocumentCommands(*commands_, doc, ui, reportFolder_);
    registerEditingCommands(*view_, doc, ui, *commands_);
    registerClipboardCommands(*view_, doc, ui, *commands_);
    view_->setEachEntered([this] { history_->recordNow(); });
    registerFrameCommands();
    history_ = std::make_unique<EditHistory>(doc, *commands_);
    setUpBarToggles();
    doc_.setStateListener([this] { OnDocumentState(); });
    doc_.setViewUpdater([this] { view_->OnUpdate(); });
    updateCaption();
    view_->OnUpdate();
    resize(firstSize());
}

QSize CMainFrame::firstSize() const {
    // Wide enough for every column of the list, but never beyond the screen,
    // with room for the title bar the window system adds above the window.
    QSize wanted(view_->widthShowingEveryColumn(), 600);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(0, titleBar));
    }
    return wanted;
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

void CMainFrame::OnDocumentState() {
    // The reports go beside the log, or where the last log was for a log
    // that has no file yet.
    if (std::string folder = logFolder(doc_); !folder.empty()) {
        reportFolder_ = folder;
    }
    updateCaption();
}

void CMainFrame::updateCaption() {
    // "[*]" is where the window system marks an unsaved log; one in the path
    // itself is doubled to stay text.
    QString title = QString::fromStdString(doc_.title());
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(title + QStringLiteral("[*] - ") + QString::fromLatin1(kAppTitle));
    setWindowModified(doc_.isModified());
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        statusBar_->showPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::keepLayoutIn(QSettings& settings) {
    layoutSettings_ = &settings;
    restoreWindowLayout(*this, settings);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (saveModified(doc_, ui_)) {
        if (layoutSettings_) {
            keepWindowLayout(*this, *layoutSettings_);
        }
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace sorvak
