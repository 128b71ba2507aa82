#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace sorvak {

class CSorvakDoc;
class Ui;
struct CliAction;

// The log-editing options of the command line, each run through the same
// operation as the window's command. The band and mode conditions apply to
// the --bulk options that follow them.
class CliLogTools {
  public:
    explicit CliLogTools(std::ostream& err) : err_(err) {}

    // True when the action is one of these options.
    static bool handles(const CliAction& action);

    // Applies the option; the exit status when it was refused (1) or
    // malformed (2), with its message written; nothing when done.
    std::optional<int> apply(const CliAction& action, CSorvakDoc& doc, Ui& ui);

  private:
    std::optional<int> bulk(const std::string& assignment, CSorvakDoc& doc, Ui& ui);
    std::optional<int> contestData(const std::string& assignment, CSorvakDoc& doc);
    std::optional<int> numberToMulti(const std::string& count, bool digitsOnly, CSorvakDoc& doc);
    void deleteDupes(CSorvakDoc& doc, Ui& ui);
    std::optional<int> refuse(const std::string& message);
    std::optional<int> malformed(const std::string& message);

    std::ostream& err_;
    std::optional<std::string> onlyBand_;
    std::optional<std::string> onlyMode_;
};

}  // namespace sorvak
