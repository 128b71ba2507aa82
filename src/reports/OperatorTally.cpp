#include "reports/OperatorTally.h"

#include <algorithm>

#include "model/QsoRecord.h"
#include "model/Vocabulary.h"

namespace sorvak {

void OperatorTally::add(const QsoRecord& qso, int bandIndex) {
    const std::string& name = qso.operatorName();
    auto [it, added] = positions_.try_emplace(name, operators_.size());
    if (added) {
        operators_.push_back(OperatorCounts{.opName = name});
        nameWidth_ = std::max(nameWidth_, name.size());
    }
    OperatorCounts& counts = operators_[it->second];
    bool cw = modeTextOf(qso.mode()) == "CW";
    bool multi = qso.newMulti() != 0 || qso.newMulti2() != 0;
    auto count = [&](int b) {
        counts.opCount[b] += 1;
        counts.opCwCount[b] += cw;
        counts.opMultis[b] += multi;
        counts.opCwMultis[b] += multi && cw;
    };
    count(0);
    if (bandIndex >= 1 && bandIndex <= 16) {
        count(bandIndex);
    }
}

std::string_view printedOperatorName(const OperatorCounts& counts) {
    return counts.opName.empty() ? std::string_view("Op?") : std::string_view(counts.opName);
}

}  // namespace sorvak
