#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace sorvak {

// A Ui that answers from queues and records everything it was asked, so a
// test can assert the exact texts in order without a display.
class ScriptedUi : public Ui {
  public:
    enum class Kind { Message, OpenFile, SaveFile, Dialog };
    struct Event {
        Kind kind = Kind::Message;
        Message message;    // Kind::Message
        FileDialog dialog;  // Kind::OpenFile, Kind::SaveFile
    };

    // Answers for the next questions; an unscripted question gets its default button.
    std::deque<Answer> answers;
    // Paths for the next file dialogs; an unscripted dialog is cancelled.
    std::deque<std::optional<std::string>> paths;
    // Runs a form's dialog; without one every dialog is cancelled.
    std::function<bool(DialogForm&)> dialogHandler;

    std::vector<Event> events;
    int waitDepth = 0;
    int waitCount = 0;

    Answer ask(const Message& message) override;
    std::optional<std::string> openFileName(const FileDialog& dialog) override;
    std::optional<std::string> saveFileName(const FileDialog& dialog) override;
    bool runDialog(DialogForm& form) override;
    void beginWait() override;
    void endWait() override;

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> messageTexts() const;

  private:
    Event& record(Kind kind);
    std::optional<std::string> nextPath();
};

}  // namespace sorvak
