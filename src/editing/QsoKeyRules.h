#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editing/QsoEditForm.h"

namespace sorvak {

// The fast-entry keys of the QSO dialog, by physical key, so that they act
// the same whatever the keyboard layout or input method.
enum class QsoKey { Space, Escape, W, O, P, K, R, T, S, B, M, Other };

struct QsoKeyStroke {
    QsoKey key = QsoKey::Other;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// What a key did: whether the dialog must not see it, where the focus goes,
// and whether the fields changed and must be shown again.
struct QsoKeyResult {
    bool swallowed = false;
    std::optional<QsoEditForm::Field> focus;
    bool fieldsChanged = false;
};

// Applies the key rules to the form with the focus on `focus`.
QsoKeyResult applyQsoKey(QsoEditForm& form, QsoKeyStroke stroke, QsoEditForm::Field focus);

// The RST after one step of the R, S or T key; CW RSTs have three digits,
// others two (T leaves a two-digit RST alone). Any number a field can hold
// steps without overflow.
long long stepRst(long long rst, QsoKey key, bool cw);

// One minute earlier or later; only the hour and minute move, never the date
// (00:00 goes to 00:59, 23:59 to 23:00). False when the fields are not numbers.
bool nudgeMinute(QsoEditForm& form, int delta);

// The entry after `current`: the first after the last or for a typed text.
std::string nextEntry(const std::vector<std::string>& list, const std::string& current);

// Bands 1.9 and 10 are CW only: they switch the mode to CW.
void OnBandChanged(QsoEditForm& form);
// Both RSTs follow the mode: 599 for CW, 59 otherwise.
void OnModeChanged(QsoEditForm& form);

}  // namespace sorvak
