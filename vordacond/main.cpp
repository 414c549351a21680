// VordaCond.exe: lists, shows, validates, exports, imports and sets the sort
// conditions in force from the command line, with the store and the rules
// of the options module. The program carries the module's resources, so it
// loads the same string-table texts as the options sheet.
#include <windows.h>

#include <string>

#include "base/module_state.h"
#include "vordacond/arguments.h"
#include "vordacond/commands.h"
#include "vordacond/installation.h"
#include "vordacond/output.h"
#include "vordacond/usage.h"

int main(int argc, char** argv) {
    // A drive that does not answer must not open a system message box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    Module().instance = GetModuleHandleA(nullptr);
    Module().resources = Module().instance;

    const Arguments args = ParseArguments(argc, argv);
    if (!args.error.empty()) {
        PrintError("VordaCond: " + args.error);
        PrintError(UsageLine(args.command));
        return kExitUsage;
    }
    if (args.help) {
        std::string text;
        for (char c : HelpText(args.command)) {
            if (c == '\n') text += '\r';
            text += c;
        }
        WriteOut(text);
        return kExitOk;
    }

    std::string folder;
    std::string error;
    if (!FindApplicationFolder(args.appFolder, &folder, &error)) {
        PrintError("VordaCond: " + error);
        return kExitFindings;
    }
    switch (args.command) {
        case kCommandList:
            return RunList(args, folder);
        case kCommandShow:
            return RunShow(args, folder);
        case kCommandValidate:
            return RunValidate(args, folder);
        case kCommandExport:
            return RunExport(args, folder);
        case kCommandImport:
            return RunImport(args, folder);
        case kCommandSetCurrent:
            return RunSetCurrent(args, folder);
        case kCommandWhere:
            return RunWhere(args, folder);
        default:
            return kExitUsage;
    }
}
