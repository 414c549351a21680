// The commands of VordaCond. Each works on the application folder `folder`
// and returns the program's exit code.
#pragma once
#include <string>

#include "vordacond/arguments.h"

enum ExitCode {
    kExitOk = 0,
    kExitFindings = 1,  // findings, refused changes, or nothing to work on
    kExitUsage = 2,
};

int RunList(const Arguments& args, const std::string& folder);
int RunShow(const Arguments& args, const std::string& folder);
int RunValidate(const Arguments& args, const std::string& folder);
int RunExport(const Arguments& args, const std::string& folder);
int RunImport(const Arguments& args, const std::string& folder);
int RunSetCurrent(const Arguments& args, const std::string& folder);
int RunWhere(const Arguments& args, const std::string& folder);

// The kinds a command covers: the one of --kind, else all three.
inline int FirstKind(const Arguments& args) { return args.kind < 0 ? 0 : args.kind; }
inline int LastKind(const Arguments& args) { return args.kind < 0 ? 2 : args.kind; }
