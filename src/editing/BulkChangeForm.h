#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace sorvak {

class CSorvakDoc;
class QsoRecord;

// The fields of the bulk change dialog: for each changeable field a box that
// says whether it is changed and the value as typed (UTF-8), and the two
// conditions that limit the change to one band and/or one mode.
class BulkChangeForm : public DialogForm {
  public:
    enum class Field {
        Year,
        Month,
        Day,
        ShiftHours,
        ShiftMinutes,
        Srst,
        Sent,
        Rrst,
        Rcvd,
        Band,
        Mode,
        Power,
        TxNumber,
        Points,
        Operator,
        Memo,
        OnlyBand,
        OnlyMode,
    };
    struct Failure {
        Field field;
        std::string message;
    };

    bool changeDate = false;
    std::string year = "0";
    std::string month = "0";
    std::string day = "0";
    bool changeTime = false;
    std::string shiftHours = "0";
    std::string shiftMinutes = "0";
    bool changeSrst = false;
    std::string srst = "0";
    bool changeSent = false;
    std::string sent;
    bool changeRrst = false;
    std::string rrst = "0";
    bool changeRcvd = false;
    std::string rcvd;
    bool changeBand = false;
    std::string band;
    bool changeMode = false;
    std::string mode;
    bool changePower = false;
    std::string power;
    bool changeTxNumber = false;
    std::string txNumber = "0";
    bool changePoints = false;
    std::string points = "0";
    bool changeOperator = false;
    std::string operatorName;
    bool changeMemo = false;
    std::string memo;
    bool onlyBand = false;
    std::string onlyBandText;
    bool onlyMode = false;
    std::string onlyModeText;

    // The dialog as it opens over the QSO of the first selected row.
    static BulkChangeForm prefilledFrom(const QsoRecord& record);

    std::optional<Failure> check() const;

    // Changes the records at the rows (ascending) that meet the conditions.
    // A band, mode or power text outside its table is refused before any
    // record is changed: its message, or nothing when the rows were changed.
    std::optional<std::string> apply(CSorvakDoc& doc, const std::vector<size_t>& rows) const;

  private:
    bool meetsConditions(const QsoRecord& record) const;
    void change(QsoRecord& record) const;
};

}  // namespace sorvak
