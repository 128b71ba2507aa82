#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/QsoRecord.h"

namespace sorvak {

// How a check list lays out its call signs: N per line, W characters each
// (a longer call pushes the next one right), portable areas shown or not.
struct CheckListLayout {
    int perLine;
    int width;
    bool showPortable;
};

// The duplicate check list of one band.
struct BandCheckList {
    // The call signs (CP932) of the band that have no last letter, in log
    // order; they are left out of the list.
    std::vector<std::string> invalidCalls;
    int stations = 0;
    // The list with "\n" line ends; empty when the band has no station.
    std::string text;
};

// The list of the QSOs on `band` (a band code): call signs grouped by their
// last letter, each group in time order.
BandCheckList bandCheckList(const QsoList& qsos, int band, const CheckListLayout& layout);

// What the list of a band adds to the log's name: ".1R9D.TXT" ... ".10GD.TXT".
std::string_view checkListSuffix(int band);

// The letter group of a call sign: 1 to 26 for the letter 'A' to 'Z' that
// ends the call proper (portable suffixes such as /1, /P or /MM and prefixes
// such as W1/ skipped), 0 for '@'. Any other value means the call has no
// such letter; so does an empty call sign.
int lastLetterGroup(std::string_view callSign);

}  // namespace sorvak
