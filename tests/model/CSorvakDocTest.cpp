#include "model/CSorvakDoc.h"

#include <gtest/gtest.h>

#include "support/QsoFactory.h"

namespace sorvak {
namespace {

TEST(CSorvakDoc, IsUniqueComparesEightFieldsOnly) {
    CSorvakDoc doc;
    auto first = test::qso("JA1ABC", 10);
    first->setRcvd("13M");
    first->setTxNumber(0);
    doc.add(std::move(first));

    auto second = test::qso("JA1ABC", 10);
    second->setRcvd("14H");
    second->setTxNumber(1);
    second->setSrst(59);
    second->setMulti("14");
    EXPECT_EQ(doc.isUnique(*second), 0);

    for (auto change : std::vector<void (*)(QsoRecord&)>{
             [](QsoRecord& q) { q.setCallSign("ja1abc"); },
             [](QsoRecord& q) { q.setTime(q.time() + 1); },
             [](QsoRecord& q) { q.setBand(3); },
             [](QsoRecord& q) { q.setMode(1); },
             [](QsoRecord& q) { q.setPower(2); },
             [](QsoRecord& q) { q.setPoints(5); },
             [](QsoRecord& q) { q.setOperatorName("X"); },
             [](QsoRecord& q) { q.setMemo("x"); },
         }) {
        QsoRecord other = *second;
        change(other);
        EXPECT_EQ(doc.isUnique(other), 1);
    }
}

TEST(CSorvakDoc, ClearResetsTheHeaderButKeepsTheSettings) {
    CSorvakDoc doc;
    doc.add(test::qso("JA1ABC"));
    doc.contest() = ContestInfo{2.5, 1, 3, "JA1ZZZ", "TEST"};
    doc.rawHeader()[17] = 9;
    ReportSettings settings = doc.reportSettings();
    settings.stationsPerLine = 5;
    doc.setReportSettings(settings);
    doc.cabrilloHeader().name = "NAME";
    doc.setCabrilloVersion(2);
    doc.setReadOnlyPath("/x");
    doc.setTitle("/x/log.qgb");
    doc.setModified(true);

    doc.clear();
    EXPECT_EQ(doc.count(), 0u);
    EXPECT_EQ(doc.contest().version, 1.0);
    EXPECT_EQ(doc.contest().utcFlag, 0);
    EXPECT_EQ(doc.contest().coefficient, 0);
    EXPECT_EQ(doc.contest().stationCall, "");
    EXPECT_EQ(doc.rawHeader(), RawRecord{});
    EXPECT_EQ(doc.reportSettings().stationsPerLine, 5);
    EXPECT_EQ(doc.cabrilloHeader().name, "NAME");
    EXPECT_EQ(doc.cabrilloVersion(), 2);
    EXPECT_EQ(doc.readOnlyPath(), "/x");
    EXPECT_EQ(doc.title(), "/x/log.qgb");
    EXPECT_TRUE(doc.isModified());
}

TEST(CSorvakDoc, InitialSettings) {
    CSorvakDoc doc;
    EXPECT_EQ(doc.title(), "SORVAK");
    EXPECT_EQ(doc.cabrilloVersion(), 3);
    EXPECT_EQ(doc.cabrilloHeader().location, "DX");
    EXPECT_EQ(doc.cabrilloHeader().contest, "");
    ReportSettings s = doc.reportSettings();
    EXPECT_EQ(s.stationsPerLine, 8);
    EXPECT_EQ(s.charsPerStation, 8);
    EXPECT_EQ(s.outQAF + s.outQAA + s.outQAG + s.outQAM + s.outQAQ + s.outQAD + s.outQCN + s.outQOP,
              2);
    EXPECT_EQ(s.cumulative, 1);
    EXPECT_EQ(s.doubleScore, 0);
}

TEST(CSorvakDoc, RemovesAndInsertsRows) {
    CSorvakDoc doc;
    test::addCalls(doc, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    doc.removeRows({2, 5, 9});
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"A", "B", "D", "E", "G", "H", "I"}));
    doc.insertAt(0, test::qso("first"));
    doc.insertAt(doc.count(), test::qso("last"));
    doc.insertAt(100, test::qso("past the end"));
    EXPECT_EQ(test::callSigns(doc), (std::vector<std::string>{"first", "A", "B", "D", "E", "G", "H",
                                                              "I", "last", "past the end"}));
}

TEST(CSorvakDoc, ListenersFollowTitleModifiedAndUpdates) {
    CSorvakDoc doc;
    int states = 0;
    int updates = 0;
    doc.setStateListener([&] { ++states; });
    doc.setViewUpdater([&] { ++updates; });
    doc.setTitle("x");
    doc.setModified(true);
    doc.updateAllViews();
    EXPECT_EQ(states, 2);
    EXPECT_EQ(updates, 1);
}

}  // namespace
}  // namespace sorvak
