#include "QtUi.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "FileFilters.h"
#include "ProgramDialogs.h"
#include "model/CSorvakDoc.h"

namespace sorvak {
namespace {

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton buttonOf(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::Ok;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            return Answer::Cancel;
    }
}

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
    }
    return QMessageBox::Warning;
}

}  // namespace

void QtUi::describe(QFileDialog& box, const FileDialog& dialog) const {
    box.setWindowTitle(QString::fromStdString(dialog.title));
    box.setOption(QFileDialog::HideNameFilterDetails);
    box.setNameFilters(qtNameFilters(dialog.filter));
    QString folder =
        dialog.startFolder.empty() ? lastFolder_ : QString::fromStdString(dialog.startFolder);
    if (!folder.isEmpty()) {
        box.setDirectory(folder);
    }
}

std::optional<std::string> QtUi::chosenFile(QFileDialog& box) {
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    QString file = box.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(file).absolutePath();
    return file.toStdString();
}

Answer QtUi::ask(const Message& message) {
    QMessageBox box(iconOf(message.icon), QString::fromLatin1(kAppTitle),
                    QString::fromStdString(message.text), buttonsOf(message.buttons), parent_);
    box.setDefaultButton(buttonOf(message.defaultButton));
    return answerOf(box.exec());
}

std::optional<std::string> QtUi::openFileName(const FileDialog& dialog) {
    QFileDialog box(parent_);
    describe(box, dialog);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(box);
}

std::optional<std::string> QtUi::saveFileName(const FileDialog& dialog) {
    QFileDialog box(parent_);
    describe(box, dialog);
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setDefaultSuffix(QString::fromStdString(dialog.defaultExtension));
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.confirmOverwrite);
    box.selectFile(QString::fromStdString(dialog.proposedName));
    return chosenFile(box);
}

bool QtUi::runDialog(DialogForm& form) {
    return runProgramDialog(form, *this, parent_, settings_);
}

void QtUi::beginWait() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The long walk that follows keeps the event loop waiting: first let the
    // window repaint where a box just answered was, and show the cursor.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::endWait() {
    QApplication::restoreOverrideCursor();
}

}  // namespace sorvak
