#pragma once

#include <optional>
#include <string>

namespace sorvak {

// What the core asks of the outside world. Every message and question of the
// program goes through here; the implementations title every box "SORVAK".
// All texts are UTF-8.

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { Information, Exclamation, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::Exclamation;
    Answer defaultButton = Answer::Ok;
};

struct FileDialog {
    std::string title;
    // "label|pattern|label|pattern||": patterns are ';'-separated globs.
    std::string filter;
    std::string proposedName;
    std::string defaultExtension;  // without the dot; empty for none
    bool confirmOverwrite = false;
    std::string initialDirectory;  // empty: wherever the dialog likes
};

// Base of the forms behind the program's dialogs; the implementation of Ui
// knows which dialog shows which form.
class DialogForm {
  public:
    virtual ~DialogForm() = default;
};

class Ui {
  public:
    virtual ~Ui() = default;

    virtual Answer ask(const Message& message) = 0;
    virtual std::optional<std::string> openFileName(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialog& dialog) = 0;
    // Runs the modal dialog of the form; true when it was accepted.
    virtual bool runDialog(DialogForm& form) = 0;
    virtual void beginWait() = 0;
    virtual void endWait() = 0;

    // Conveniences for the usual boxes.
    void tell(const std::string& text, Icon icon = Icon::Exclamation);
    bool confirm(const std::string& text, Icon icon = Icon::Exclamation);  // OK/Cancel
};

// Shows the wait cursor for as long as it lives.
class WaitCursor {
  public:
    explicit WaitCursor(Ui& ui) : ui_(ui) { ui_.beginWait(); }
    ~WaitCursor() { ui_.endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    Ui& ui_;
};

}  // namespace sorvak
