// The converters between stored condition values and record fields.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "conditions/condition_format.h"
#include "conditions/tokens.h"
#include "tests/unit/conditions_test_helpers.h"

using condtest::kLS;

namespace {

// --- Simple values -----------------------------------------------------------

using ValueConverter = int (*)(int, int32_t*, char*, size_t);

struct ReadCase {
    const char* name;
    ValueConverter convert;
    const char* text;
    int32_t expected;
};

TEST(ConditionValues, ReadTable) {
    const ReadCase cases[] = {
        {"use @OFF", ConvertUseFlag, "@OFF", 0},
        {"use @off", ConvertUseFlag, "@off", 0},
        {"use @ON", ConvertUseFlag, "@ON", 1},
        {"use word", ConvertUseFlag, "maybe", 1},
        {"use @OFFX", ConvertUseFlag, "@OFFX", 1},
        {"front", ConvertPosition, "@FRONT", 0},
        {"front small", ConvertPosition, "@front", 0},
        {"back", ConvertPosition, "@BACK", 1},
        {"position word", ConvertPosition, "middle", 1},
        {"ymd", ConvertDateType, "@DATE-YMD", 0},
        {"ym", ConvertDateType, "@DATE-YM", 1},
        {"ym small", ConvertDateType, "@date-ym", 1},
        {"ymw", ConvertDateType, "@DATE-YMW", 2},
        {"weekday is no type", ConvertDateType, "@DATE-YMW-SUN", 0},
        {"type word", ConvertDateType, "@DATE", 0},
        {"sun", ConvertDateWeek, "@DATE-YMW-SUN", 0},
        {"mon", ConvertDateWeek, "@DATE-YMW-MON", 1},
        {"tue", ConvertDateWeek, "@DATE-YMW-TUE", 2},
        {"wed", ConvertDateWeek, "@DATE-YMW-WED", 3},
        {"thu small", ConvertDateWeek, "@date-ymw-thu", 4},
        {"sat", ConvertDateWeek, "@DATE-YMW-SAT", 6},
        {"week prefix only", ConvertDateWeek, "@DATE-YMW-SATX", 0},
        {"week word", ConvertDateWeek, "SAT", 0},
    };
    for (const ReadCase& c : cases) {
        int32_t value = 77;
        std::string text = c.text;
        EXPECT_EQ(1, c.convert(ToRecord, &value, &text[0], text.size() + 1)) << c.name;
        EXPECT_EQ(c.expected, value) << c.name;
        // An empty text changes nothing.
        char empty[1] = "";
        EXPECT_EQ(0, c.convert(ToRecord, &value, empty, sizeof empty)) << c.name;
        EXPECT_EQ(c.expected, value) << c.name;
    }
}

// --- Layer names ---------------------------------------------------------------

enum LayerId { kBinderLayer, kIndexLayer, kTagLayer };

int ConvertLayer(int direction, SortCondition* r, LayerId layer) {
    switch (layer) {
        case kBinderLayer:
            return ConvertBinderName(direction, r);
        case kIndexLayer:
            return ConvertIndexName(direction, r);
        default:
            return ConvertTagName(direction, r);
    }
}

char* LayerText(SortCondition* r, LayerId layer) {
    return layer == kBinderLayer ? r->binderText : layer == kIndexLayer ? r->indexText : r->tagText;
}
NamingMode LayerMode(const SortCondition& r, LayerId layer) {
    return layer == kBinderLayer ? r.binderMode : layer == kIndexLayer ? r.indexMode : r.tagMode;
}

struct NameCase {
    int32_t kind;
    LayerId layer;
    std::string stored;
    NamingMode mode;
    const char* shown;  // null: the stored text stays
};

TEST(ConditionNames, ClassifyPerKindAndLayer) {
    const NameCase cases[] = {
        // Scanner
        {kScanner, kBinderLayer, "@BUTTON", 0, "B: Button Name"},
        {kScanner, kBinderLayer, "@button", 0, "B: Button Name"},
        {kScanner, kIndexLayer, "@DATE-YMW-TUE", 1, "D: Date"},
        {kScanner, kIndexLayer, "@DATE-anything", 1, "D: Date"},
        {kScanner, kBinderLayer, "@date-ymd", -1, nullptr},
        {kScanner, kBinderLayer, "My @DATE-YMD", -1, nullptr},
        {kScanner, kTagLayer, "@TIME-HM", 2, "T: Time"},
        {kScanner, kTagLayer, "@time-hm", 2, "T: Time"},
        {kScanner, kBinderLayer, "@TIME-HM", -1, nullptr},
        {kScanner, kIndexLayer, "@TIME-HM", -1, nullptr},
        {kScanner, kBinderLayer, "@FAX-TSI" + kLS, -1, nullptr},
        {kScanner, kBinderLayer, "@TX-DEST", -1, nullptr},
        {kScanner, kBinderLayer, "Invoices", -1, nullptr},
        // FaxReceive
        {kFaxReceive, kBinderLayer, "@BUTTON", 0, "B: Button Name"},
        {kFaxReceive, kBinderLayer, "@FAX-TSI" + kLS, 1, "F: FAX information"},
        {kFaxReceive, kIndexLayer, kLS, 1, "F: FAX information"},
        {kFaxReceive, kTagLayer, "free" + kLS + "text", 1, "F: FAX information"},
        {kFaxReceive, kBinderLayer, "@FAX-TSI,", -1, nullptr},
        {kFaxReceive, kIndexLayer, "@DATE-YM", 2, "D: Date"},
        {kFaxReceive, kTagLayer, "@TIME-HM", 3, "T: Time"},
        {kFaxReceive, kBinderLayer, "@TIME-HM", -1, nullptr},
        {kFaxReceive, kBinderLayer, "@TX-DEST", -1, nullptr},
        // FaxSend
        {kFaxSend, kBinderLayer, "@BUTTON", 0, "B: Button Name"},
        {kFaxSend, kBinderLayer, "@TX-USER" + kLS, 3, "P: Sender Information"},
        {kFaxSend, kIndexLayer, "@DATE-YMW-SAT", 1, "D: Date"},
        {kFaxSend, kTagLayer, "@TIME-HM", 5, "T: Time"},
        {kFaxSend, kIndexLayer, "@TIME-HM", -1, nullptr},
        {kFaxSend, kBinderLayer, "@TX-DEST", 2, "S: Destination Information"},
        {kFaxSend, kTagLayer, "@tx-dest", 2, "S: Destination Information"},
        {kFaxSend, kIndexLayer, "@TX-MODE", 4, "M: Communication Mode"},
        {kFaxSend, kBinderLayer, "x@DATE-y", -1, nullptr},
        // Any kind other than 0 and 1 is FaxSend.
        {7, kBinderLayer, "@TX-MODE", 4, "M: Communication Mode"},
        {-1, kBinderLayer, "@TX-USER" + kLS, 3, "P: Sender Information"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.layer) + " " + c.stored);
        SortCondition r = condtest::ZeroRecord();
        r.kind = c.kind;
        r.binderMode = r.indexMode = r.tagMode = 55;
        std::strcpy(LayerText(&r, c.layer), c.stored.c_str());
        EXPECT_EQ(1, ConvertLayer(ToRecord, &r, c.layer));
        EXPECT_EQ(c.mode, LayerMode(r, c.layer));
        EXPECT_STREQ(c.shown ? c.shown : c.stored.c_str(), LayerText(&r, c.layer));
    }
}

struct StoreCase {
    int32_t kind;
    LayerId layer;
    NamingMode mode;
    int32_t dateType;
    std::string expected;  // "=" : text unchanged
};

TEST(ConditionNames, StoreFromMode) {
    const std::string list = "@FAX-NAME" + kLS + "@FAX-TSI" + kLS;
    const StoreCase cases[] = {
        {kScanner, kBinderLayer, 0, 0, "@BUTTON"},
        {kScanner, kIndexLayer, 1, 1, "@DATE-YM"},
        {kScanner, kIndexLayer, 1, 2, "@DATE-YMW-WED"},
        {kScanner, kIndexLayer, 1, 5, "="},
        {kScanner, kTagLayer, 2, 0, "@TIME-HM"},
        {kScanner, kBinderLayer, 2, 0, "="},  // time is for sticky notes only
        {kScanner, kBinderLayer, -1, 0, "="},
        {kFaxReceive, kBinderLayer, 1, 0, list},
        {kFaxReceive, kIndexLayer, 2, 2, "@DATE-YMW-WED"},
        {kFaxReceive, kTagLayer, 3, 0, "@TIME-HM"},
        {kFaxReceive, kIndexLayer, 3, 0, "="},
        {kFaxReceive, kTagLayer, 4, 0, "="},
        {kFaxSend, kBinderLayer, 1, 1, "@DATE-YM"},
        {kFaxSend, kBinderLayer, 2, 0, "@TX-DEST"},
        {kFaxSend, kIndexLayer, 3, 0, list},
        {kFaxSend, kTagLayer, 4, 0, "@TX-MODE"},
        {kFaxSend, kTagLayer, 5, 0, "@TIME-HM"},
        {kFaxSend, kBinderLayer, 5, 0, "="},
        {kFaxSend, kBinderLayer, 6, 0, "="},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.layer) + " mode " +
                     std::to_string(c.mode));
        SortCondition r = condtest::ZeroRecord();
        r.kind = c.kind;
        r.binderMode = r.indexMode = r.tagMode = c.mode;
        r.dateType = c.dateType;
        std::strcpy(r.dateTypeText, c.dateType == 1 ? "@DATE-YM" : "@DATE-YMD");
        std::strcpy(r.dateWeekText, "@DATE-YMW-WED");
        std::strcpy(r.faxCheckText, list.c_str());
        std::strcpy(LayerText(&r, c.layer), "Typed Name");
        EXPECT_EQ(1, ConvertLayer(ToFile, &r, c.layer));
        EXPECT_STREQ(c.expected == "=" ? "Typed Name" : c.expected.c_str(), LayerText(&r, c.layer));
        // A second conversion of a record already in file form stores the same.
        const std::string once = LayerText(&r, c.layer);
        ConvertLayer(ToFile, &r, c.layer);
        EXPECT_EQ(once, LayerText(&r, c.layer));
    }
}

// --- Information lists ------------------------------------------------------------

std::string Join(const std::vector<std::string>& tokens) {
    std::string text;
    for (const std::string& t : tokens) text += t + kLS;
    return text;
}

struct OrderCase {
    const char* name;
    std::string style;  // VORDA_STYLE, "" = unset
    std::vector<std::string> tokens;
    std::vector<int32_t> positions;
};

TEST(ConditionFaxOrder, ReadTable) {
    const OrderCase cases[] = {
        {"one entry", "", {"@FAX-TSI"}, {0, 1, 2, 3, 4, 5}},
        {"port first",
         "",
         {"@FAX-PORT", "@FAX-TSI", "@FAX-DIALIN", "@FAX-NAME", "@FAX-NUMBER", "@FAX-FCODE"},
         {1, 2, 3, 4, 5, 0}},
        {"unknown token is the port", "", {"@FAX-XYZ", "@FAX-TSI"}, {1, 2, 3, 4, 5, 0}},
        {"small letters are unknown", "", {"@fax-tsi"}, {1, 2, 3, 4, 5, 0}},
        {"repeated token: later wins", "", {"@FAX-TSI", "@FAX-TSI"}, {1, 2, 3, 4, 5, 6}},
        {"beyond six entries ignored",
         "",
         {"@FAX-NAME", "@FAX-TSI", "@FAX-DIALIN", "@FAX-NUMBER", "@FAX-FCODE", "@FAX-PORT",
          "@FAX-NAME"},
         {1, 2, 0, 3, 4, 5}},
        {"style 0 explicit", "0", {"@FAX-FCODE"}, {1, 2, 3, 4, 0, 5}},
        {"style 1", "1", {"@FAX-TSI", "@FAX-FCODE", "@FAX-PORT"}, {0, 0, 0, 0, 1, 2}},
        {"style 1 reordered", "1", {"@FAX-PORT", "@FAX-TSI", "@FAX-FCODE"}, {1, 0, 0, 0, 2, 0}},
        {"style 1 hidden items are the port", "1", {"@FAX-DIALIN", "@FAX-TSI"}, {1, 0, 0, 0, 0, 0}},
        {"style 1 all entries count",
         "1",
         {"@FAX-TSI", "@FAX-DIALIN", "@FAX-NAME", "@FAX-NUMBER", "@FAX-FCODE", "@FAX-PORT",
          "@FAX-TSI"},
         {6, 0, 0, 0, 4, 5}},
        {"style 2 is ordinary", "2", {"@FAX-PORT"}, {1, 2, 3, 4, 5, 0}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::SetEnv("VORDA_STYLE", c.style.empty() ? nullptr : c.style.c_str());
        int32_t positions[6] = {9, 9, 9, 9, 9, 9};
        std::string text = Join(c.tokens);
        EXPECT_EQ(1, ConvertFaxOrder(ToRecord, positions, &text[0], text.size() + 1));
        EXPECT_EQ(c.positions, std::vector<int32_t>(positions, positions + 6));
    }
    testsupport::SetEnv("VORDA_STYLE", nullptr);
}

TEST(ConditionFaxSelection, ReadAndWrite) {
    int32_t selection[6] = {5, 5, 5, 5, 5, 5};
    std::string text = kLS;
    EXPECT_EQ(1, ConvertFaxSelection(ToRecord, selection, nullptr, &text[0], text.size() + 1));
    EXPECT_EQ((std::vector<int32_t>{0, 0, 0, 0, 0, 0}),
              std::vector<int32_t>(selection, selection + 6));

    text = Join({"@FAX-PORT", "@FAX-XYZ", "@fax-name", "@FAX-NUMBER", "@FAX-PORT"});
    ConvertFaxSelection(ToRecord, selection, nullptr, &text[0], text.size() + 1);
    EXPECT_EQ((std::vector<int32_t>{0, 0, 0, 1, 0, 1}),
              std::vector<int32_t>(selection, selection + 6));

    // Written in position order; only selection value 1 counts; a selected
    // item outside the positions is left out.
    const int32_t positions[6] = {2, 0, 1, 9, 3, 4};
    const int32_t chosen[6] = {1, 1, 2, 1, 0, 1};
    int32_t copy[6];
    std::copy(chosen, chosen + 6, copy);
    char out[kFaxListTextSize] = "";
    EXPECT_EQ(1, ConvertFaxSelection(ToFile, copy, positions, out, sizeof out));
    EXPECT_EQ(Join({"@FAX-DIALIN", "@FAX-TSI", "@FAX-PORT"}), out);

    const int32_t none[6] = {0, 0, 0, 0, 0, 0};
    std::copy(none, none + 6, copy);
    out[0] = '\0';
    ConvertFaxSelection(ToFile, copy, positions, out, sizeof out);
    EXPECT_EQ(kLS, out);

    char empty[1] = "";
    copy[0] = 7;
    EXPECT_EQ(0, ConvertFaxSelection(ToRecord, copy, positions, empty, sizeof empty));
    EXPECT_EQ(7, copy[0]);
}

}  // namespace
