// The writers the kill trial ends: three commands of VordaCond.exe and three
// presses of OK in the module's windows, each run in a child process on the
// scratch sample.
#pragma once
#include <string>
#include <vector>

namespace trial {

// The folders of one trial, all under work.
struct Layout {
    explicit Layout(const std::string& work);
    std::string work;
    std::string bin;       // the build under trial, with this program copied beside it
    std::string run;       // the sample, laid out afresh before every run
    std::string app;       // run\App, the application folder
    std::string libRoot;   // run\LibRoot, the LibRoot folder in use
    std::string libRoot2;  // run\LibRoot2, an empty folder the sheet adds as a second root
    std::string exportTo;  // run\Export, the empty target of the export
    std::string transfer;  // an export of 30 conditions, the source of the import
};

struct Writer {
    const char* name;
    bool sheet;  // a window of the module, run by this program's writer mode
    const char* what;
};
const std::vector<Writer>& Writers();
const Writer* FindWriter(const std::string& name);

// The command line of a VordaCond writer (after the program's name).
std::string ToolArguments(const Writer& writer, const Layout& layout);

// Makes layout.transfer: the sample's nine user conditions changed and 21
// more, exported by the build's own VordaCond.exe. False when that failed.
bool PrepareTransfer(const Layout& layout, const std::string& sampleSource);

// Writer mode (in the child): opens the writer's window through the module
// beside this program, changes what the writer changes, sets the named
// event just before pressing OK, answers the windows OK opens (the proposed
// name, Yes to replacing it) and returns 0 once the call has returned 1.
int RunSheetWriter(const std::string& name, const std::string& eventName,
                   const std::string& libRoot, const std::string& libRoot2);

}  // namespace trial
