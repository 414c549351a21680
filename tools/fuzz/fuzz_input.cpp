#include "tools/fuzz/fuzz_input.h"

#include <cstdio>
#include <cstring>

#include "base/module_state.h"
#include "base/text.h"
#include "conditions/catalogue.h"
#include "conditions/condition_format.h"
#include "conditions/condition_io.h"
#include "libroot/library_tree.h"
#include "libroot/link_folders.h"
#include "pages/condition_helpers.h"
#include "resources/resource.h"
#include "siblings/vorda_cnv.h"
#include "siblings/vorda_common.h"
#include "tests/support/test_support.h"
#include "tools/fuzz/guarded.h"
#include "tools/fuzz/mutate.h"

namespace fuzz {

namespace {

using testsupport::MakeFolder;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

// The sample setup's INI files (host/sample/App), with a second LibRoot
// folder below the first; @ROOT@ stands for the input's folder.
const char kSettingsIni[] =
    "[Folder]\r\nLinkFolder1=@ROOT@\\LibRoot\r\nLinkName1=Office\r\n"
    "LinkFolder2=@ROOT@\\LibRoot\\Invoices#2\r\nLinkName2=\r\nLinkFolder3=\r\nLinkName3=\r\n"
    "CurrentFolder=@ROOT@\\LibRoot\r\nCurrentName=Office\r\n\r\n"
    "[MessageShow]\r\nMessageShow=0\r\n\r\n[Lumora]\r\nOutputStyle=0\r\nShowMsg=1\r\n";
const char kCommonIni[] =
    "[Common]\r\nWorkArea=@ROOT@\\WorkArea\r\nZOrderWordDesk=1\r\nZOrderView=0\r\n";
const char kChangeInfoIni[] =
    "[Folder]\r\nUsrNumber1=7\r\nUsrNumber2=12\r\nChangeFolderFlag1=0\r\n";

// One branch of the sample LibRoot tree (host/sample/LibRoot): a "folder.ini"
// at every level, folders relative to the LibRoot folder.
struct TreeFile {
    const char* folder;
    const char* bytes;
};
const TreeFile kTree[] = {
    {"", "[FolderInfo]\r\nNameList=Contracts#1,Invoices#2,Personal#3\r\n"},
    {"\\Invoices#2", "[FolderInfo]\r\nNameList=2025#1,2026#2\r\n"},
    {"\\Invoices#2\\2025#1",
     "[BinderInfo]\r\nNameList=B0001,B0002,B0003,B0004\r\nPosList=4,3,2,1\r\n"},
    {"\\Invoices#2\\2025#1\\B0001", "[Binder]\r\nTitle=Q4\r\nSubTitle=-2025\r\n"},
    {"\\Invoices#2\\2025#1\\B0002", "[Binder]\r\nTitle=Q3\r\nSubTitle=-2025\r\n"},
    {"\\Invoices#2\\2025#1\\B0003", "[Binder]\r\nTitle=Paper Mill\r\nSubTitle=\r\n"},
    {"\\Invoices#2\\2025#1\\B0004", "[Binder]\r\nTitle=Acme Corp\r\nSubTitle=\r\n"},
};
const char kLibrary[] = "Invoices#2";
const char kCabinet[] = "2025#1";
const int kBinderCount = 4;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

template <size_t N>
bool Terminated(const char (&text)[N]) {
    return std::memchr(text, '\0', N) != nullptr;
}

bool IsFlag(int32_t value) { return value == 0 || value == 1; }
bool IsMode(int32_t value) { return value >= -1 && value <= 5; }

// Counts and prints what one input's readers did wrong.
class Report {
public:
    Report(uint32_t index, Findings* findings) : index_(index), findings_(findings) {}
    void Guard(bool intact, const char* what) {
        if (!intact) Hit(&findings_->guardHits, "guard bytes overwritten", what);
    }
    void Value(bool good, const char* what) {
        if (!good) Hit(&findings_->badValues, "bad value", what);
    }

private:
    void Hit(volatile LONG* counter, const char* kind, const char* what) {
        InterlockedIncrement(counter);
        static int printed = 0;
        if (printed++ < 20) {
            std::printf("input %u: %s: %s\n", index_, kind, what);
            std::fflush(stdout);
        }
    }
    uint32_t index_;
    Findings* findings_;
};

// A valid record for kind with every text filled to its end, as a page
// holds one before it reads.
void Baseline(int32_t kind, SortCondition* r) {
    std::memset(r, 'Q', sizeof *r);
    r->path[sizeof r->path - 1] = r->libraryText[sizeof r->libraryText - 1] = '\0';
    r->cabinetText[sizeof r->cabinetText - 1] = r->binderText[sizeof r->binderText - 1] = '\0';
    r->indexText[sizeof r->indexText - 1] = r->tagText[sizeof r->tagText - 1] = '\0';
    r->faxSeqText[sizeof r->faxSeqText - 1] = '\0';
    r->faxCheckText[sizeof r->faxCheckText - 1] = '\0';
    r->dateTypeText[sizeof r->dateTypeText - 1] = '\0';
    r->dateWeekText[sizeof r->dateWeekText - 1] = '\0';
    r->kind = kind;
    r->libraryUse = r->cabinetUse = r->binderUse = r->indexUse = r->tagUse = 1;
    r->libraryMode = r->cabinetMode = 0;
    r->binderMode = r->indexMode = r->tagMode = kFixedName;
    r->position = r->dateType = r->dateWeek = 0;
    for (int i = 0; i < kFaxItemCount; ++i) {
        r->faxSeq[i] = i;
        r->faxCheck[i] = 0;
    }
}

// The record's guards and its contract: every text ends within its field,
// every flag, mode, date and selection value is one the record knows.
void CheckRecord(Report& report, Guarded<SortCondition>& g, int32_t kind, const char* what) {
    report.Guard(g.Intact(), what);
    const SortCondition& r = g.value;
    bool good = Terminated(r.path) && Terminated(r.libraryText) && Terminated(r.cabinetText) &&
                Terminated(r.binderText) && Terminated(r.indexText) && Terminated(r.tagText) &&
                Terminated(r.faxSeqText) && Terminated(r.faxCheckText) &&
                Terminated(r.dateTypeText) && Terminated(r.dateWeekText);
    good = good && r.kind == kind && IsFlag(r.libraryUse) && IsFlag(r.cabinetUse) &&
           IsFlag(r.binderUse) && IsFlag(r.indexUse) && IsFlag(r.tagUse) && IsFlag(r.position) &&
           IsMode(r.binderMode) && IsMode(r.indexMode) && IsMode(r.tagMode) && r.dateType >= 0 &&
           r.dateType <= 2 && r.dateWeek >= 0 && r.dateWeek <= 6;
    for (int i = 0; i < kFaxItemCount; ++i) good = good && IsFlag(r.faxCheck[i]);
    report.Value(good, what);
    if (!good) Baseline(kind, &g.value);  // the next look tells only of new faults
}

// The condition readers of one kind over the application folder app; what
// was read is written back under out, as a page saves it.
void ReadConditions(int32_t kind, const std::string& app, const std::string& out, Rng& rng,
                    Report& report) {
    Guarded<SortCondition> r;
    Baseline(kind, &r.value);
    auto read = [&](const std::string& path, const char* what) {
        ReadCondition(path.c_str(), kind, &r.value);
        CheckRecord(report, r, kind, what);
    };
    read(UserPath(kind, app, "User"), "ReadCondition of a user condition");
    read(PathOf(kind, kSelectTemplate1 + static_cast<int32_t>(rng.Below(3)), app),
         "ReadCondition of a template");
    read(UserPath(kind, app, "Gone"), "ReadCondition from DIVSET.ini");
    if (rng.Chance(25))
        read(app + "\\" + std::string(300, 'L') + ".INI", "ReadCondition of a path too long");

    std::vector<std::string> names;
    ListConditions(kind, app.c_str(), &names);
    int32_t selected = -1;
    LoadCurrentCondition(kind, app.c_str(), &names, &selected, &r.value);
    CheckRecord(report, r, kind, "LoadCurrentCondition");
    report.Value(selected >= 0 && static_cast<size_t>(selected) < names.size(),
                 "LoadCurrentCondition row");
    // The user conditions the listing found (after the three templates).
    for (size_t i = 3; i < names.size() && i < 6; ++i) {
        OpenCondition(kind, app.c_str(), names[i].c_str(), &r.value);
        CheckRecord(report, r, kind, "OpenCondition of a listed name");
    }

    // Now and then what was read is saved and recorded as a page does,
    // which converts the record to file form in place, and read again.
    if (rng.Chance(35)) {
        const std::string copy = UserPath(kind, out, "Copy");
        CopyText(r.value.path, sizeof r.value.path, copy.c_str());
        WriteCondition(&r.value);
        CheckRecord(report, r, kind, "WriteCondition of what was read");
        RecordCurrentCondition(out.c_str(), &r.value);
        CheckRecord(report, r, kind, "RecordCurrentCondition of what was read");
        read(copy, "ReadCondition of what was written");
    }

    static char recorded[8192];
    GetPrivateProfileStringA(kDivsetSection, DivsetKey(kind), "", recorded, sizeof recorded,
                             PathOf(kind, kSelectDivset, app).c_str());
    Guarded<char[MAX_PATH]> name('Z');
    ConditionNameFromPath(recorded, name.value);
    report.Guard(name.Intact(), "ConditionNameFromPath");
    report.Value(Terminated(name.value), "ConditionNameFromPath");
}

// The numbers of a filled box: one for every row, each a folder number or
// -1 (a box that was not filled keeps its old rows and is not looked at).
void CheckRows(Report& report, HWND dialog, int comboId, int32_t filled,
               const std::vector<int32_t>& numbers, const char* what) {
    if (filled != 1) return;
    const LRESULT rows = SendDlgItemMessageA(dialog, comboId, CB_GETCOUNT, 0, 0);
    bool good = rows >= 0 && numbers.size() == static_cast<size_t>(rows);
    for (int32_t number : numbers) good = good && number >= -1;
    report.Value(good, what);
}

// The folder name a page opens for a row of a filled box, as the pages form
// it: the row's text cut to textSize - 1 bytes, then its folder number, in a
// buffer of nameSize bytes. The bytes past nameSize count as guard bytes too.
std::string RowFolder(Report& report, HWND dialog, int comboId, LRESULT row,
                      const std::vector<int32_t>& numbers, size_t textSize, size_t nameSize) {
    SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    Guarded<char[MAX_PATH]> name('Z');
    GetComboText(dialog, comboId, name.value, textSize);
    if (static_cast<size_t>(row) < numbers.size())
        AppendFolderNumber(numbers[static_cast<size_t>(row)], name.value, nameSize);
    bool beyond = true;
    for (size_t i = nameSize; i < MAX_PATH; ++i) beyond = beyond && name.value[i] == 'Z';
    report.Guard(name.Intact() && beyond, "GetComboText and AppendFolderNumber");
    report.Value(std::memchr(name.value, '\0', nameSize) != nullptr,
                 "GetComboText and AppendFolderNumber");
    name.value[MAX_PATH - 1] = '\0';
    return name.value;
}

// A library as the pages name its folder: to list its cabinets, and (its
// text cut to the record's library field) to list a cabinet's binders.
struct LibraryFolder {
    std::string forCabinets, forBinders;
};

// The "folder.ini" of the LibRoot folder, of its first libraries and of
// their first cabinets, listed into the boxes of the page as the pages do;
// the branch of the tree on disk is always among them.
void ReadTree(const std::string& libRoot, HWND dialog, Report& report) {
    Guarded<char[MAX_PATH]> rootIni('Z');
    MakeFolderIniPath(libRoot.c_str(), rootIni.value);
    report.Guard(rootIni.Intact(), "MakeFolderIniPath");
    std::vector<int32_t> libraryNumbers;
    const int32_t filled =
        FillComboFromNameList(dialog, IDC_SCAN_LIBRARY, rootIni.value, &libraryNumbers);
    CheckRows(report, dialog, IDC_SCAN_LIBRARY, filled, libraryNumbers,
              "FillComboFromNameList, libraries");
    std::vector<LibraryFolder> libraries = {{kLibrary, kLibrary}};
    const LRESULT libraryRows = SendDlgItemMessageA(dialog, IDC_SCAN_LIBRARY, CB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; filled == 1 && row < libraryRows && row < 3; ++row) {
        libraries.push_back(
            {RowFolder(report, dialog, IDC_SCAN_LIBRARY, row, libraryNumbers, MAX_PATH, MAX_PATH),
             RowFolder(report, dialog, IDC_SCAN_LIBRARY, row, libraryNumbers, kLibraryTextSize,
                       kLibraryTextSize + 16)});
    }
    FillComboFromNameList(dialog, IDC_SCAN_LIBRARY, rootIni.value, nullptr);

    for (size_t l = 0; l < libraries.size(); ++l) {
        Guarded<char[MAX_PATH]> ini('Z');
        MakeFolderIniPath((libRoot + "\\" + libraries[l].forCabinets).c_str(), ini.value);
        report.Guard(ini.Intact(), "MakeFolderIniPath");
        std::vector<int32_t> cabinetNumbers;
        const int32_t cabinetsFilled =
            FillComboFromNameList(dialog, IDC_SCAN_CABINET, ini.value, &cabinetNumbers);
        CheckRows(report, dialog, IDC_SCAN_CABINET, cabinetsFilled, cabinetNumbers,
                  "FillComboFromNameList, cabinets");
        std::vector<std::string> cabinets;
        if (l == 0) cabinets.push_back(kCabinet);
        const LRESULT cabinetRows =
            SendDlgItemMessageA(dialog, IDC_SCAN_CABINET, CB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; cabinetsFilled == 1 && row < cabinetRows && row < (l == 0 ? 2 : 1);
             ++row) {
            cabinets.push_back(RowFolder(report, dialog, IDC_SCAN_CABINET, row, cabinetNumbers,
                                         MAX_PATH, MAX_PATH));
        }
        const char* library = libraries[l].forBinders.c_str();
        for (const std::string& cabinet : cabinets) {
            SendDlgItemMessageA(dialog, IDC_SCAN_BINDER, CB_RESETCONTENT, 0, 0);
            AppendBinderList(dialog, IDC_SCAN_BINDER, libRoot.c_str(), library, cabinet.c_str());
            EntryArray binders;
            ReadBinderEntries(libRoot.c_str(), library, cabinet.c_str(), &binders);
            bool ordered = true;
            for (size_t i = 1; i < binders.size(); ++i)
                ordered = ordered && binders[i - 1].position <= binders[i].position;
            report.Value(ordered, "ReadBinderEntries order");
        }
    }

    // The binder query itself, with its record and the writable path it is
    // given between guards.
    for (int b = 1; b <= kBinderCount; ++b) {
        Guarded<char[MAX_PATH]> folder;
        std::snprintf(folder.value, sizeof folder.value, "%s\\%s\\%s\\B%04d", libRoot.c_str(),
                      kLibrary, kCabinet, b);
        const std::string before = folder.value;
        Guarded<unsigned char[kBinderInfoSize]> record;
        const int result = GetBinderInfo(folder.value, record.value);
        report.Guard(folder.Intact() && record.Intact(), "GetBinderInfo");
        const unsigned char* title = record.value + kBinderTitleOffset;
        const unsigned char* subTitle = record.value + kBinderSubTitleOffset;
        report.Value(before == folder.value &&
                         (result != 1 ||
                          (std::memchr(title, 0, kBinderSubTitleOffset - kBinderTitleOffset) &&
                           std::memchr(subTitle, 0, kBinderInfoSize - kBinderSubTitleOffset))),
                     "GetBinderInfo");
    }
}

// The LibRoot values of the settings INI and what reads them.
void ReadLinks(const std::string& root, const std::string& settings, Rng& rng, Report& report) {
    for (int slot = 0; slot <= 4; ++slot) {
        for (int useDefault = 0; useDefault <= 1; ++useDefault) {
            Guarded<char[MAX_PATH]> alias('Z');
            alias.value[MAX_PATH - 1] = '\0';
            GetLinkName(alias.value, slot, useDefault);
            report.Guard(alias.Intact(), "GetLinkName");
            report.Value(Terminated(alias.value), "GetLinkName");
        }
    }
    const std::string libRoot = root + "\\LibRoot";
    for (int slot = 1; slot <= 3; ++slot) {
        char key[32], value[MAX_PATH] = {};
        std::snprintf(key, sizeof key, "LinkFolder%d", slot);
        GetPrivateProfileStringA("Folder", key, "", value, sizeof value, settings.c_str());
        GetChangeFolderFlag(value, libRoot.c_str());
    }
    CheckLibRootNesting(libRoot.c_str());
    int inside = 0;
    CheckWorkAreaFolder(libRoot.c_str(), &inside);
    report.Value(IsFlag(inside), "CheckWorkAreaFolder");
    // Last, as it writes the settings INI: the user number of the slot from
    // changeinfo.ini names the lock marker to delete under the old root.
    SetLinkPath(libRoot.c_str(), 1 + static_cast<int>(rng.Below(3)),
                1 + static_cast<int>(rng.Below(3)), 1, (root + "\\Old").c_str());
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

void RemoveFolderWide(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderWide(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::string PathOf(int32_t kind, int32_t selector, const std::string& folder) {
    char path[MAX_PATH] = {};
    MakeConditionPath(kind, selector, folder.c_str(), path);
    return path;
}

std::string UserPath(int32_t kind, const std::string& folder, const char* name) {
    char path[MAX_PATH] = {};
    MakeUserConditionPath(kind, folder.c_str(), name, path);
    return path;
}

void RemoveFolder(const std::string& folder) {
    wchar_t wide[MAX_PATH] = {};
    if (MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide, MAX_PATH) > 0)
        RemoveFolderWide(wide);
}

InputRunner::InputRunner(const std::string& work) {
    MakeSeeds(work);
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                              nullptr);
    // The MFP scanner page, whose library, cabinet and binder boxes the
    // listing fills; never shown.
    if (parent_ != nullptr) {
        dialog_ = CreateDialogParamA(Module().resources, MAKEINTRESOURCEA(IDD_SCANNER), parent_,
                                     QuietDialog, 0);
    }
}

InputRunner::~InputRunner() {
    if (parent_ != nullptr) DestroyWindow(parent_);
}

void InputRunner::MakeSeeds(const std::string& work) {
    MakeFolder(work);
    seeds_.seedFolder = work;
    for (int32_t kind = kScanner; kind <= kFaxSend; ++kind) {
        for (int32_t t = 1; t <= 3; ++t) {
            const std::string path = PathOf(kind, t, work);
            WriteTemplateCondition(kind, path.c_str(), t);
            seeds_.templates[kind][t - 1] = ReadFileBytes(path);
            seeds_.all.push_back(seeds_.templates[kind][t - 1]);
        }
        // A user condition with a week date, the back position and every
        // information item selected, saved and recorded as the pages do.
        SortCondition r = {};
        ReadCondition(PathOf(kind, kSelectTemplate2, work).c_str(), kind, &r);
        CopyText(r.path, sizeof r.path, UserPath(kind, work, "User").c_str());
        r.position = 1;
        r.dateType = 2;
        r.dateWeek = 3;
        for (int32_t& check : r.faxCheck) check = 1;
        WriteCondition(&r);
        seeds_.user[kind] = ReadFileBytes(r.path);
        seeds_.all.push_back(seeds_.user[kind]);
        RecordCurrentCondition(work.c_str(), &r);
    }
    seeds_.divset = ReadFileBytes(PathOf(kScanner, kSelectDivset, work));
    seeds_.all.push_back(seeds_.divset);
    for (const char* text : {kSettingsIni, kCommonIni, kChangeInfoIni}) seeds_.all.push_back(text);
    for (const TreeFile& file : kTree) seeds_.all.push_back(file.bytes);
}

void InputRunner::Run(uint64_t seed, uint32_t index, const std::string& folder, bool keep,
                      Findings* findings) {
    Rng rng = InputRng(seed, index);
    Report report(index, findings);
    const std::string app = folder + "\\App";
    const std::string libRoot = folder + "\\LibRoot";
    const std::string settings = app + "\\Vorda.ini";

    // Each input is about one family of files: the condition files of one
    // kind with DIVSET.ini, the LibRoot tree, or the settings INI files.
    enum Focus { kTreeFocus = 3, kLinksFocus = 5 };
    const uint32_t focus = rng.Below(6);
    struct Planned {
        std::string path, bytes;
    };
    std::vector<Planned> files;
    MakeFolder(app);
    if (focus < kTreeFocus) {
        const int32_t kind = static_cast<int32_t>(focus);
        MakeFolder(folder + "\\Out");
        for (int32_t t = 1; t <= 3; ++t)
            files.push_back({PathOf(kind, t, app), seeds_.templates[kind][t - 1]});
        files.push_back({UserPath(kind, app, "User"), seeds_.user[kind]});
        std::string divset = Replaced(seeds_.divset, seeds_.seedFolder, app);
        // Now and then the condition in force has lost its file.
        if (rng.Chance(25))
            divset = Replaced(divset, UserPath(kind, app, "User"), UserPath(kind, app, "Gone"));
        files.push_back({PathOf(kind, kSelectDivset, app), divset});
        for (uint32_t n = rng.Below(3); n > 0; --n)
            files.push_back({UserPath(kind, app, RandomName(rng).c_str()), seeds_.user[kind]});
    } else if (focus < kLinksFocus) {
        for (const TreeFile& file : kTree) {
            MakeFolder(libRoot + file.folder);
            files.push_back({libRoot + file.folder + "\\folder.ini", file.bytes});
        }
    } else {
        MakeFolder(libRoot);
        MakeFolder(folder + "\\WorkArea");
        MakeFolder(folder + "\\Old\\Rslt");
        WriteFileBytes(folder + "\\Old\\Rslt\\ListData7.Locked", "");
        files.push_back({settings, Replaced(kSettingsIni, "@ROOT@", folder)});
        files.push_back({app + "\\VordaCommon.ini", Replaced(kCommonIni, "@ROOT@", folder)});
        files.push_back({app + "\\changeinfo.ini", kChangeInfoIni});
    }

    // Damage one file, a few, or all of them; now and then one is missing.
    const uint32_t spread = rng.Below(10);
    const uint32_t percent = spread < 5 ? 0 : spread < 8 ? 30 : 100;
    const size_t chosen = rng.Below(static_cast<uint32_t>(files.size()));
    for (size_t i = 0; i < files.size(); ++i) {
        if (i == chosen || rng.Chance(percent))
            files[i].bytes = Mutate(rng, std::move(files[i].bytes), seeds_.all);
        if (!rng.Chance(3) && !files[i].path.empty()) WriteFileBytes(files[i].path, files[i].bytes);
    }
    testsupport::SetAppFolder(app.c_str());
    testsupport::SetEnv("VORDA_SETTINGS_INI", settings.c_str());
    testsupport::SetEnv("VORDA_COMMON_INI", (app + "\\VordaCommon.ini").c_str());
    if (focus < kTreeFocus)
        ReadConditions(static_cast<int32_t>(focus), app, folder + "\\Out", rng, report);
    else if (focus < kLinksFocus)
        ReadTree(libRoot, dialog_, report);
    else
        ReadLinks(folder, settings, rng, report);

    HANDLE heaps[64];
    const DWORD heapCount = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < heapCount && i < 64; ++i)
        report.Guard(HeapValidate(heaps[i], 0, nullptr) != 0, "heap validation");
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (!keep) RemoveFolder(folder);
}

}  // namespace fuzz
