#pragma once

#include <memory>
#include <optional>

#include "formats/FileKind.h"
#include "formats/LogSource.h"
#include "formats/MergeIndex.h"
#include "model/CSorvakDoc.h"

namespace sorvak {

class Ui;

// What every reader is given: the document, the file at its first byte, the
// load mode and the Ui for its questions.
class LoadContext {
  public:
    LoadContext(CSorvakDoc& document, LogSource& file, LoadMode loadMode, Ui& userInterface)
        : doc(document), source(file), mode(loadMode), ui(userInterface) {}

    CSorvakDoc& doc;
    LogSource& source;
    const LoadMode mode;
    Ui& ui;

    // Adds a QSO at the tail; when merging, only if the list does not hold
    // the same QSO already (records added earlier in this load count too).
    void add(std::unique_ptr<QsoRecord> record);

  private:
    std::optional<MergeIndex> mergeIndex_;
};

}  // namespace sorvak
