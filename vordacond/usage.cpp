#include "vordacond/usage.h"

namespace {

const char kOverview[] =
    "usage: VordaCond.exe [--app-folder DIR] COMMAND [options]\n"
    "\n"
    "The sort conditions of the application folder, for administrators.\n"
    "\n"
    "Commands:\n"
    "  list         every condition of each kind, the one in force marked\n"
    "  show         one condition's values\n"
    "  validate     the sheet's rules, damaged files, names missing from the\n"
    "               LibRoot tree, and the LibRoot folders of the settings INI\n"
    "  export       copy the user conditions and those in force to a folder\n"
    "  import       take them over from such a folder\n"
    "  set-current  record a condition as the one in force\n"
    "  where        where a condition would file a document\n"
    "\n"
    "Options of every command:\n"
    "  --app-folder DIR  work on DIR instead of the application folder of the\n"
    "                    App Paths entry\n"
    "  --help            what the command does\n"
    "  --                ends the options (a NAME may then begin with \"-\")\n"
    "\n"
    "Kinds: scanner, fax-receive, fax-send.\n"
    "Exit codes: 0 success, 1 findings, refused changes or a file that could\n"
    "not be written, 2 bad usage.\n"
    "VordaCond.exe COMMAND --help tells more.\n";

struct CommandHelp {
    Command command;
    const char* usage;
    const char* text;
};

const CommandHelp kHelp[] = {
    {kCommandList, "usage: VordaCond.exe list [--kind KIND] [--json]",
     "Lists the conditions of every kind (or of KIND): the three templates\n"
     "first, then the user conditions; \"*\" marks the one in force. A template\n"
     "whose file is not written yet is listed as such (the options sheet writes\n"
     "it when it opens).\n"},
    {kCommandShow, "usage: VordaCond.exe show --kind KIND NAME [--json]",
     "Shows condition NAME of KIND as the options sheet reads it: each layer\n"
     "on or off with its name or naming choice, the sort position, the date\n"
     "format and first weekday, and the information items in order with their\n"
     "checks. Exit code 1 when there is no such condition.\n"},
    {kCommandValidate, "usage: VordaCond.exe validate [--kind KIND] [NAME] [--json]",
     "Checks every condition (or those of KIND, or NAME) and prints one line\n"
     "per finding: the file, the field and the message the options sheet would\n"
     "show. Errors: names and layer names the sheet would refuse, files that\n"
     "cannot be read whole (damaged, cut short, values out of range or cut\n"
     "by the read, a value without its closing quote), and, without NAME,\n"
     "DIVSET.ini empty, damaged, naming no condition file of its kind or a\n"
     "refused name, or holding a copy that is not that of its condition.\n"
     "Warnings: a used library, cabinet or fixed binder name that the tree of\n"
     "the current LibRoot folder does not hold (documents would be\n"
     "filed into a new folder). Without KIND and NAME the LibRoot folders of\n"
     "the settings INI are checked as the LibRoot page checks them (the current\n"
     "one reachable and writable; every one not nested in another, outside the\n"
     "WorkArea, within 160 bytes, with an alias of 1 to 30 bytes, aliases\n"
     "unique). Exit code 1 when an error was found.\n"},
    {kCommandExport, "usage: VordaCond.exe export --out FOLDER [--json]",
     "Copies the user conditions of every kind, byte for byte, and the names\n"
     "of the conditions in force into FOLDER, which must exist and be empty.\n"
     "The list of what was exported, VordaCond.ini, is written last, whole.\n"
     "Nothing is written when a check fails; when a file cannot be copied, the\n"
     "files written are removed again and the message names that file.\n"},
    {kCommandImport, "usage: VordaCond.exe import FOLDER [--replace] [--dry-run] [--json]",
     "Copies the conditions exported to FOLDER into the application folder and\n"
     "records the conditions in force in DIVSET.ini, as OK in the options sheet\n"
     "does. Everything is checked first and nothing is written when a check\n"
     "fails: files missing or cut short, damaged files, template names, names\n"
     "and layer names the sheet would refuse, conditions that exist already\n"
     "(replaced only with --replace) and files that cannot be replaced. All\n"
     "files are staged beside their targets before the first is swapped in;\n"
     "DIVSET.ini is written once, last. --dry-run prints what would be written\n"
     "or replaced and writes nothing.\n"},
    {kCommandSetCurrent, "usage: VordaCond.exe set-current --kind KIND NAME [--dry-run] [--json]",
     "Records condition NAME as the one in force of KIND in DIVSET.ini, as OK\n"
     "in the options sheet does. Refused (exit code 1) when the condition does\n"
     "not exist or breaks a rule, or when DIVSET.ini cannot be written.\n"
     "--dry-run prints what would be written and writes nothing.\n"},
    {kCommandWhere,
     "usage: VordaCond.exe where --kind KIND NAME [--at \"YYYY-MM-DD HH:MM\"] [--button TEXT]\n"
     "       [--fax-sender TEXT] [--json]",
     "Prints the names condition NAME of KIND gives the five layers of a\n"
     "document that arrives at --at (default: now) from button TEXT with FAX\n"
     "sender information TEXT (defaults: the options pages' sample document),\n"
     "and for the library, cabinet and binder whether the tree of the current\n"
     "LibRoot folder holds that folder already or a new one would be made.\n"
     "Writes nothing. Exit code 1 when there is no such condition.\n"},
};

}  // namespace

std::string UsageLine(Command command) {
    for (const CommandHelp& help : kHelp)
        if (help.command == command) return help.usage;
    return "usage: VordaCond.exe [--app-folder DIR] COMMAND [options] (--help for more)";
}

std::string HelpText(Command command) {
    for (const CommandHelp& help : kHelp)
        if (help.command == command)
            return std::string(help.usage) + "\n\n" + help.text +
                   "\n--app-folder DIR works on DIR instead of the application folder.\n";
    return kOverview;
}
