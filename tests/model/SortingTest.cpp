#include "model/Sorting.h"

#include <gtest/gtest.h>

#include <list>
#include <random>

#include "model/CSorvakDoc.h"
#include "support/QsoFactory.h"

namespace sorvak {
namespace {

using test::addCalls;
using test::callSigns;

const std::vector<std::string> kCalls = {"JR1AAA", "JA2AA",  "JA1ZZZ", "JE1AB",
                                         "JA1AB",  "7K1ABC", "JA0AA"};

std::vector<std::string> sortedCalls(const std::vector<std::string>& calls, unsigned flags) {
    CSorvakDoc doc;
    addCalls(doc, calls);
    sortQsoList(doc.mutableQsoList(), flags);
    return callSigns(doc);
}

TEST(CompareCallSigns, JaJeJfOrder) {
    EXPECT_EQ(sortedCalls(kCalls, SORT_CALLSIGN),
              (std::vector<std::string>{"JA1AB", "JA1ZZZ", "JE1AB", "JR1AAA", "7K1ABC", "JA2AA",
                                        "JA0AA"}));
}

TEST(CompareCallSigns, JaJhJrOrderPutsJrBeforeJe) {
    EXPECT_EQ(sortedCalls(kCalls, SORT_CALLSIGN | CMP_JA_JH_JR),
              (std::vector<std::string>{"JA1AB", "JA1ZZZ", "JR1AAA", "JE1AB", "7K1ABC", "JA2AA",
                                        "JA0AA"}));
    EXPECT_EQ(sortedCalls({"JR1AA", "JH1AA", "JE1AA", "JA1AA"}, SORT_CALLSIGN | CMP_JA_JH_JR),
              (std::vector<std::string>{"JA1AA", "JH1AA", "JR1AA", "JE1AA"}));
}

TEST(CompareCallSigns, AreaKeysOfOtherPrefixes) {
    // 8J after the J prefixes of its area, 7J after those, then 7K-style calls.
    EXPECT_EQ(sortedCalls({"7K1AA", "8J1AA", "7J1AA", "JR1AA", "JA2AA"}, SORT_CALLSIGN),
              (std::vector<std::string>{"JR1AA", "7K1AA", "7J1AA", "8J1AA", "JA2AA"}));
    EXPECT_LT(compareCallSigns("7K1ABC", "7N4ABC", SORT_CALLSIGN), 0);
    EXPECT_EQ(compareCallSigns("JA1ABC", "JA1ABC/2", SORT_CALLSIGN), 0);
    EXPECT_LT(compareCallSigns("JA1ZZ", "JA1AAA", SORT_CALLSIGN), 0);  // two letters first
    EXPECT_LT(compareCallSigns("JA1ZZ/3", "JA1AAA", SORT_CALLSIGN), 0);
}

TEST(CompareCallSigns, ShortCallsReadMissingCharactersAsZero) {
    EXPECT_EQ(compareCallSigns("", "", SORT_CALLSIGN), 0);
    EXPECT_NE(compareCallSigns("J", "JA1", SORT_CALLSIGN), 0);
    EXPECT_EQ(sortedCalls({"JA1", "", "J"}, SORT_CALLSIGN).size(), 3u);
}

TEST(CompareCallSigns, ByteOrder) {
    EXPECT_EQ(sortedCalls({"JA1ABC", "JA1AB"}, SORT_CALLSIGN | CMP_BYTES),
              (std::vector<std::string>{"JA1AB", "JA1ABC"}));
    EXPECT_EQ(sortedCalls({"JA1AB", "7K1ABC"}, SORT_CALLSIGN | CMP_BYTES),
              (std::vector<std::string>{"7K1ABC", "JA1AB"}));
    // Bytes 0x80 and up are signed: before every ASCII character.
    EXPECT_EQ(sortedCalls({"A", "\xB1", "0"}, SORT_CALLSIGN | CMP_BYTES),
              (std::vector<std::string>{"\xB1", "0", "A"}));
}

TEST(SortQsoList, DescendingKeysAndStability) {
    CSorvakDoc doc;
    addCalls(doc, {"P", "H", "none", "M", "H2", "L"});
    const int powers[] = {0, 3, -1, 2, 3, 1};
    const char* memos[] = {"", "ab", "abcd", "a", "", "abc"};
    for (size_t i = 0; i < doc.count(); ++i) {
        doc.at(i).setPower(powers[i]);
        doc.at(i).setMemo(memos[i]);
    }
    sortQsoList(doc.mutableQsoList(), SORT_POWER);
    EXPECT_EQ(callSigns(doc), (std::vector<std::string>{"H", "H2", "M", "L", "P", "none"}));
    sortQsoList(doc.mutableQsoList(), SORT_MEMO);
    EXPECT_EQ(callSigns(doc), (std::vector<std::string>{"none", "L", "H", "M", "H2", "P"}));
}

TEST(SortQsoList, CallSignThenTimeGivesTimeOrderWithTiesByCall) {
    CSorvakDoc doc;
    for (auto [call, minute] : std::vector<std::pair<std::string, int>>{
             {"JA1CC", 5}, {"JA1BB", 1}, {"JA1AA", 5}, {"JA1DD", 1}}) {
        doc.add(test::qso(call, minute));
    }
    sortQsoList(doc.mutableQsoList(), SORT_CALLSIGN | CMP_BYTES);
    sortQsoList(doc.mutableQsoList(), SORT_TIME);
    EXPECT_EQ(callSigns(doc), (std::vector<std::string>{"JA1BB", "JA1DD", "JA1AA", "JA1CC"}));
}

// The plain insertion sort on a linked list that the order must match.
bool belongsAfter(const QsoRecord& x, const QsoRecord& e, unsigned flags) {
    if (flags & SORT_CALLSIGN)
        return compareCallSigns(x.callSign(), e.callSign(), flags) > 0;
    if (flags & SORT_TIME)
        return x.time() > e.time();
    if (flags & SORT_BAND)
        return x.band() > e.band();
    if (flags & SORT_MODE)
        return x.mode() > e.mode();
    if (flags & SORT_POWER)
        return x.power() < e.power();
    if (flags & SORT_TXNUMBER)
        return x.txNumber() < e.txNumber();
    if (flags & SORT_POINTS)
        return x.points() < e.points();
    if (flags & SORT_OPERATOR)
        return compareCallSigns(x.operatorName(), e.operatorName(), CMP_BYTES) > 0;
    return x.memoLength() < e.memoLength();
}

std::vector<const QsoRecord*> referenceInsertionSort(const CSorvakDoc& doc, unsigned flags) {
    std::list<const QsoRecord*> list;
    for (const auto& q : doc.qsoList())
        list.push_back(q.get());
    for (auto it = std::next(list.begin()); it != list.end();) {
        const QsoRecord* e = *it;
        auto next = list.erase(it);
        auto pos = next;  // insert before pos
        while (pos != list.begin() && belongsAfter(**std::prev(pos), *e, flags))
            --pos;
        list.insert(pos, e);
        it = next;
    }
    return {list.begin(), list.end()};
}

TEST(SortQsoList, MatchesTheInsertionSortForEveryKey) {
    const unsigned keys[] = {SORT_TIME,     SORT_CALLSIGN | CMP_BYTES,
                             SORT_CALLSIGN, SORT_CALLSIGN | CMP_JA_JH_JR,
                             SORT_BAND,     SORT_MODE,
                             SORT_POWER,    SORT_TXNUMBER,
                             SORT_POINTS,   SORT_OPERATOR,
                             SORT_MEMO};
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        CSorvakDoc doc;
        for (int i = 0; i < 400; ++i)
            doc.add(test::randomQso(random));
        for (unsigned key : keys) {
            auto expected = referenceInsertionSort(doc, key);
            sortQsoList(doc.mutableQsoList(), key);
            std::vector<const QsoRecord*> actual;
            for (const auto& q : doc.qsoList())
                actual.push_back(q.get());
            ASSERT_EQ(actual, expected) << "key " << key << " round " << round;
        }
    }
}

}  // namespace
}  // namespace sorvak
