#include "vordacond/arguments.h"

#include <cstring>

namespace {

// Options a command accepts besides --app-folder and --help.
enum OptionBits {
    kOptKind = 1,
    kOptJson = 2,
    kOptOut = 4,
    kOptReplace = 8,
    kOptDryRun = 16,
    kOptSample = 32,  // --at, --button, --fax-sender
};

struct CommandRule {
    const char* name;
    Command command;
    int options;
    int kindRequired;  // 1 when --kind must be given
    int outRequired;   // 1 when --out must be given
    size_t minOperands;
    size_t maxOperands;
    const char* operandText;  // for the message about operands
};

const CommandRule kRules[] = {
    {"list", kCommandList, kOptKind | kOptJson, 0, 0, 0, 0, "no operand"},
    {"show", kCommandShow, kOptKind | kOptJson, 1, 0, 1, 1, "one condition NAME"},
    {"validate", kCommandValidate, kOptKind | kOptJson, 0, 0, 0, 1, "at most one condition NAME"},
    {"export", kCommandExport, kOptOut | kOptJson, 0, 1, 0, 0, "no operand"},
    {"import", kCommandImport, kOptReplace | kOptDryRun | kOptJson, 0, 0, 1, 1, "one FOLDER"},
    {"set-current", kCommandSetCurrent, kOptKind | kOptDryRun | kOptJson, 1, 0, 1, 1,
     "one condition NAME"},
    {"where", kCommandWhere, kOptKind | kOptJson | kOptSample, 1, 0, 1, 1, "one condition NAME"},
};

const CommandRule* FindRule(const std::string& name) {
    for (const CommandRule& rule : kRules)
        if (name == rule.name) return &rule;
    return nullptr;
}

}  // namespace

const char* KindName(int kind) {
    return kind == 0 ? "scanner" : kind == 1 ? "fax-receive" : "fax-send";
}

int KindFromName(const std::string& name) {
    for (int kind = 0; kind < 3; ++kind)
        if (name == KindName(kind)) return kind;
    return -1;
}

Arguments ParseArguments(int argc, char** argv) {
    Arguments a;
    int given = 0;  // options seen, as OptionBits
    std::string badOption;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i] != nullptr ? argv[i] : "";
        if (optionsEnded) {
            if (a.commandName.empty())
                a.commandName = word;
            else
                a.operands.push_back(word);
            continue;
        }
        // An option that takes a value takes the next word, whatever it is.
        auto value = [&](std::string* target) {
            if (i + 1 >= argc) {
                if (a.error.empty()) a.error = word + " needs a value";
                return false;
            }
            *target = argv[++i];
            return true;
        };
        if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h" || word == "/?") {
            a.help = true;
        } else if (word == "--json") {
            given |= kOptJson;
            a.json = true;
        } else if (word == "--replace") {
            given |= kOptReplace;
            a.replace = true;
        } else if (word == "--dry-run") {
            given |= kOptDryRun;
            a.dryRun = true;
        } else if (word == "--app-folder") {
            // An empty folder would mean the App Paths entry's, which the
            // caller did not ask for.
            if (value(&a.appFolder) && a.appFolder.empty() && a.error.empty())
                a.error = "--app-folder needs a folder";
        } else if (word == "--out") {
            given |= kOptOut;
            value(&a.out);
        } else if (word == "--at") {
            given |= kOptSample;
            value(&a.at);
        } else if (word == "--button") {
            given |= kOptSample;
            a.hasButton = value(&a.button);
        } else if (word == "--fax-sender") {
            given |= kOptSample;
            a.hasFaxSender = value(&a.faxSender);
        } else if (word == "--kind") {
            given |= kOptKind;
            std::string kind;
            if (value(&kind)) {
                a.kind = KindFromName(kind);
                if (a.kind < 0 && a.error.empty())
                    a.error = "unknown kind \"" + kind + "\" (scanner, fax-receive or fax-send)";
            }
        } else if (word.size() > 1 && word[0] == '-' && word != "-") {
            if (badOption.empty()) badOption = word;
        } else if (a.commandName.empty()) {
            a.commandName = word;
        } else {
            a.operands.push_back(word);
        }
    }

    const CommandRule* rule = FindRule(a.commandName);
    if (rule != nullptr) a.command = rule->command;
    if (a.help) {
        // Help on the command named, or on all; an unknown name is the only
        // mistake that still counts.
        if (rule == nullptr && !a.commandName.empty())
            a.error = "unknown command \"" + a.commandName + "\"";
        else
            a.error.clear();
        return a;
    }
    if (!a.error.empty()) return a;
    if (a.commandName.empty()) {
        a.error = "no command given";
    } else if (rule == nullptr) {
        a.error = "unknown command \"" + a.commandName + "\"";
    } else if (!badOption.empty()) {
        a.error = "unknown option " + badOption;
    } else if ((given & ~rule->options) != 0) {
        static const struct {
            int bit;
            const char* name;
        } kNames[] = {{kOptKind, "--kind"},      {kOptJson, "--json"},
                      {kOptOut, "--out"},        {kOptReplace, "--replace"},
                      {kOptDryRun, "--dry-run"}, {kOptSample, "--at, --button or --fax-sender"}};
        for (const auto& option : kNames) {
            if ((given & option.bit) != 0 && (rule->options & option.bit) == 0) {
                a.error = a.commandName + " does not take " + option.name;
                break;
            }
        }
    } else if (rule->kindRequired && a.kind < 0) {
        a.error = a.commandName + " needs --kind";
    } else if (rule->outRequired && a.out.empty()) {
        a.error = a.commandName + " needs --out FOLDER";
    } else if (a.operands.size() < rule->minOperands || a.operands.size() > rule->maxOperands) {
        a.error = a.commandName + " takes " + rule->operandText;
    }
    return a;
}
