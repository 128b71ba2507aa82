#pragma once

#include <optional>
#include <string>
#include <utility>

#include "model/ReportSettings.h"
#include "platform/Ui.h"

namespace sorvak {

// The analysis settings dialog: a check box per report and option and the
// multiplier data file, over a copy of the document's settings.
class AnalysisForm : public DialogForm {
  public:
    enum class Field { MultiDataFile };
    struct Failure {
        Field field;
        std::string message;
    };

    // The longest multiplier data file path, in characters.
    static constexpr int kMaxPathLength = 256;

    explicit AnalysisForm(ReportSettings initial) : settings(std::move(initial)) {}

    ReportSettings settings;

    // The file dialog of "参照(&R)"; it starts in the program's folder.
    static FileDialog multiDataFileDialog();

    std::optional<Failure> check() const;
};

}  // namespace sorvak
