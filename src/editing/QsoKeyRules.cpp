#include "editing/QsoKeyRules.h"

#include <algorithm>

#include "editing/FieldChecks.h"

namespace sorvak {
namespace {

using Field = QsoEditForm::Field;

bool isCw(const QsoEditForm& form) {
    return form.mode == "CW";
}

bool stepRstField(std::string& field, QsoKey key, bool cw) {
    auto value = parseUnsigned(field);
    if (!value) {
        return false;
    }
    field = std::to_string(stepRst(*value, key, cw));
    return true;
}

bool inEntryField(Field focus) {
    return focus == Field::CallSign || focus == Field::Rcvd;
}

bool inFreeText(Field focus) {
    return focus == Field::Operator || focus == Field::Memo;
}

QsoKeyResult OnSpace(QsoEditForm& form, Field focus) {
    QsoKeyResult result;
    switch (focus) {
        case Field::CallSign:
            result.swallowed = true;
            result.focus = Field::Rcvd;
            if (form.newMode && form.useCurrentTime) {
                form.takeCurrentTime();
                result.fieldsChanged = true;
            }
            return result;
        case Field::Rcvd:
            result.swallowed = true;
            result.focus = Field::CallSign;
            return result;
        case Field::Operator:
        case Field::Memo:
        case Field::NewMulti:
        case Field::NewMulti2:
            return result;
        default:
            result.swallowed = true;
            return result;
    }
}

// Ctrl with W, O, P or K in the call-sign or received-number field.
QsoKeyResult OnCtrlKey(QsoEditForm& form, QsoKey key, Field focus) {
    QsoKeyResult result{true, std::nullopt, true};
    switch (key) {
        case QsoKey::W:
            (focus == Field::CallSign ? form.callSign : form.rcvd).clear();
            return result;
        case QsoKey::O:
            result.fieldsChanged = nudgeMinute(form, -1);
            return result;
        case QsoKey::P:
            result.fieldsChanged = nudgeMinute(form, +1);
            return result;
        case QsoKey::K:
            form.callSign.clear();
            form.rcvd.clear();
            result.focus = Field::CallSign;
            return result;
        default:
            return QsoKeyResult{};
    }
}

// Shift (with Ctrl for the sent RST) and a letter outside the free texts.
QsoKeyResult OnShiftKey(QsoEditForm& form, QsoKey key, bool ctrl) {
    QsoKeyResult result{true, std::nullopt, true};
    switch (key) {
        case QsoKey::R:
        case QsoKey::T:
        case QsoKey::S:
            result.fieldsChanged = stepRstField(ctrl ? form.srst : form.rrst, key, isCw(form));
            return result;
        case QsoKey::P:
            if (ctrl) {
                return QsoKeyResult{};
            }
            form.power = nextEntry(QsoEditForm::powerList(), form.power);
            return result;
        case QsoKey::B:
            if (ctrl) {
                return QsoKeyResult{};
            }
            form.band = nextEntry(QsoEditForm::bandList(), form.band);
            OnBandChanged(form);
            return result;
        case QsoKey::M:
            if (ctrl) {
                return QsoKeyResult{};
            }
            form.mode = nextEntry(QsoEditForm::modeList(), form.mode);
            OnModeChanged(form);
            return result;
        default:
            return QsoKeyResult{};
    }
}

}  // namespace

long long stepRst(long long v, QsoKey key, bool cw) {
    switch (key) {
        case QsoKey::R:
            if (cw) {
                return v <= 499 ? v + 100 : v - 400;
            }
            return v <= 49 ? v + 10 : v - 40;
        case QsoKey::S:
            if (cw) {
                return v % 100 < 90 ? v + 10 : v - 80;
            }
            return v % 10 == 9 ? v - 8 : v + 1;
        case QsoKey::T:
            if (cw) {
                return v % 10 == 9 ? v - 8 : v + 1;
            }
            return v;
        default:
            return v;
    }
}

bool nudgeMinute(QsoEditForm& form, int delta) {
    auto hour = parseUnsigned(form.hour);
    auto minute = parseUnsigned(form.minute);
    if (!hour || !minute) {
        return false;
    }
    long long h = *hour;
    long long m = *minute + delta;
    if (m < 0) {
        m = 59;
        h = h == 0 ? h : h - 1;
    } else if (m > 59) {
        m = 0;
        h = h == 23 ? h : h + 1;
    }
    form.hour = std::to_string(h);
    form.minute = std::to_string(m);
    return true;
}

std::string nextEntry(const std::vector<std::string>& list, const std::string& current) {
    auto at = std::find(list.begin(), list.end(), current);
    if (at == list.end() || at + 1 == list.end()) {
        return list.front();
    }
    return *(at + 1);
}

void OnBandChanged(QsoEditForm& form) {
    if (form.band == "1.9" || form.band == "10") {
        form.mode = QsoEditForm::modeList().front();
        OnModeChanged(form);
    }
}

void OnModeChanged(QsoEditForm& form) {
    const char* rst = isCw(form) ? "599" : "59";
    form.srst = rst;
    form.rrst = rst;
}

QsoKeyResult applyQsoKey(QsoEditForm& form, QsoKeyStroke stroke, Field focus) {
    if (stroke.alt) {
        return QsoKeyResult{};
    }
    if (stroke.key == QsoKey::Space && !stroke.ctrl) {
        return OnSpace(form, focus);
    }
    if (stroke.key == QsoKey::Escape) {
        if (focus == Field::CallSign) {
            return QsoKeyResult{};
        }
        return QsoKeyResult{true, Field::CallSign, false};
    }
    if (stroke.ctrl && !stroke.shift && inEntryField(focus)) {
        return OnCtrlKey(form, stroke.key, focus);
    }
    if (stroke.shift && !inFreeText(focus)) {
        return OnShiftKey(form, stroke.key, stroke.ctrl);
    }
    return QsoKeyResult{};
}

}  // namespace sorvak
