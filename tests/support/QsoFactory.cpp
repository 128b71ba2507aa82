#include "support/QsoFactory.h"

namespace sorvak::test {

std::unique_ptr<QsoRecord> qso(const std::string& callSign, int minute) {
    auto q = std::make_unique<QsoRecord>(
        QsoParts{.bandText = "7", .modeText = "CW", .powerLetter = 'H', .points = 1});
    // Minutes past the day run into the next days.
    q->setTime(makeClockTime(ClockParts{2026, 11, 21, 0, minute, 0}));
    q->setCallSign(callSign);
    return q;
}

void addCalls(CSorvakDoc& doc, const std::vector<std::string>& calls) {
    int minute = 0;
    for (const auto& call : calls) {
        doc.add(qso(call, minute++));
    }
}

std::vector<std::string> callSigns(const CSorvakDoc& doc) {
    std::vector<std::string> calls;
    for (const auto& q : doc.qsoList()) {
        calls.push_back(q->callSign());
    }
    return calls;
}

namespace {

int below(std::mt19937& random, int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
}

std::string letters(std::mt19937& random, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += static_cast<char>('A' + below(random, 26));
    }
    return s;
}

std::string randomCall(std::mt19937& random) {
    static const char* const prefixes[] = {"JA", "JE", "JF", "JH", "JR",
                                           "JK", "7K", "7N", "8J", "7J"};
    static const char* const dx[] = {"W1AW", "K3Z", "DL1ABC", "VK2", "\xB1\xB2", "A"};
    if (below(random, 10) == 0) {
        return dx[below(random, 6)];
    }
    std::string call = prefixes[below(random, 10)] + std::to_string(below(random, 10)) +
                       letters(random, 1 + below(random, 3));
    if (below(random, 8) == 0) {
        call += "/" + std::to_string(below(random, 10));
    }
    return call;
}

}  // namespace

std::unique_ptr<QsoRecord> randomQso(std::mt19937& random) {
    QsoValues v;
    v.time = 1700000000 + below(random, 50) * 60;
    v.callSign = randomCall(random);
    v.band = below(random, 18) - 1;
    v.mode = below(random, 7) - 1;
    v.power = below(random, 5) - 1;
    v.points = below(random, 4) - 1;
    v.txNumber = below(random, 3);
    v.operatorName = below(random, 3) == 0 ? "" : randomCall(random);
    v.memo = std::string(static_cast<size_t>(below(random, 4)), 'm');
    v.rcvd = std::to_string(below(random, 1000));
    return std::make_unique<QsoRecord>(std::move(v));
}

}  // namespace sorvak::test
