#include "formats/QsoClipboard.h"

#include <gtest/gtest.h>

#include "formats/BinaryLog.h"
#include "model/CSorvakDoc.h"
#include "support/QsoFactory.h"

namespace sorvak {
namespace {

CSorvakDoc threeQsos() {
    CSorvakDoc doc;
    test::addCalls(doc, {"JA1ABC", "JH1\x83\x41/1", "W1AW"});
    doc.at(0).setMemo("\x8E\xE8\x93\xFC\x97\xCD");  // 手入力
    doc.at(0).setMulti("13");
    doc.at(0).setNewMulti(1);
    doc.at(1).setTime(kNoTime);
    doc.at(1).setPoints(-1);
    doc.at(2).setBand(-1);
    doc.at(2).setSrst(599);
    return doc;
}

PastedQsos asPasted(const CSorvakDoc& doc) {
    PastedQsos qsos;
    for (const auto& q : doc.qsoList()) {
        qsos.push_back(std::make_unique<QsoRecord>(*q));
    }
    return qsos;
}

// The binary log of the QSOs, to compare them field for field.
std::string logOf(const PastedQsos& qsos) {
    CSorvakDoc doc;
    for (const auto& q : qsos) {
        doc.add(std::make_unique<QsoRecord>(*q));
    }
    return writeBinaryLog(doc);
}

TEST(QsoClipboard, TextHasTheListsColumnsAndReadsBackWhole) {
    CSorvakDoc doc = threeQsos();
    std::string text = clipboardText(doc, {0, 2});
    EXPECT_EQ(text,
              "1\t11/21\t0000\tJA1ABC\t\t\t\t\t13\t*\t\t\t7\tCW\tH\t0\t1\t\t手入力\n"
              "3\t11/21\t0002\tW1AW\t599\t\t\t\t\t\t\t\t\tCW\tH\t0\t1\t\t\n");
    size_t badLine = 0;
    auto pasted = qsosFromText(clipboardText(doc, {0, 1, 2}), 2026, badLine);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(logOf(*pasted), logOf(asPasted(doc)));
}

TEST(QsoClipboard, OwnTypeKeepsEveryFieldWhole) {
    CSorvakDoc doc = threeQsos();
    doc.at(2).setMemo(std::string(300, 'x'));  // longer than any file field
    auto pasted = qsosFromRecords(clipboardRecords(doc, {0, 1, 2}));
    ASSERT_TRUE(pasted);
    ASSERT_EQ(pasted->size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ((*pasted)[i]->values().memo, doc.at(i).memo());
        EXPECT_EQ((*pasted)[i]->values().callSign, doc.at(i).callSign());
    }
    EXPECT_EQ(logOf(*pasted), logOf(asPasted(doc)));
    EXPECT_FALSE(qsosFromRecords("JA1ABC\n"));
}

TEST(QsoClipboard, TextThatIsNotTheLayoutIsRefusedWithItsLine) {
    std::string good = clipboardText(threeQsos(), {0});
    size_t badLine = 0;
    EXPECT_FALSE(qsosFromText(good + "\nJA1ABC 599 13\n", 2026, badLine));
    EXPECT_EQ(badLine, 3u);
    for (std::string cell : {"13/40", "x/1"}) {
        std::string line = good;
        line.replace(line.find("11/21"), 5, cell);
        EXPECT_FALSE(qsosFromText(line, 2026, badLine)) << cell;
    }
    std::string badBand = good;
    badBand.replace(badBand.find("\t7\t"), 3, "\t6\t");
    EXPECT_FALSE(qsosFromText(badBand, 2026, badLine));
    EXPECT_FALSE(qsosFromText("\n\n", 2026, badLine));
    EXPECT_TRUE(qsosFromText(good + "\r\n", 2026, badLine));
}

}  // namespace
}  // namespace sorvak
