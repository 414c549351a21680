// Where a condition files a document: the names of the five layers that a
// condition gives a sample document, as the application names them when it
// files one. No window is involved; the condition pages show the result on
// their example line and VordaCond's "where" prints it.
#pragma once
#include <cstdint>
#include <string>

#include "conditions/condition_rules.h"
#include "conditions/sort_condition.h"

// A document as it arrives: when, from which button, and the details that
// come with a received or a sent FAX.
struct SampleDocument {
    int year = 2026, month = 1, day = 1, hour = 0, minute = 0;
    std::string button;
    std::string faxItems[kFaxItemCount];    // receive details, in item order
    std::string destination;                // a sent FAX's destination
    std::string sendItems[kSendItemCount];  // user name, account name
    std::string communicationMode;
};

// document := now (local time), with the sample button name and FAX details
// of the string table.
void LoadSampleDocument(SampleDocument* document);

// Day of the week of a date of the Gregorian calendar: 0 Sunday .. 6 Saturday.
int DayOfWeek(int year, int month, int day);

// Week of the month of a date, weeks starting on firstWeekday (0 Sunday ..
// 6 Saturday): week 1 runs from the 1st to the day before the first
// firstWeekday after it, week 2 from there for seven days, and so on. A date
// always counts in its own month, so a week that spans a month end is the
// last week of one month and week 1 of the next.
int WeekOfMonth(int year, int month, int day, int firstWeekday);

// The date of document in the condition's date format: "2026/10/05" (year
// month day), "2026/10" (year month) or "2026/10 Week 2" (year month week).
std::string DateName(const SortCondition& record, const SampleDocument& document);

// names[layer] := the name record (in record form, its modes set) gives the
// layer for document, Library to Note; empty for a layer that is off.
// style is the language style: in style 1 a FAX information name is built
// from items 0, 4 and 5 only, the items the FAX receive page lists then.
void ExpandLayerNames(const SortCondition& record, const SampleDocument& document, int style,
                      std::string names[kLayerCount]);

// The names of the layers that are on, joined by " > ".
std::string JoinLayerNames(const SortCondition& record, const std::string names[kLayerCount]);
