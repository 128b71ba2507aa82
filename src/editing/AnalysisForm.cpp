#include "editing/AnalysisForm.h"

#include "platform/ProgramDirectory.h"

namespace sorvak {
namespace {

size_t characterCount(const std::string& utf8) {
    size_t n = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

}  // namespace

FileDialog AnalysisForm::multiDataFileDialog() {
    FileDialog dialog{"DATファイルのロード",
                      "Quog Multi Data Files (*.dat)|*.dat|All Files (*.*)|*.*||", "", "", false};
    dialog.startFolder = programDirectory();
    return dialog;
}

std::optional<AnalysisForm::Failure> AnalysisForm::check() const {
    if (characterCount(settings.multiDataFile) > static_cast<size_t>(kMaxPathLength)) {
        return Failure{Field::MultiDataFile,
                       std::to_string(kMaxPathLength) + " 文字以内で入力してください。"};
    }
    return std::nullopt;
}

}  // namespace sorvak
