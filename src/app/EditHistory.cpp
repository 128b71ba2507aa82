#include "EditHistory.h"

#include <QAction>

#include "CommandSet.h"
#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

// The keys an entry shows after its text.
QString keysShown(const QAction& action) {
    qsizetype tab = action.text().indexOf(u'\t');
    return tab < 0 ? QString() : action.text().mid(tab);
}

}  // namespace

EditHistory::EditHistory(CSorvakDoc& doc, CommandSet& commands)
    : doc_(doc), commands_(commands), generation_(doc.generation()) {
    history_.reset(doc_);
    undoShortcut_ = keysShown(*commands_.action(Command::EditUndo));
    redoShortcut_ = keysShown(*commands_.action(Command::EditRedo));
    commands_.setHandler(Command::EditUndo, [this] { OnUndo(); });
    commands_.setHandler(Command::EditRedo, [this] { OnRedo(); });
    commands_.setStepRunner([this](const std::string& name, const std::function<void()>& action) {
        runStep(name, action);
    });
    OnUpdateEntries();
}

void EditHistory::followGeneration() {
    if (doc_.generation() != generation_) {
        generation_ = doc_.generation();
        history_.reset(doc_);
    }
}

void EditHistory::runStep(const std::string& name, const std::function<void()>& action) {
    if (depth_ > 0) {
        action();
        return;
    }
    followGeneration();
    running_ = name;
    ++depth_;
    struct Leave {
        EditHistory& history;
        ~Leave() {
            --history.depth_;
            history.record();
            history.running_.clear();
        }
    } leave{*this};
    action();
}

void EditHistory::recordNow() {
    if (depth_ > 0) {
        record();
    }
}

void EditHistory::record() {
    if (doc_.generation() != generation_) {
        followGeneration();
    } else {
        history_.record(doc_, running_);
    }
    if (!doc_.isModified()) {
        history_.markSaved();
    }
    OnUpdateEntries();
}

void EditHistory::OnUndo() {
    followGeneration();
    if (history_.undo(doc_)) {
        doc_.updateAllViews();
    }
    OnUpdateEntries();
}

void EditHistory::OnRedo() {
    followGeneration();
    if (history_.redo(doc_)) {
        doc_.updateAllViews();
    }
    OnUpdateEntries();
}

void EditHistory::OnUpdateEntries() {
    auto show = [this](Command command, const char* entry, const std::string& step,
                       const QString& keys) {
        QString text = QString::fromUtf8(entry);
        if (!step.empty()) {
            text += QStringLiteral(" - ") + QString::fromStdString(step);
        }
        commands_.action(command)->setText(text + keys);
        commands_.setEnabled(command, !step.empty());
    };
    show(Command::EditUndo, "元に戻す(&U)", history_.undoName(), undoShortcut_);
    show(Command::EditRedo, "やり直し(&Y)", history_.redoName(), redoShortcut_);
}

}  // namespace sorvak
