// The names a condition gives the layers of a sample document.
#include <gtest/gtest.h>
#include <string>

#include "base/text.h"
#include "conditions/layer_names.h"
#include "tests/unit/conditions_test_helpers.h"

namespace {

struct NamesCase {
    const char* name;
    int32_t kind;
    const char* uses;  // Library to Note, '1' = on
    NamingMode binder, index, note;
    int32_t dateType, dateWeek;
    const char* date;   // "YYYY-MM-DD"
    const char* order;  // information items in list order (item digits)
    const char* checked;
    int style;
    const char* expected;  // the names of the layers that are on, joined
};

// Item i of the sample receives the detail "R<i>", of a sent FAX "U0", "U1".
SampleDocument Sample(const char* date) {
    SampleDocument d;
    std::sscanf(date, "%d-%d-%d", &d.year, &d.month, &d.day);
    d.hour = 9;
    d.minute = 5;
    d.button = "Invoices";
    for (int i = 0; i < kFaxItemCount; ++i) d.faxItems[i] = "R" + std::to_string(i);
    d.destination = "Head Office";
    d.sendItems[0] = "U0";
    d.sendItems[1] = "U1";
    d.communicationMode = "G3";
    return d;
}

TEST(LayerNames, Table) {
    const int S = kScanner, R = kFaxReceive, T = kFaxSend, F = kFixedName;
    const NamesCase cases[] = {
        // Typed names and the layers that are off.
        {"all typed", S, "11111", F, F, F, 0, 0, "2026-10-05", "", "", 0, "L > C > B > I > N"},
        {"off layers left out", S, "10101", F, F, F, 0, 0, "2026-10-05", "", "", 0, "L > B > N"},
        {"none on", S, "00000", 0, 1, 2, 0, 0, "2026-10-05", "", "", 0, ""},
        // Scanner choices: button, date, time (the time on the note only).
        {"scanner choices", S, "11111", 0, 1, 2, 0, 0, "2026-10-05", "", "", 0,
         "L > C > Invoices > 2026/10/05 > 09:05"},
        {"time row on the index", S, "00010", F, 2, F, 0, 0, "2026-10-05", "", "", 0, "I"},
        {"listed binder", S, "00100", 3, F, F, 0, 0, "2026-10-05", "", "", 0, "B"},
        // Year month day and year month across a month end and a year end.
        {"ymd month end", S, "00100", 1, F, F, 0, 0, "2026-10-31", "", "", 0, "2026/10/31"},
        {"ymd next month", S, "00100", 1, F, F, 0, 0, "2026-11-01", "", "", 0, "2026/11/01"},
        {"ymd year end", S, "00100", 1, F, F, 0, 0, "2026-12-31", "", "", 0, "2026/12/31"},
        {"ymd new year", S, "00100", 1, F, F, 0, 0, "2027-01-01", "", "", 0, "2027/01/01"},
        {"ym month end", S, "00100", 1, F, F, 1, 0, "2026-10-31", "", "", 0, "2026/10"},
        {"ym next month", S, "00100", 1, F, F, 1, 0, "2026-11-01", "", "", 0, "2026/11"},
        {"ym new year", S, "00100", 1, F, F, 1, 0, "2027-01-01", "", "", 0, "2027/01"},
        // Year month week: Saturday 31 October 2026 for each first weekday
        // (October begins on a Thursday), then the days after it.
        {"ymw sun", S, "00100", 1, F, F, 2, 0, "2026-10-31", "", "", 0, "2026/10 Week 5"},
        {"ymw mon", S, "00100", 1, F, F, 2, 1, "2026-10-31", "", "", 0, "2026/10 Week 5"},
        {"ymw tue", S, "00100", 1, F, F, 2, 2, "2026-10-31", "", "", 0, "2026/10 Week 5"},
        {"ymw wed", S, "00100", 1, F, F, 2, 3, "2026-10-31", "", "", 0, "2026/10 Week 5"},
        {"ymw thu", S, "00100", 1, F, F, 2, 4, "2026-10-31", "", "", 0, "2026/10 Week 5"},
        {"ymw fri", S, "00100", 1, F, F, 2, 5, "2026-10-31", "", "", 0, "2026/10 Week 6"},
        {"ymw sat", S, "00100", 1, F, F, 2, 6, "2026-10-31", "", "", 0, "2026/10 Week 6"},
        {"ymw first of month", S, "00100", 1, F, F, 2, 1, "2026-11-01", "", "", 0,
         "2026/11 Week 1"},
        {"ymw monday after", S, "00100", 1, F, F, 2, 1, "2026-11-02", "", "", 0, "2026/11 Week 2"},
        {"ymw year end", S, "00100", 1, F, F, 2, 0, "2026-12-31", "", "", 0, "2026/12 Week 5"},
        {"ymw new year", S, "00100", 1, F, F, 2, 0, "2027-01-01", "", "", 0, "2027/01 Week 1"},
        {"ymw first sunday", S, "00100", 1, F, F, 2, 0, "2027-01-03", "", "", 0, "2027/01 Week 2"},
        {"ymw first saturday", S, "00100", 1, F, F, 2, 6, "2027-01-02", "", "", 0,
         "2027/01 Week 2"},
        // FAX receive: button, information list, date, time.
        {"receive choices", R, "11111", 0, 2, 3, 1, 0, "2026-10-05", "012345", "0", 0,
         "L > C > Invoices > 2026/10 > 09:05"},
        {"receive list one item", R, "00100", 1, F, F, 0, 0, "2026-10-05", "012345", "0", 0, "R0"},
        {"receive list in list order", R, "00100", 1, F, F, 0, 0, "2026-10-05", "501234", "05", 0,
         "R5 R0"},
        {"receive list all", R, "00100", 1, F, F, 0, 0, "2026-10-05", "012345", "012345", 0,
         "R0 R1 R2 R3 R4 R5"},
        {"receive list style 1", R, "00100", 1, F, F, 0, 0, "2026-10-05", "012345", "012345", 1,
         "R0 R4 R5"},
        {"receive list style 1 order", R, "00100", 1, F, F, 0, 0, "2026-10-05", "540", "0123", 1,
         "R0"},
        {"receive list none", R, "01100", 1, F, F, 0, 0, "2026-10-05", "012345", "", 0, "C > "},
        {"receive time row on binder", R, "00100", 3, F, F, 0, 0, "2026-10-05", "", "", 0, "B"},
        // FAX send: button, date, destination, sender list, mode, time.
        {"send choices", T, "00111", 2, 3, 5, 0, 0, "2026-10-05", "01", "01", 0,
         "Head Office > U0 U1 > 09:05"},
        {"send mode and date", T, "00111", 4, 1, 0, 1, 0, "2026-10-05", "", "", 0,
         "G3 > 2026/10 > Invoices"},
        {"send list order", T, "00100", 3, F, F, 0, 0, "2026-10-05", "10", "01", 0, "U1 U0"},
        {"send list one item", T, "00100", 3, F, F, 0, 0, "2026-10-05", "10", "0", 1, "U0"},
    };
    for (const NamesCase& c : cases) {
        SortCondition r = condtest::ZeroRecord();
        r.kind = c.kind;
        int32_t* uses[kLayerCount] = {&r.libraryUse, &r.cabinetUse, &r.binderUse, &r.indexUse,
                                      &r.tagUse};
        for (int layer = 0; layer < kLayerCount; ++layer) *uses[layer] = c.uses[layer] == '1';
        CopyText(r.libraryText, sizeof r.libraryText, "L");
        CopyText(r.cabinetText, sizeof r.cabinetText, "C");
        CopyText(r.binderText, sizeof r.binderText, "B");
        CopyText(r.indexText, sizeof r.indexText, "I");
        CopyText(r.tagText, sizeof r.tagText, "N");
        r.binderMode = c.binder;
        r.indexMode = c.index;
        r.tagMode = c.note;
        r.dateType = c.dateType;
        r.dateWeek = c.dateWeek;
        for (int item = 0; item < kFaxItemCount; ++item) r.faxSeq[item] = -1;
        for (int position = 0; c.order[position] != '\0'; ++position) {
            r.faxSeq[c.order[position] - '0'] = position;
        }
        for (const char* item = c.checked; *item != '\0'; ++item) r.faxCheck[*item - '0'] = 1;

        std::string names[kLayerCount];
        ExpandLayerNames(r, Sample(c.date), c.style, names);
        EXPECT_EQ(c.expected, JoinLayerNames(r, names)) << c.name;
        for (int layer = 0; layer < kLayerCount; ++layer) {
            if (*uses[layer] == 0) {
                EXPECT_EQ("", names[layer]) << c.name << " layer " << layer;
            }
        }
    }
}

}  // namespace
