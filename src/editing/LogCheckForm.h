#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Ui.h"
#include "reports/LogCheck.h"

namespace sorvak {

class CSorvakDoc;

// The settings of the log check while its dialog is open: the numbers and
// moments as typed, checked on OK.
class LogCheckForm : public DialogForm {
  public:
    enum class Field { Start, End, OffTime, MaxHours };
    struct Failure {
        Field field;
        std::string message;
    };

    // The dialog's texts.
    static constexpr const char* kTitle = "ログのチェック";
    static constexpr const char* kPeriodGroup = "コンテスト期間 (ログの時刻)";
    static constexpr const char* kStartLabel = "開始(&S):";
    static constexpr const char* kEndLabel = "終了(&E):";
    static constexpr const char* kMomentForm = "YYYY-MM-DD HH:MM";
    static constexpr const char* kOffTimeLabel = "最低休止時間(&O):";
    static constexpr const char* kMinutesUnit = "分";
    static constexpr const char* kBreakGroup = "休止の数え方";
    static constexpr const char* kGapLabel = "交信時刻の間隔で数える (09:27→10:27 が60分)(&G)";
    static constexpr const char* kEmptyMinutesLabel =
        "交信のない分で数える (13:59→15:00 が60分)(&M)";
    static constexpr const char* kMaxHoursLabel = "運用時間の上限(&H):";
    static constexpr const char* kHoursUnit = "時間 (0: 上限なし)";
    static constexpr const char* kDupeGroup = "DUPEの判定";
    static constexpr const char* kBandModeLabel = "同じバンド・同じモードで1回(&B)";
    static constexpr const char* kBandLabel = "同じバンドで1回(&N)";
    static constexpr const char* kContestLabel = "コンテスト中1回(&C)";
    static constexpr const char* kMasterCallsLabel = "マスターコールリストと照合する(&L)";

    static constexpr long long kLongestOffTime = 24 * 60;
    static constexpr long long kMostHours = 999;

    // "YYYY-MM-DD HH:MM" in the log's clock (a 'T' may stand for the blank);
    // empty leaves that side of the period open.
    std::string start;
    std::string end;
    std::string offTime = "60";
    BreakCounting breakCounting = BreakCounting::Gap;
    std::string maxHours = "0";
    DupeRule dupeRule = DupeRule::BandMode;
    bool useMasterCalls = true;

    // The dialog as it opens: the settings kept for the run; a side of the
    // period that was not kept comes from the log, the start at its first
    // QSO and the end a minute after its last.
    static LogCheckForm prefilledFrom(const CSorvakDoc& doc, const LogCheckSettings& kept);

    std::optional<Failure> check() const;
    // The settings, once check() passed, with the log's clock and the
    // computer's clock read in it.
    LogCheckSettings settings(const CSorvakDoc& doc, int32_t now) const;
};

}  // namespace sorvak
