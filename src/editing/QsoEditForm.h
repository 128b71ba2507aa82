#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ClockTime.h"
#include "platform/Ui.h"

namespace sorvak {

class QsoRecord;

// The fields of the QSO dialog, as the user sees and types them (UTF-8
// texts, numbers as typed), kept apart from any window so the dialog is a
// view over them and the fast-entry keys can work on them directly.
class QsoEditForm : public DialogForm {
  public:
    enum class Field {
        QsoNumber,
        CallSign,
        Srst,
        Sent,
        Rrst,
        Rcvd,
        Multi,
        NewMulti,
        Multi2,
        NewMulti2,
        Band,
        Mode,
        Power,
        TxNumber,
        Points,
        Operator,
        Memo,
        Year,
        Month,
        Day,
        Hour,
        Minute,
        Second,
        UseCurrentTime,
        Other,  // a button or anything else with the focus
    };
    struct Failure {
        Field field;
        std::string message;
    };

    std::string qsoNumber = "0";
    std::string callSign;
    std::string srst = "599";
    std::string sent;
    std::string rrst = "599";
    std::string rcvd;
    std::string multi;
    bool newMulti = false;
    std::string multi2;
    bool newMulti2 = false;
    std::string band = "1.9";
    std::string mode = "CW";
    std::string power = "P";
    std::string txNumber = "0";
    std::string points = "1";
    std::string operatorName;
    std::string memo;
    std::string year = "0";
    std::string month = "0";
    std::string day = "0";
    std::string hour = "0";
    std::string minute = "0";
    std::string second = "0";
    bool useCurrentTime = true;
    // New-QSO entry rather than the edit of a stored QSO.
    bool newMode = false;
    // Where the date and time of new-QSO entry come from.
    std::function<ClockParts()> clock;

    QsoEditForm();

    static const std::vector<std::string>& bandList();
    static const std::vector<std::string>& modeList();
    static const std::vector<std::string>& powerList();

    // The dialog filled from a stored QSO at the row.
    static QsoEditForm fromRecord(const QsoRecord& record, size_t row);

    std::string title() const { return newMode ? "新規QSO入力" : "QSO編集"; }
    // In new mode with the current time in use: the date and time from the
    // clock, seconds 0.
    void takeCurrentTime();

    std::optional<Failure> check() const;

    // Writes the fields into the stored QSO. A band, mode or power text
    // outside its table leaves the record's value as it was; the refusal
    // messages are returned, in the order band, mode, power.
    std::vector<std::string> writeTo(QsoRecord& record) const;

    // A new QSO from the fields, or the lines of the combined refusal.
    struct NewQso {
        std::unique_ptr<QsoRecord> record;
        std::string problems;
    };
    NewQso buildRecord() const;
};

}  // namespace sorvak
