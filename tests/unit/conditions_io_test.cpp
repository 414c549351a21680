// Reading and writing sort conditions on real files: whole files compared
// byte for byte, DIVSET.ini fallback and migration, hostile input.
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

#include "conditions/catalogue.h"
#include "conditions/condition_io.h"
#include "tests/unit/conditions_test_helpers.h"

using condtest::kLS;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

// The lines of an INI file as the platform's writer leaves them.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::string kFaxOrder = "@FAX-TSI" + kLS + "@FAX-DIALIN" + kLS + "@FAX-NAME" + kLS +
                              "@FAX-NUMBER" + kLS + "@FAX-FCODE" + kLS + "@FAX-PORT" + kLS;
const std::string kSendOrder = "@TX-USER" + kLS + "@TX-SECTION" + kLS;

class ConditionFiles : public condtest::AppFolderTest {
protected:
    SortCondition Read(const std::string& path, int32_t kind) {
        SortCondition r = condtest::ZeroRecord();
        EXPECT_EQ(1, ReadCondition(path.c_str(), kind, &r));
        return r;
    }
    SortCondition ReadTemplate(int32_t kind, int32_t number) {
        char path[MAX_PATH];
        MakeConditionPath(kind, number, dir.path().c_str(), path);
        WriteTemplateCondition(kind, path, number);
        return Read(path, kind);
    }
};

// --- Whole files ---------------------------------------------------------------

TEST_F(ConditionFiles, FaxReceiveTemplateOneWholeFile) {
    const std::string path = At("fFAX Receive Template Binder 1.INI");
    EXPECT_EQ(1, WriteTemplateCondition(kFaxReceive, path.c_str(), 1));
    EXPECT_EQ(Lines({"[FAX-RX]", "LIBRARY=\"Default Library\"", "CABINET=\"Received FAX Document\"",
                     "BINDER=\"@FAX-TSI" + kLS + "\"", "INDEX=\"@DATE-YMD\"", "TAG=\"@TIME-HM\"",
                     "POSITION=\"@FRONT\"", "DATETYPE=\"@DATE-YMD\"", "DATEWEEK=\"@DATE-YMW-SUN\"",
                     "FAX-SEQ=\"" + kFaxOrder + "\"", "FAX-CHECK=\"@FAX-TSI" + kLS + "\"",
                     "[FAX-RX_USE]", "LIBRARY=\"@ON\"", "CABINET=\"@ON\"", "BINDER=\"@ON\"",
                     "INDEX=\"@ON\"", "TAG=\"@ON\""}),
              ReadFileBytes(path));
}

TEST_F(ConditionFiles, FaxSendTemplateThreeWholeFile) {
    const std::string path = At("nThree.INI");
    WriteTemplateCondition(kFaxSend, path.c_str(), 7);  // any other number is template 3
    EXPECT_EQ(
        Lines({"[FAX-TX]", "LIBRARY=\"Default Library\"", "CABINET=\"Transmitted FAX Document\"",
               "BINDER=\"@DATE-YM\"", "INDEX=\"@TX-DEST\"", "TAG=\"@TIME-HM\"",
               "POSITION=\"@FRONT\"", "DATETYPE=\"@DATE-YM\"", "DATEWEEK=\"@DATE-YMW-SUN\"",
               "FAX-SEQ=\"" + kSendOrder + "\"", "FAX-CHECK=\"" + kSendOrder + "\"", "[FAX-TX_USE]",
               "LIBRARY=\"@ON\"", "CABINET=\"@ON\"", "BINDER=\"@ON\"", "INDEX=\"@OFF\"",
               "TAG=\"\""}),
        ReadFileBytes(path));
    // The empty TAG use reads as its default, "@ON".
    SortCondition r = Read(path, kFaxSend);
    EXPECT_EQ(1, r.tagUse);
    EXPECT_EQ(0, r.indexUse);
    EXPECT_EQ(1, r.binderMode);  // date
    EXPECT_EQ(1, r.dateType);
    EXPECT_EQ(2, r.indexMode);  // destination
    EXPECT_STREQ("S: Destination Information", r.indexText);
}

TEST_F(ConditionFiles, NewScannerConditionWholeFile) {
    // A condition with no file and no DIVSET.ini reads as the defaults.
    SortCondition r = Read(At("sNew.INI"), kScanner);
    EXPECT_EQ(1, WriteCondition(&r));
    EXPECT_EQ(Lines({"[SCANNER_USE]", "LIBRARY=\"@ON\"", "CABINET=\"@ON\"", "BINDER=\"@ON\"",
                     "INDEX=\"@ON\"", "TAG=\"@OFF\"", "[SCANNER]", "POSITION=\"@FRONT\"",
                     "DATETYPE=\"@DATE-YMD\"", "DATEWEEK=\"@DATE-YMW-SUN\"",
                     "LIBRARY=\"Default Library\"", "CABINET=\"Scanned Document\"",
                     "BINDER=\"@BUTTON\"", "INDEX=\"@DATE-YMD\"", "TAG=\"@TIME-HM\""}),
              ReadFileBytes(At("sNew.INI")));
}

TEST_F(ConditionFiles, FaxReceiveConditionWithListsWholeFile) {
    SortCondition r = ReadTemplate(kFaxReceive, 1);
    std::strcpy(r.path, At("fMine.INI").c_str());
    r.cabinetUse = 0;
    r.position = 1;
    const int32_t order[6] = {1, 2, 3, 4, 5, 0};  // port first
    const int32_t chosen[6] = {1, 0, 0, 0, 0, 1};
    std::copy(order, order + 6, r.faxSeq);
    std::copy(chosen, chosen + 6, r.faxCheck);
    r.binderMode = 1;  // FAX information
    r.indexMode = 2;   // date
    r.dateType = 2;
    r.dateWeek = 2;
    r.tagMode = -1;
    std::strcpy(r.tagText, "Note, 1");
    EXPECT_EQ(1, WriteCondition(&r));
    const std::string chosenList = "@FAX-PORT" + kLS + "@FAX-TSI" + kLS;
    EXPECT_EQ(Lines({"[FAX-RX_USE]", "LIBRARY=\"@ON\"", "CABINET=\"@OFF\"", "BINDER=\"@ON\"",
                     "INDEX=\"@ON\"", "TAG=\"@ON\"", "[FAX-RX]", "POSITION=\"@BACK\"",
                     "FAX-SEQ=\"@FAX-PORT" + kLS + "@FAX-TSI" + kLS + "@FAX-DIALIN" + kLS +
                         "@FAX-NAME" + kLS + "@FAX-NUMBER" + kLS + "@FAX-FCODE" + kLS + "\"",
                     "FAX-CHECK=\"" + chosenList + "\"", "DATETYPE=\"@DATE-YMW\"",
                     "DATEWEEK=\"@DATE-YMW-TUE\"", "LIBRARY=\"Default Library\"",
                     "CABINET=\"Received FAX Document\"", "BINDER=\"" + chosenList + "\"",
                     "INDEX=\"@DATE-YMW-TUE\"", "TAG=\"Note, 1\""}),
              ReadFileBytes(At("fMine.INI")));

    // And it reads back as written: the comma is text, the list a list.
    SortCondition back = Read(At("fMine.INI"), kFaxReceive);
    EXPECT_EQ(-1, back.tagMode);
    EXPECT_STREQ("Note, 1", back.tagText);
    EXPECT_EQ(1, back.binderMode);
    EXPECT_STREQ("F: FAX information", back.binderText);
    EXPECT_EQ(2, back.indexMode);
    EXPECT_EQ(2, back.dateType);
    EXPECT_EQ(2, back.dateWeek);
    EXPECT_EQ((std::vector<int32_t>{1, 0, 0, 0, 0, 1}),
              std::vector<int32_t>(back.faxCheck, back.faxCheck + 6));
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3, 4, 5, 0}),
              std::vector<int32_t>(back.faxSeq, back.faxSeq + 6));
}

TEST_F(ConditionFiles, NoItemSelectedStoresSeparatorAlone) {
    SortCondition r = ReadTemplate(kFaxReceive, 1);
    std::strcpy(r.path, At("fNone.INI").c_str());
    std::fill(r.faxCheck, r.faxCheck + 6, 0);
    r.binderMode = 1;
    WriteCondition(&r);
    const std::string file = ReadFileBytes(At("fNone.INI"));
    EXPECT_NE(std::string::npos, file.find("FAX-CHECK=\"" + kLS + "\"\r\n"));
    EXPECT_NE(std::string::npos, file.find("BINDER=\"" + kLS + "\"\r\n"));
    SortCondition back = Read(At("fNone.INI"), kFaxReceive);
    EXPECT_EQ(1, back.binderMode);  // still an information list, not an empty name
    EXPECT_EQ((std::vector<int32_t>(6, 0)), std::vector<int32_t>(back.faxCheck, back.faxCheck + 6));
}

TEST_F(ConditionFiles, DivsetWholeFileAfterWriteCurrentCondition) {
    const std::string divset = At("DIVSET.ini");
    SortCondition scan = Read(At("sMine.INI"), kScanner);
    WriteCondition(&scan);
    EXPECT_EQ(1, WriteCurrentCondition(divset.c_str(), &scan));
    const std::string scanPath = At("sMine.INI");
    const std::string scannerPart =
        Lines({"[SCANNER_USE]", "LIBRARY=\"@ON\"", "CABINET=\"@ON\"", "BINDER=\"@ON\"",
               "INDEX=\"@ON\"", "TAG=\"@OFF\"", "[SCANNER]", "POSITION=\"@FRONT\"",
               "LIBRARY=\"Default Library\"", "CABINET=\"Scanned Document\"", "BINDER=\"@BUTTON\"",
               "INDEX=\"@DATE-YMD\"", "TAG=\"@TIME-HM\""});
    EXPECT_EQ(Lines({"[CONFIG_INI]", "SCAN=\"" + scanPath + "\""}) + scannerPart,
              ReadFileBytes(divset));

    // A second kind: its key joins CONFIG_INI, its sections follow. The
    // record comes straight from a read (record form).
    SortCondition fax = ReadTemplate(kFaxReceive, 2);
    WriteCurrentCondition(divset.c_str(), &fax);
    const std::string faxPath = At("fFAX Receive Template Binder 2.INI");
    const std::string faxPart =
        Lines({"[FAX-RX_USE]", "LIBRARY=\"@ON\"", "CABINET=\"@ON\"", "BINDER=\"@ON\"",
               "INDEX=\"@ON\"", "TAG=\"@ON\"", "[FAX-RX]", "POSITION=\"@FRONT\"",
               "LIBRARY=\"Default Library\"", "CABINET=\"Received FAX Document\"",
               "BINDER=\"@DATE-YM\"", "INDEX=\"@FAX-TSI" + kLS + "\"", "TAG=\"@TIME-HM\""});
    EXPECT_EQ(Lines({"[CONFIG_INI]", "SCAN=\"" + scanPath + "\"", "FAX=\"" + faxPath + "\""}) +
                  scannerPart + faxPart,
              ReadFileBytes(divset));

    // Recording the scanner kind again replaces its values in place.
    scan.tagUse = 1;
    scan.position = 1;
    WriteCurrentCondition(divset.c_str(), &scan);
    std::string changed = scannerPart;
    changed.replace(changed.find("TAG=\"@OFF\""), 10, "TAG=\"@ON\"");
    changed.replace(changed.find("\"@FRONT\""), 8, "\"@BACK\"");
    EXPECT_EQ(Lines({"[CONFIG_INI]", "SCAN=\"" + scanPath + "\"", "FAX=\"" + faxPath + "\""}) +
                  changed + faxPart,
              ReadFileBytes(divset));
}

// --- Stability -----------------------------------------------------------------

// Every template, plain and with its naming choices and dates edited: read,
// written and read again gives the same record, and a record already in file
// form writes the same bytes again.
TEST_F(ConditionFiles, ReadWriteReadIsStable) {
    struct Edit {
        NamingMode binder, index, tag;
        int32_t dateType, dateWeek;
    };
    const Edit edits[3][2] = {
        {{-1, 1, 2, 2, 6}, {0, 1, -1, 1, 0}},  // scanner
        {{1, 2, 3, 2, 3}, {2, 1, 0, 0, 0}},    // FAX receive
        {{3, 2, 4, 2, 1}, {1, 3, 5, 1, 0}},    // FAX send
    };
    const std::string copy = At("copy.INI");
    for (int32_t kind : {kScanner, kFaxReceive, kFaxSend}) {
        for (int32_t number = 1; number <= 5; ++number) {
            SCOPED_TRACE(std::to_string(kind) + "/" + std::to_string(number));
            SortCondition first = ReadTemplate(kind, number <= 3 ? number : 1);
            std::strcpy(first.path, copy.c_str());
            if (number > 3) {
                const Edit& e = edits[kind][number - 4];
                first.binderMode = e.binder;
                first.indexMode = e.index;
                first.tagMode = e.tag;
                std::strcpy(first.binderText, "Fixed Binder");
                std::strcpy(first.indexText, "Fixed Index");
                std::strcpy(first.tagText, "Fixed Tag");
                first.dateType = e.dateType;
                first.dateWeek = e.dateWeek;
                first.faxSeq[0] = 1;
                first.faxSeq[1] = 0;
                first.faxCheck[0] = first.faxCheck[1] = 1;
                WriteCondition(&first);
                first = Read(copy, kind);
            }
            SortCondition written = first;
            WriteCondition(&written);
            const std::string bytes = ReadFileBytes(copy);
            condtest::ExpectSameRecord(first, Read(copy, kind));
            SortCondition again = written;
            WriteCondition(&again);
            condtest::ExpectSameRecord(written, again);
            EXPECT_EQ(bytes, ReadFileBytes(copy));
            DeleteFileA(copy.c_str());
        }
    }
}

// --- Defaults and hostile input ----------------------------------------------------

TEST_F(ConditionFiles, EmptyValueReadsAsDefault) {
    WriteFileBytes(At("sE.INI"), Lines({"[SCANNER]", "TAG=\"\"", "LIBRARY=", "POSITION=\"@BACK\"",
                                        "[SCANNER_USE]", "TAG=\"\"", "LIBRARY=\"@OFF\""}));
    SortCondition r = Read(At("sE.INI"), kScanner);
    EXPECT_STREQ("T: Time", r.tagText);
    EXPECT_EQ(2, r.tagMode);
    EXPECT_STREQ("Default Library", r.libraryText);
    EXPECT_EQ(0, r.tagUse);  // default "@OFF"
    EXPECT_EQ(0, r.libraryUse);
    EXPECT_EQ(1, r.position);
}

// Damaged and hostile files are the fuzzer's (tools/fuzz, ctest fuzz.readers):
// it checks every record field and guard byte after each read.

TEST_F(ConditionFiles, DbcsValueIsNotCutInsideACharacter) {
    SKIP_UNLESS_CP932();
    // 22 double-byte characters: 44 bytes for a 44-byte field (43 + NUL).
    std::string name;
    for (int i = 0; i < 22; ++i) name += "\x83\x5C";
    WriteFileBytes(At("sJ.INI"),
                   Lines({"[SCANNER]", "LIBRARY=\"" + name + "\"", "CABINET=\"\x83\x7C|\""}));
    SortCondition r = Read(At("sJ.INI"), kScanner);
    EXPECT_EQ(name.substr(0, 42), r.libraryText);
    EXPECT_STREQ("\x83\x7C|", r.cabinetText);
    // Written and read again, the name is unchanged.
    SortCondition copy = r;
    WriteCondition(&copy);
    SortCondition back = Read(At("sJ.INI"), kScanner);
    EXPECT_STREQ(r.libraryText, back.libraryText);
}

// --- DIVSET.ini fallback and migration ------------------------------------------------

TEST_F(ConditionFiles, MissingFileReadsDivsetCopy) {
    WriteFileBytes(At("DIVSET.ini"),
                   Lines({"[CONFIG_INI]", "SCAN=\"" + At("sGone.INI") + "\"", "[SCANNER_USE]",
                          "TAG=\"@ON\"", "[SCANNER]", "POSITION=\"@BACK\"", "LIBRARY=\"Lib\"",
                          "BINDER=\"@DATE-YMW-TUE\"", "INDEX=\"Fixed\"", "DATETYPE=\"@DATE-YM\""}));
    SortCondition r = Read(At("sGone.INI"), kScanner);
    EXPECT_EQ(At("sGone.INI"), r.path);
    EXPECT_STREQ("Lib", r.libraryText);
    EXPECT_EQ(1, r.tagUse);
    EXPECT_EQ(1, r.position);
    EXPECT_EQ(1, r.binderMode);
    EXPECT_STREQ("D: Date", r.binderText);
    EXPECT_EQ(-1, r.indexMode);
    // Migration: the date comes from the name, not from a DATETYPE key.
    EXPECT_EQ(2, r.dateType);
    EXPECT_EQ(2, r.dateWeek);
    EXPECT_STREQ("@DATE-YMW", r.dateTypeText);
    EXPECT_STREQ("@DATE-YMW-TUE", r.dateWeekText);

    // The next write recreates the condition's own file.
    WriteCondition(&r);
    const std::string file = ReadFileBytes(At("sGone.INI"));
    EXPECT_NE(std::string::npos, file.find("BINDER=\"@DATE-YMW-TUE\"\r\n"));
    EXPECT_NE(std::string::npos, file.find("DATETYPE=\"@DATE-YMW\"\r\n"));
}

TEST_F(ConditionFiles, DivsetDateMigrationTable) {
    struct Case {
        int32_t kind;
        std::string binder, index;
        int32_t dateType, dateWeek;
        const char* typeText;
    };
    const Case cases[] = {
        // (Scanner and FAX receive read the weekday default, Sunday, first.)
        {kScanner, "Fixed", "Fixed", 0, 0, "@DATE-YMD"},  // no date layer
        {kScanner, "@DATE-YM", "Fixed", 1, 0, "@DATE-YM"},
        {kScanner, "Fixed", "@DATE-YMW-FRI", 2, 5, "@DATE-YMW"},
        {kScanner, "@DATE-X@DATE-YMW", "Fixed", 0, 0, "@DATE-YMD"},  // "@DATE-YMW" further on
        {kScanner, "@DATE-YMD", "@DATE-YMW-MON", 0, 0,
         "@DATE-YMD"},  // the first date layer decides
        {kScanner, "@DATE-ABCDEFGHIJKLMNOPQRSTUVWXYZ", "Fixed", 0, 0, "@DATE-ABCDEFGHIJKLM"},
        {kFaxReceive, "@DATE-YMW-SAT", "Fixed", 2, 6, "@DATE-YMW"},
        {kFaxSend, "Fixed", "@DATE-YM", 1, 6, "@DATE-YM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.binder + " / " + c.index);
        const char* main = c.kind == kScanner      ? "[SCANNER]"
                           : c.kind == kFaxReceive ? "[FAX-RX]"
                                                   : "[FAX-TX]";
        WriteFileBytes(At("DIVSET.ini"),
                       Lines({main, "BINDER=\"" + c.binder + "\"", "INDEX=\"" + c.index + "\""}));
        SortCondition r = condtest::ZeroRecord();
        r.dateWeek = 6;
        ReadCondition(At("gone.INI").c_str(), c.kind, &r);
        EXPECT_EQ(c.dateType, r.dateType);
        EXPECT_EQ(c.dateWeek, r.dateWeek);
        EXPECT_STREQ(c.typeText, r.dateTypeText);
    }
}

TEST_F(ConditionFiles, DivsetInformationListMigration) {
    WriteFileBytes(At("DIVSET.ini"), Lines({"[FAX-RX]", "BINDER=\"@FAX-TSI" + kLS + "\"",
                                            "INDEX=\"@FAX-NAME" + kLS + "\""}));
    SortCondition r = Read(At("fGone.INI"), kFaxReceive);
    EXPECT_EQ((std::vector<int32_t>{1, 0, 0, 0, 0, 0}),
              std::vector<int32_t>(r.faxCheck, r.faxCheck + 6));
    EXPECT_EQ("@FAX-TSI" + kLS, r.faxCheckText);

    WriteFileBytes(At("DIVSET.ini"), Lines({"[FAX-RX]", "BINDER=\"Fixed\"",
                                            "TAG=\"@FAX-NAME" + kLS + "@FAX-PORT" + kLS + "\""}));
    r = Read(At("fGone.INI"), kFaxReceive);
    EXPECT_EQ((std::vector<int32_t>{0, 0, 1, 0, 0, 1}),
              std::vector<int32_t>(r.faxCheck, r.faxCheck + 6));

    WriteFileBytes(At("DIVSET.ini"),
                   Lines({"[FAX-TX]", "INDEX=\"@TX-SECTION" + kLS + "\"", "BINDER=\"@DATE-YM\""}));
    r = Read(At("nGone.INI"), kFaxSend);
    EXPECT_EQ(0, r.faxCheck[0]);
    EXPECT_EQ(1, r.faxCheck[1]);
    EXPECT_EQ(1, r.dateType);
}

TEST_F(ConditionFiles, NoFileAndNoDivsetGiveTemplateOne) {
    for (int32_t kind : {kScanner, kFaxReceive, kFaxSend}) {
        SCOPED_TRACE(kind);
        SortCondition fromNothing = Read(At("nothing.INI"), kind);
        SortCondition templateOne = ReadTemplate(kind, 1);
        std::strcpy(templateOne.path, fromNothing.path);
        if (kind == kFaxSend) {
            // FAX send reads no weekday default (text 4562 is empty); the
            // template file holds one.
            EXPECT_STREQ("", fromNothing.dateWeekText);
            std::strcpy(templateOne.dateWeekText, "");
        }
        if (kind == kFaxReceive) {
            // The information layer is read again from the (missing)
            // DIVSET.ini with an empty default; the selection keeps the
            // FAX-CHECK default.
            EXPECT_STREQ("", fromNothing.faxCheckText);
            std::strcpy(templateOne.faxCheckText, "");
        }
        condtest::ExpectSameRecord(templateOne, fromNothing);
    }
}

}  // namespace
