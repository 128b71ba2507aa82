// The fast-entry keys of the QSO dialog: a filled dialog (one field a line,
// up to an empty line), then key strokes, two bytes each (the key and its
// modifiers, the field with the focus). A dialog that its check accepted
// stays accepted whatever keys are pressed.
#include "FormLines.h"
#include "FuzzSupport.h"
#include "editing/QsoKeyRules.h"

namespace {

using namespace sorvak;

constexpr int kKeyCount = static_cast<int>(QsoKey::Other) + 1;
constexpr int kFieldCount = static_cast<int>(QsoEditForm::Field::Other) + 1;

std::string fieldsOf(const QsoEditForm& form) {
    std::string text;
    for (const std::string* field : {&form.callSign, &form.srst, &form.sent, &form.rrst, &form.rcvd,
                                     &form.band, &form.mode, &form.power, &form.year, &form.month,
                                     &form.day, &form.hour, &form.minute, &form.second}) {
        text += *field + "|";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FormLines lines(fuzz::textOf(data, size));
    QsoEditForm form;
    form.clock = [] { return ClockParts{2026, 12, 9, 23, 59, 30}; };
    form.newMode = true;
    form.takeCurrentTime();
    for (std::string* field : {&form.callSign, &form.srst, &form.rrst, &form.rcvd, &form.band,
                               &form.mode, &form.power, &form.hour, &form.minute}) {
        std::string line = lines.next();
        if (line.empty()) {
            break;
        }
        *field = line;
    }
    form.useCurrentTime = lines.nextBox();
    std::string_view keys = lines.rest();
    bool accepted = !form.check();
    for (size_t i = 0; i + 1 < keys.size(); i += 2) {
        auto stroke = static_cast<unsigned char>(keys[i]);
        QsoKeyStroke key{static_cast<QsoKey>((stroke & 0x0F) % kKeyCount), (stroke & 0x10) != 0,
                         (stroke & 0x20) != 0, (stroke & 0x40) != 0};
        auto focus =
            static_cast<QsoEditForm::Field>(static_cast<unsigned char>(keys[i + 1]) % kFieldCount);
        std::string before = fieldsOf(form);
        QsoKeyResult result = applyQsoKey(form, key, focus);
        if (!result.fieldsChanged && fieldsOf(form) != before) {
            fuzz::propertyFailed("a key that changes fields says so", before, fieldsOf(form));
        }
        if (accepted) {
            if (auto failure = form.check()) {
                fuzz::propertyFailed("keys keep an accepted dialog accepted", before,
                                     fieldsOf(form) + " " + failure->message);
            }
        }
    }
    return 0;
}
