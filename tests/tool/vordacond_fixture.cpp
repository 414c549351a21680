#include "tests/tool/vordacond_fixture.h"

namespace tooltest {

using testsupport::MakeFolder;
using testsupport::WriteFileBytes;

const char kSep[] = "\x18\x19";

IniKeys ConditionKeys(int kind) {
    const std::string sep = kSep;
    const char* use = kind == 0 ? "SCANNER_USE" : kind == 1 ? "FAX-RX_USE" : "FAX-TX_USE";
    const char* main = kind == 0 ? "SCANNER" : kind == 1 ? "FAX-RX" : "FAX-TX";
    IniKeys keys = {
        {use, "LIBRARY", "@ON"},
        {use, "CABINET", "@ON"},
        {use, "BINDER", "@ON"},
        {use, "INDEX", "@ON"},
        {use, "TAG", kind == 0 ? "@OFF" : "@ON"},
        {main, "POSITION", "@FRONT"},
    };
    if (kind == 1) {
        keys.push_back({main, "FAX-SEQ",
                        "@FAX-TSI" + sep + "@FAX-DIALIN" + sep + "@FAX-NAME" + sep + "@FAX-NUMBER" +
                            sep + "@FAX-FCODE" + sep + "@FAX-PORT" + sep});
        keys.push_back({main, "FAX-CHECK", "@FAX-TSI" + sep});
    } else if (kind == 2) {
        keys.push_back({main, "FAX-SEQ", "@TX-USER" + sep + "@TX-SECTION" + sep});
        keys.push_back({main, "FAX-CHECK", "@TX-USER" + sep});
    }
    const IniKeys rest = {
        {main, "DATETYPE", "@DATE-YMD"}, {main, "DATEWEEK", "@DATE-YMW-SUN"},
        {main, "LIBRARY", "Papers"},     {main, "CABINET", "2026"},
        {main, "BINDER", "January"},     {main, "INDEX", "@DATE-YMD"},
        {main, "TAG", "@TIME-HM"},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

IniKeys With(IniKeys keys, const char* section, const char* key, const char* value) {
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].section != section || keys[i].key != key) continue;
        if (value == nullptr)
            keys.erase(keys.begin() + static_cast<long>(i));
        else
            keys[i].value = value;
        return keys;
    }
    if (value == nullptr) return keys;
    size_t at = keys.size();
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i].section == section) at = i + 1;
    keys.insert(keys.begin() + static_cast<long>(at), IniKey{section, key, value});
    return keys;
}

std::string IniText(const IniKeys& keys) {
    std::vector<std::string> sections;
    for (const IniKey& k : keys) {
        bool known = false;
        for (const std::string& s : sections) known = known || s == k.section;
        if (!known) sections.push_back(k.section);
    }
    std::string text;
    for (const std::string& s : sections) {
        text += "[" + s + "]\r\n";
        for (const IniKey& k : keys)
            if (k.section == s) text += k.key + "=\"" + k.value + "\"\r\n";
    }
    return text;
}

void VordaCondTest::SetUp() {
    app = temp / "App";
    workArea = temp / "WorkArea";
    libRoot = temp / "LibRoot";
    settingsIni = app + "\\Vorda.ini";
    commonIni = app + "\\VordaCommon.ini";
    for (const std::string& folder : {app, workArea, libRoot + "\\Papers#1\\2026#1\\B1"})
        ASSERT_TRUE(MakeFolder(folder)) << folder;
    WriteFileBytes(settingsIni, "[Folder]\r\nLinkFolder1=" + libRoot +
                                    "\r\nLinkName1=Main\r\nCurrentFolder=" + libRoot +
                                    "\r\nCurrentName=Main\r\n");
    WriteFileBytes(commonIni, "[Common]\r\nWorkArea=" + workArea + "\r\n");
    WriteFileBytes(libRoot + "\\folder.ini", "[FolderInfo]\r\nNameList=Papers#1\r\n");
    WriteFileBytes(libRoot + "\\Papers#1\\folder.ini", "[FolderInfo]\r\nNameList=2026#1\r\n");
    WriteFileBytes(libRoot + "\\Papers#1\\2026#1\\folder.ini",
                   "[BinderInfo]\r\nNameList=B1\r\nPosList=10\r\n");
    WriteFileBytes(libRoot + "\\Papers#1\\2026#1\\B1\\folder.ini", "[Binder]\r\nTitle=January\r\n");
    testsupport::SetEnv("VORDA_SETTINGS_INI", settingsIni.c_str());
    testsupport::SetEnv("VORDA_COMMON_INI", commonIni.c_str());
    testsupport::SetAppFolder(app.c_str());
}

void VordaCondTest::TearDown() {
    testsupport::SetAppFolder(nullptr);
    testsupport::SetEnv("VORDA_SETTINGS_INI", nullptr);
    testsupport::SetEnv("VORDA_COMMON_INI", nullptr);
}

testsupport::ProgramRun VordaCondTest::Run(const std::string& arguments) {
    return testsupport::RunProgram("VordaCond.exe", arguments);
}

void VordaCondTest::WriteCondition(const std::string& fileName, const IniKeys& keys,
                                   const std::string& folder) {
    const std::string path = (folder.empty() ? app : folder) + "\\" + fileName;
    ASSERT_TRUE(WriteFileBytes(path, IniText(keys))) << path;
}

}  // namespace tooltest
