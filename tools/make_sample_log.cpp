// Writes the bundled sample contest log: make-sample-log OUT.QGB
// A made-up 24-hour contest of about 300 QSOs, the same bytes on every run.
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"
#include "platform/Cp932.h"

namespace {

using sorvak::QsoParts;

class Dice {
  public:
    // mt19937's sequence is fixed by the standard; only its raw outputs are used.
    int below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }
    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    }

  private:
    std::mt19937 engine_{20261121u};
};

std::string letters(Dice& dice, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += static_cast<char>('A' + dice.below(26));
    }
    return s;
}

std::string japaneseCall(Dice& dice, int area) {
    static const std::vector<std::string> prefixes = {"JA", "JE", "JF", "JG", "JH", "JI",
                                                      "JJ", "JK", "JL", "JR", "7K"};
    std::string call =
        dice.pick(prefixes) + std::to_string(area) + letters(dice, 2 + dice.below(2));
    if (dice.below(12) == 0) {
        call += "/" + std::to_string((area + 1 + dice.below(9)) % 10);
    }
    return call;
}

// Prefecture-style numbers of each call area (area 0 ... 9).
const std::vector<std::vector<int>> kAreaNumbers = {{9, 15},
                                                    {10, 11, 12, 13, 14, 16, 17, 18},
                                                    {19, 20, 21, 22},
                                                    {23, 24, 25, 26, 27, 28},
                                                    {29, 30, 31, 32, 33},
                                                    {34, 35, 36, 37},
                                                    {38, 39, 40, 41, 42, 43, 44, 45, 46, 47},
                                                    {2, 3, 4, 5, 6, 7},
                                                    {1},
                                                    {8}};

const std::vector<std::string> kBands = {"3.5", "7", "14", "21", "28", "50"};
const std::vector<std::string> kOperators = {"JH1QQQ", "JR1WWW"};
const std::vector<std::string> kDxCalls = {"K1ZZ",  "W6ZZZ", "VK2ZZ",  "DL1ZZZ",
                                           "BV2ZZ", "HL1ZZ", "UA0ZZZ", "VE3ZZ"};
const std::vector<std::string> kMemos = {"QSB", "再確認", "ナンバー聞き直し", "移動局", "QRM強い"};

// The QSO at the minute after 2026-11-21 21:00 JST, and the number that is
// its multiplier ("DX" for a station abroad).
QsoParts sampleQso(Dice& dice, int minute, std::string& number) {
    int clock = 21 * 60 + minute;
    QsoParts q;
    q.year = 2026;
    q.month = 11;
    q.day = 21 + clock / (24 * 60);
    q.hhmm = clock % (24 * 60) / 60 * 100 + clock % 60;
    q.bandText = kBands[static_cast<size_t>((minute / 180 + dice.below(2)) % 6)];
    bool cw = dice.below(3) != 0;
    q.modeText = cw ? "CW" : "SSB";
    q.srst = cw ? 599 : 59;
    q.rrst = q.srst;
    q.sent = "10H";
    char power = "PLMH"[dice.below(4)];
    q.powerLetter = power;
    if (dice.below(25) == 0) {
        q.callSign = dice.pick(kDxCalls);
        number = "DX";
        q.rcvd = std::to_string(1 + dice.below(40));
    } else {
        int area = dice.below(10);
        q.callSign = japaneseCall(dice, area);
        int value = dice.pick(kAreaNumbers[static_cast<size_t>(area)]);
        number = (value < 10 ? "0" : "") + std::to_string(value);
        q.rcvd = number + power;
    }
    q.points = 1;
    q.txNumber = 0;
    q.operatorName = kOperators[static_cast<size_t>(clock / 360 % 2)];
    if (dice.below(15) == 0) {
        q.memo = sorvak::utf8ToCp932(dice.pick(kMemos));
    }
    return q;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-log OUT.QGB\n");
        return 2;
    }
    Dice dice;
    sorvak::CSorvakDoc doc;
    auto& info = doc.contest();
    info.stationCall = "JA1ZZZ";
    info.contestName = "SORVAK SAMPLE CONTEST 2026";
    info.coefficient = 1;

    std::set<std::pair<std::string, std::string>> multipliersWorked;  // (band, number)

    int minute = 0;  // from 2026-11-21 21:00 JST
    for (int n = 0; n < 300 && minute < 24 * 60; ++n) {
        minute += 1 + dice.below(8);
        if (minute >= 24 * 60) {
            break;
        }
        std::string number;
        QsoParts q = sampleQso(dice, minute, number);
        bool first = multipliersWorked.insert({q.bandText, number}).second;
        if (first) {
            q.multi = number;
        }
        auto record = std::make_unique<sorvak::QsoRecord>(q);
        if (!first) {
            record->setMulti(number);
            record->setNewMulti(0);
        }
        doc.add(std::move(record));
    }

    std::string bytes = sorvak::writeBinaryLog(doc);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "make-sample-log: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
