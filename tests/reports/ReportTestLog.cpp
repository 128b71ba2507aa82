#include "reports/ReportTestLog.h"

#include "platform/Cp932.h"
#include "support/TempDir.h"

namespace sorvak::test {

std::unique_ptr<QsoRecord> qsoAt(int day, int hhmm, const std::string& band,
                                 const std::string& mode, const std::string& callSign) {
    return std::make_unique<QsoRecord>(QsoParts{.year = 2026,
                                                .month = 11,
                                                .day = day,
                                                .hhmm = hhmm,
                                                .callSign = callSign,
                                                .bandText = band,
                                                .modeText = mode,
                                                .powerLetter = 'H',
                                                .points = 1});
}

void addQsos(CSorvakDoc& doc, int count, int hhmm, const std::string& band,
             const std::string& mode) {
    for (int i = 0; i < count; ++i) {
        doc.add(qsoAt(1, hhmm, band, mode));
    }
}

void addContest(CSorvakDoc& doc) {
    auto add = [&](int hhmm, const char* band, const char* mode, int points, int m1, int m2) {
        auto q = qsoAt(1, hhmm, band, mode);
        q->setPoints(points);
        q->setNewMulti(m1);
        q->setNewMulti2(m2);
        doc.add(std::move(q));
    };
    add(1200, "21", "SSB", 2, 1, 0);
    add(1000, "7", "CW", 1, 1, 0);
    add(1001, "7", "CW", 1, 0, 0);
    add(1002, "7", "SSB", 1, 1, 1);
    add(1230, "21", "CW", 2, 0, 0);
}

std::string textOfCrLfFile(const std::string& path) {
    std::string bytes = readFile(path);
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') {
                return "";
            }
            continue;
        }
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            return "";
        }
        text += bytes[i];
    }
    return text;
}

void AnalysisTest::selectOnly(unsigned reports) {
    ReportSettings s = doc.reportSettings();
    int* const fields[] = {&s.outQAF, &s.outQAA, &s.outQAG, &s.outQAM,
                           &s.outQAQ, &s.outQAD, &s.outQCN, &s.outQOP};
    for (unsigned bit = 0; bit < 8; ++bit) {
        *fields[bit] = static_cast<int>((reports >> bit) & 1U);
    }
    doc.setReportSettings(s);
}

std::string AnalysisTest::report(const std::string& extension) {
    return cp932ToUtf8(textOfCrLfFile(dir.file("contest" + extension)));
}

}  // namespace sorvak::test
