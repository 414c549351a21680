// The checks a LibRoot slot must pass before the roots are stored: the
// current root reachable, not nested in another root, outside the WorkArea
// folder, a folder a file can be created in; every root within 160 bytes
// with an alias of 1 to 30 bytes; aliases that tell the roots apart. The
// checks only say what failed; the LibRoot folders page shows the message,
// writes the log line and selects the field, and the command-line tool
// prints it. Nothing here changes a folder (the page alone gives the
// current root its icon, between the two steps of the current root).
#pragma once
#include <windows.h>

enum RootField {
    kRootFieldNone = 0,
    kRootFieldPath = 1,
    kRootFieldAlias = 2,
};

// One failed check: the message the page shows (0 when the failure is only
// logged and the checks go on), and the log line it writes.
struct RootFinding {
    UINT messageId = 0;
    int result = 0;  // the failed call's result (0 where there is none)
    int line = 0;    // the source line of the check
    int logCode = 0;
    const char* logText = "";
    RootField field = kRootFieldNone;  // the field to correct
};

// What one step of the checks found: the findings that were only logged,
// in order, then the rejection that ended the step, if any.
struct RootCheck {
    RootFinding notes[1];
    int noteCount = 0;
    RootFinding rejection;
    int inUse = 1;  // 0 when the slot holds neither path nor alias
    bool Rejected() const { return rejection.messageId != 0; }
};

// The current root, first step: not empty, reachable, not nested in another
// root of the settings INI, not inside the WorkArea folder (a WorkArea that
// cannot be found is a note).
RootCheck CheckCurrentRootReach(const char* path);

// The current root, second step: a folder a file can be created in (the
// test file is deleted at once), then the lengths of path and alias.
RootCheck CheckCurrentRootUse(const char* path, const char* alias);

// A root that is not the current one: only what would make the stored value
// wrong. A slot with neither path nor alias is not in use and passes. The
// nesting check runs only when path differs from previousPath (any letter
// case); an unreachable root passes it.
RootCheck CheckOtherRoot(const char* path, const char* alias, const char* previousPath);

// Aliases of the slots in use must differ, byte for byte. The pairs are
// tried 1-2, 1-3, 2-3; *slot receives the first slot (0..2) of the first
// pair that is equal, whose alias is the field to correct.
RootCheck CheckRootAliases(const char* const aliases[3], const int inUse[3], int* slot);
