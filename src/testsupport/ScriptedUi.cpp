#include "testsupport/ScriptedUi.h"

namespace sorvak {

ScriptedUi::Event& ScriptedUi::record(Kind kind) {
    events.emplace_back();
    events.back().kind = kind;
    return events.back();
}

Answer ScriptedUi::ask(const Message& message) {
    record(Kind::Message).message = message;
    if (answers.empty()) {
        return message.defaultButton;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUi::nextPath() {
    if (paths.empty()) {
        return std::nullopt;
    }
    auto path = paths.front();
    paths.pop_front();
    return path;
}

std::optional<std::string> ScriptedUi::openFileName(const FileDialog& dialog) {
    record(Kind::OpenFile).dialog = dialog;
    return nextPath();
}

std::optional<std::string> ScriptedUi::saveFileName(const FileDialog& dialog) {
    record(Kind::SaveFile).dialog = dialog;
    return nextPath();
}

bool ScriptedUi::runDialog(DialogForm& form) {
    record(Kind::Dialog);
    return dialogHandler ? dialogHandler(form) : false;
}

void ScriptedUi::beginWait() {
    ++waitDepth;
    ++waitCount;
}

void ScriptedUi::endWait() {
    --waitDepth;
}

std::vector<std::string> ScriptedUi::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& event : events) {
        if (event.kind == Kind::Message) {
            texts.push_back(event.message.text);
        }
    }
    return texts;
}

}  // namespace sorvak
