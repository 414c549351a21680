// The command line of VordaCond: a command, its options and its operands.
//   VordaCond.exe [--app-folder DIR] COMMAND [options] [operands]
#pragma once
#include <string>
#include <vector>

enum Command {
    kCommandNone,
    kCommandList,
    kCommandShow,
    kCommandValidate,
    kCommandExport,
    kCommandImport,
    kCommandSetCurrent,
    kCommandWhere,
};

struct Arguments {
    Command command = kCommandNone;
    std::string commandName;
    int kind = -1;  // --kind: 0 scanner, 1 fax-receive, 2 fax-send; -1 when not given
    bool json = false;
    bool help = false;
    bool replace = false;
    bool dryRun = false;    // --dry-run: say what would be written, write nothing
    std::string appFolder;  // --app-folder
    std::string out;        // --out
    std::string at;         // --at "YYYY-MM-DD HH:MM"
    bool hasButton = false;
    std::string button;  // --button
    bool hasFaxSender = false;
    std::string faxSender;  // --fax-sender
    std::vector<std::string> operands;
    std::string error;  // what is wrong with the command line; "" when nothing
};

// Parses argv[1..argc-1]. Options may stand before or after the command;
// each command accepts only its own options (--app-folder and --help go
// with every one) and its number of operands. With --help the rest is not
// checked. "--" ends the options: every word after it is the command or an
// operand, so that a name may begin with "-".
Arguments ParseArguments(int argc, char** argv);

// "scanner", "fax-receive", "fax-send" for kinds 0, 1, 2 (any other kind is
// FaxSend); -1 from KindFromName for any other word.
const char* KindName(int kind);
int KindFromName(const std::string& name);
