#include "platform/Ui.h"

namespace sorvak {

void Ui::tell(const std::string& text, Icon icon) {
    ask(Message{text, Buttons::Ok, icon, Answer::Ok});
}

bool Ui::confirm(const std::string& text, Icon icon) {
    return ask(Message{text, Buttons::OkCancel, icon, Answer::Ok}) == Answer::Ok;
}

}  // namespace sorvak
