#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/CabrilloHeader.h"
#include "platform/Ui.h"

namespace sorvak {

class CSorvakDoc;

// The fields of the Cabrillo header dialog, kept apart from any window so the
// dialog is a view over them. Texts are UTF-8 as the user typed them; they
// are stored in the document as CP932.
class CabrilloHeaderForm : public DialogForm {
  public:
    enum class Field { Contest, CallSign, Category, Name, Address };
    struct Failure {
        Field field;
        std::string message;
    };

    int version = 3;  // 3 or 2
    std::string contest;
    std::string location;
    std::string callSign;
    std::string category;
    std::string catAssisted;
    std::string catBand;
    std::string catMode;
    std::string catOperator;
    std::string catPower;
    std::string catStation;
    std::string catTime;
    std::string catTransmitter;
    std::string catOverlay;
    std::string name;
    std::string address;

    // The longest text of the free-text fields and of CONTEST and CATEGORY.
    static constexpr int kMaxLength = 256;

    // The drop-down entries of the combos.
    static const std::vector<std::string>& contestList();
    static const std::vector<std::string>& categoryList();
    static const std::vector<std::string>& assistedList();
    static const std::vector<std::string>& bandList();
    static const std::vector<std::string>& modeList();
    static const std::vector<std::string>& operatorList();
    static const std::vector<std::string>& powerList();
    static const std::vector<std::string>& stationList();
    static const std::vector<std::string>& timeList();
    static const std::vector<std::string>& transmitterList();
    static const std::vector<std::string>& overlayList();

    // The dialog as it opens: every field empty but CONTEST and CALLSIGN,
    // which come from the contest data, and version 3.0.
    static CabrilloHeaderForm prefilledFrom(const CSorvakDoc& doc);

    // Which label names the location edit: "&LOCATION:" or "A&RRL-SECTION:".
    std::string locationLabel() const;
    // CATEGORY is enabled for 2.0; the nine category combos for 3.0.
    bool categoryEnabled() const { return version == 2; }
    bool categoryGroupEnabled() const { return version != 2; }

    // The first field that keeps the dialog open, with its message.
    std::optional<Failure> check() const;
    // Every field, enabled or not, as the document keeps it (CP932).
    CabrilloHeader header() const;
    // The version the file is written in: 2 or 3.
    int fileVersion() const { return version == 2 ? 2 : 3; }
    // Stores header() and the version into the document.
    void apply(CSorvakDoc& doc) const;
};

}  // namespace sorvak
