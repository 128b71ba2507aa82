#pragma once

#include <ostream>

#include "platform/Ui.h"

namespace sorvak {

// The Ui of the command-line program: messages go to standard error one per
// line, and questions are answered yes or no as the command line says.
class CliUi : public Ui {
  public:
    explicit CliUi(std::ostream& err) : err_(err) {}

    void setAnswerYes(bool yes) { answerYes_ = yes; }

    Answer ask(const Message& message) override;
    std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
    bool runDialog(DialogForm&) override { return false; }
    void beginWait() override {}
    void endWait() override {}

  private:
    std::ostream& err_;
    bool answerYes_ = true;
};

}  // namespace sorvak
