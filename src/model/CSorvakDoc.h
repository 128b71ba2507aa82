#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/CabrilloHeader.h"
#include "model/ContestInfo.h"
#include "model/JarlLogHeader.h"
#include "model/QsoRecord.h"
#include "model/ReportSettings.h"

namespace sorvak {

inline constexpr size_t kRecordSize = 256;
using RawRecord = std::array<uint8_t, kRecordSize>;

inline constexpr const char* kAppTitle = "SORVAK";

// The one document: the QSO list it owns, the contest header, the report,
// Cabrillo and JARL log settings, the raw binary header record and the
// read-only path.
class CSorvakDoc {
  public:
    CSorvakDoc();

    // The QSO list: row i is the i-th record.
    size_t count() const { return qsoList_.size(); }
    bool empty() const { return qsoList_.empty(); }
    QsoRecord& at(size_t row) { return *qsoList_[row]; }
    const QsoRecord& at(size_t row) const { return *qsoList_[row]; }
    const QsoList& qsoList() const { return qsoList_; }
    QsoList& mutableQsoList() { return qsoList_; }
    void add(std::unique_ptr<QsoRecord> record);
    // Inserts before the record at `row` (row == count() appends).
    void insertAt(size_t row, std::unique_ptr<QsoRecord> record);
    // Removes the records at the given rows, ascending and distinct, in one pass.
    void removeRows(const std::vector<size_t>& rows);
    // Inserts the records, in their order, before the record at `row` (row ==
    // count() appends), in one pass.
    void insertRecords(size_t row, QsoList records);

    // Deletes every record, resets the contest header and zeroes the raw header.
    void clear();
    // Grows whenever the log is cleared for another one: a log that was
    // opened or made new has a generation of its own.
    uint64_t generation() const { return generation_; }

    // 1 when no record equals `record` on time, call sign, band, mode, power,
    // points, operator and memo; 0 otherwise.
    int isUnique(const QsoRecord& record) const;

    ContestInfo& contest() { return contest_; }
    const ContestInfo& contest() const { return contest_; }

    ReportSettings reportSettings() const { return reportSettings_; }
    void setReportSettings(const ReportSettings& settings) { reportSettings_ = settings; }

    CabrilloHeader& cabrilloHeader() { return cabrilloHeader_; }
    const CabrilloHeader& cabrilloHeader() const { return cabrilloHeader_; }
    int cabrilloVersion() const { return cabrilloVersion_; }
    void setCabrilloVersion(int version) { cabrilloVersion_ = version; }

    JarlLogHeader& jarlLogHeader() { return jarlLogHeader_; }
    const JarlLogHeader& jarlLogHeader() const { return jarlLogHeader_; }

    RawRecord& rawHeader() { return rawHeader_; }
    const RawRecord& rawHeader() const { return rawHeader_; }

    const std::string& readOnlyPath() const { return readOnlyPath_; }
    void setReadOnlyPath(const std::string& path) { readOnlyPath_ = path; }

    // The full path of the file last loaded or saved under a new name, or "SORVAK".
    const std::string& title() const { return title_; }
    // `kind` is the format of that file, as the format table codes it (the
    // kind it was read as or written in); 0 when it is not known.
    void setTitle(const std::string& title, int kind = 0);
    int titleKind() const { return titleKind_; }

    bool isModified() const { return modified_; }
    void setModified(bool modified = true);

    // The view's refresh and the window's caption follow these.
    void setViewUpdater(std::function<void()> updater) { viewUpdater_ = std::move(updater); }
    void setStateListener(std::function<void()> listener) { stateListener_ = std::move(listener); }
    void updateAllViews();

  private:
    QsoList qsoList_;
    ContestInfo contest_;
    ReportSettings reportSettings_;
    CabrilloHeader cabrilloHeader_;
    int cabrilloVersion_ = 3;
    JarlLogHeader jarlLogHeader_;
    RawRecord rawHeader_{};
    std::string readOnlyPath_;
    std::string title_ = kAppTitle;
    int titleKind_ = 0;
    bool modified_ = false;
    uint64_t generation_ = 0;
    std::function<void()> viewUpdater_;
    std::function<void()> stateListener_;
};

// True when the two records are the same QSO for merging and new-QSO entry.
bool sameQso(const QsoRecord& a, const QsoRecord& b);

}  // namespace sorvak
