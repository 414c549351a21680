#include "tests/ui/ui_fixture.h"

#include <cstring>

namespace uitest {

using testsupport::MakeFolder;
using testsupport::SetAppFolder;
using testsupport::SetEnv;

const char* const kLibraries[2] = {"Papers", "Bills"};
const char* const kPapersCabinets[2] = {"2026", "Archive"};
const char* const kBinders2026[2] = {"February", "January-Invoices"};

namespace {

void CopyPath(char* buffer, const std::string& path) {
    std::memset(buffer, 0, MAX_PATH);
    path.copy(buffer, MAX_PATH - 1);
}

}  // namespace

ConfigArgs::ConfigArgs(int mode_, const std::string& path1, const std::string& path2,
                       const std::string& path3, int index, int show)
    : mode(mode_), currentRootIndex(index), messageShow(show) {
    CopyPath(rootPath1, path1);
    CopyPath(rootPath2, path2);
    CopyPath(rootPath3, path3);
}

void UiTest::SetUp() {
    appFolder = temp / "App";
    settingsIni = appFolder + "\\Vorda.ini";
    commonIni = appFolder + "\\VordaCommon.ini";
    logPath = appFolder + "\\VordaCommon.log";
    workArea = temp / "WorkArea";
    libRoot = temp / "LibRoot";
    libRoot2 = temp / "LibRoot2";
    for (const std::string* folder : {&appFolder, &workArea, &libRoot, &libRoot2})
        ASSERT_TRUE(MakeFolder(*folder)) << *folder;

    WriteIni(settingsIni, "Folder", "LinkFolder1", libRoot.c_str());
    WriteIni(settingsIni, "Folder", "LinkName1", "Main");
    WriteIni(settingsIni, "Folder", "CurrentFolder", libRoot.c_str());
    WriteIni(settingsIni, "Folder", "CurrentName", "Main");
    WriteIni(settingsIni, "MessageShow", "MessageShow", "0");
    WriteIni(settingsIni, "Lumora", "OutputStyle", "0");
    WriteIni(settingsIni, "Lumora", "ShowMsg", "0");
    WriteIni(commonIni, "Common", "WorkArea", workArea.c_str());
    WriteIni(commonIni, "Common", "ZOrderWordDesk", "0");
    WriteIni(commonIni, "Common", "ZOrderView", "0");

    // LibRoot: two libraries; "Papers" with two cabinets; "2026" with two
    // binders listed out of position order and one entry that is no binder.
    WriteFolderList(libRoot, "Papers#1,Bills#2");
    WriteFolderList(libRoot + "\\Papers#1", "2026#1,Archive#2");
    WriteFolderList(libRoot + "\\Bills#2", "");
    const std::string cabinet = libRoot + "\\Papers#1\\2026#1";
    WriteBinderList(cabinet, "B0001,B0002,B0003", "2,1,3");
    MakeBinder(cabinet + "\\B0001", "January", "-Invoices");
    MakeBinder(cabinet + "\\B0002", "February", "");
    MakeFolder(cabinet + "\\B0003");  // no folder.ini: not a binder
    WriteBinderList(libRoot + "\\Papers#1\\Archive#2", "", "");

    SetAppFolder(appFolder.c_str());
    SetEnv("VORDA_SETTINGS_INI", settingsIni.c_str());
    SetEnv("VORDA_COMMON_INI", commonIni.c_str());

    BeforeLoad();
    if (HasFatalFailure()) return;
    LoadModule();
}

void UiTest::TearDown() {
    UnloadModule();
    SetEnv("VORDA_SETTINGS_INI", nullptr);
    SetEnv("VORDA_COMMON_INI", nullptr);
    SetAppFolder(nullptr);
}

void UiTest::LoadModule() {
    const std::string path = testsupport::BesideThisProgram("VordaEnv.dll");
    module = LoadLibraryA(path.c_str());
    ASSERT_NE(nullptr, module) << "LoadLibrary " << path << " failed: " << GetLastError();
    VordaConfigSet = reinterpret_cast<VordaConfigSetFn>(GetProcAddress(module, "VordaConfigSet"));
    LumoraLConfigSet =
        reinterpret_cast<LumoraLConfigSetFn>(GetProcAddress(module, "LumoraLConfigSet"));
    ASSERT_NE(nullptr, VordaConfigSet);
    ASSERT_NE(nullptr, LumoraLConfigSet);
}

void UiTest::UnloadModule() {
    if (module) FreeLibrary(module);
    module = nullptr;
    VordaConfigSet = nullptr;
    LumoraLConfigSet = nullptr;
}

int UiTest::ConfigSet(ConfigArgs& args, const std::function<void(robot::Robot&)>& script) {
    return robot::Run(
        [&] {
            return VordaConfigSet(args.mode, args.rootPath1, args.rootPath2, args.rootPath3,
                                  &args.currentRootIndex, &args.messageShow);
        },
        script);
}

int UiTest::Lumora(const std::function<void(robot::Robot&)>& script) {
    return robot::Run([&] { return LumoraLConfigSet(); }, script);
}

std::string UiTest::IniValue(const std::string& path, const char* section, const char* key) {
    char value[4096] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, path.c_str());
    return value;
}

bool UiTest::HasIniKey(const std::string& path, const char* section, const char* key) {
    char value[16] = {};
    const char* const absent =
        "\x01"
        "absent";
    GetPrivateProfileStringA(section, key, absent, value, sizeof value, path.c_str());
    return std::strcmp(value, absent) != 0;
}

void UiTest::WriteIni(const std::string& path, const char* section, const char* key,
                      const char* value) {
    WritePrivateProfileStringA(section, key, value, path.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

std::vector<std::string> UiTest::LogLines() const {
    return testsupport::Lines(testsupport::ReadFileBytes(logPath), "\r\n");
}

void UiTest::WriteFolderList(const std::string& folder, const std::string& nameList) {
    MakeFolder(folder);
    WriteIni(folder + "\\folder.ini", "FolderInfo", "NameList", nameList.c_str());
}

void UiTest::WriteBinderList(const std::string& cabinet, const std::string& nameList,
                             const std::string& posList) {
    MakeFolder(cabinet);
    WriteIni(cabinet + "\\folder.ini", "BinderInfo", "NameList", nameList.c_str());
    WriteIni(cabinet + "\\folder.ini", "BinderInfo", "PosList", posList.c_str());
}

void UiTest::MakeBinder(const std::string& folder, const std::string& title,
                        const std::string& subTitle) {
    MakeFolder(folder);
    WriteIni(folder + "\\folder.ini", "Binder", "Title", title.c_str());
    WriteIni(folder + "\\folder.ini", "Binder", "SubTitle", subTitle.c_str());
}

}  // namespace uitest
