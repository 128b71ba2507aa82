#include "CliUi.h"

namespace sorvak {

Answer CliUi::ask(const Message& message) {
    std::string line = message.text;
    for (char& c : line) {
        if (c == '\n') {
            c = ' ';
        }
    }
    err_ << line << '\n';
    switch (message.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return answerYes_ ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return answerYes_ ? Answer::Yes : Answer::No;
    }
    return Answer::Cancel;
}

}  // namespace sorvak
