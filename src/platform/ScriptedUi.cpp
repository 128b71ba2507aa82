#include "platform/ScriptedUi.h"

namespace sorvak {

Answer ScriptedUi::ask(const Message& message) {
    events.push_back(Event{Kind::Message, message, {}});
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
    events.push_back(Event{Kind::OpenFile, {}, dialog});
    return nextPath();
}

std::optional<std::string> ScriptedUi::saveFileName(const FileDialog& dialog) {
    events.push_back(Event{Kind::SaveFile, {}, dialog});
    return nextPath();
}

bool ScriptedUi::runDialog(DialogForm& form) {
    events.push_back(Event{Kind::Dialog, {}, {}});
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
