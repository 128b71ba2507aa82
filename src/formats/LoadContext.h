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
    // `earlier`, when given, is the log that `document` will be added to:
    // a merge then leaves out the QSOs it already holds.
    LoadContext(CSorvakDoc& document, LogSource& file, LoadMode loadMode, Ui& userInterface,
                const CSorvakDoc* earlier = nullptr)
        : doc(document), source(file), mode(loadMode), ui(userInterface), earlier_(earlier) {}

    CSorvakDoc& doc;
    LogSource& source;
    const LoadMode mode;
    Ui& ui;

    // Adds a QSO at the tail; when merging, only if the list does not hold
    // the same QSO already (records added earlier in this load count too).
    void add(std::unique_ptr<QsoRecord> record);
    // How many QSOs the reader handed over, those a merge left out included.
    size_t offered() const { return offered_; }

  private:
    const CSorvakDoc* earlier_;
    std::optional<MergeIndex> mergeIndex_;
    size_t offered_ = 0;
};

}  // namespace sorvak
