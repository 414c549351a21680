// The help texts of VordaCond: an overview and one text per command.
#pragma once
#include <string>

#include "vordacond/arguments.h"

// The command's usage line (the overview's for kCommandNone).
std::string UsageLine(Command command);
// What --help prints for the command (the overview for kCommandNone). Lines
// end with "\n".
std::string HelpText(Command command);
