#include "QtUi.h"

#include <QApplication>
#include <QFileDialog>
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

void describe(QFileDialog& box, const FileDialog& dialog) {
    box.setWindowTitle(QString::fromStdString(dialog.title));
    box.setOption(QFileDialog::HideNameFilterDetails);
    box.setNameFilters(qtNameFilters(dialog.filter));
    if (!dialog.initialDirectory.empty()) {
        box.setDirectory(QString::fromStdString(dialog.initialDirectory));
    }
}

std::optional<std::string> chosenFile(QFileDialog& box) {
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return box.selectedFiles().constFirst().toStdString();
}

}  // namespace

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
    return runProgramDialog(form, *this, parent_);
}

void QtUi::beginWait() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUi::endWait() {
    QApplication::restoreOverrideCursor();
}

}  // namespace sorvak
