// What a writer left: every file under a folder with its bytes, and the
// sorting of each file a writer may touch into old (as before the writer
// ran), new (as after a run to the end), between (a state a run to the end
// passes through: see Sort), missing or other (anything else: cut, mixed,
// empty), with the files the writer's runs never hold counted apart: its
// temporaries, and among them those the condition catalogue would list (a
// kind letter, any name, ".INI").
#pragma once
#include <map>
#include <string>

namespace trial {

// Relative path (backslashes) -> bytes. Log files are left out: they grow
// with every run and are nobody's state.
typedef std::map<std::string, std::string> Snapshot;

// The files under folder, their paths relative to it; recursive false takes
// the folder's own files only.
Snapshot TakeSnapshot(const std::string& folder, bool recursive = true);
// The same, each path preceded by prefix and a backslash, added to out.
void AddSnapshot(const std::string& folder, const std::string& prefix, bool recursive,
                 Snapshot* out);

// The name the module gives its temporaries: "~ve" ... ".tmp".
bool IsModuleTemporary(const std::string& fileName);
// The name of the platform's write probe that the LibRoot checks make
// ("Chk" and a number, ".tmp"; GetTempFileNameA then DeleteFileA): a process
// ended between the two calls leaves it, empty.
bool IsWriteProbe(const std::string& fileName);
// A name of the form the catalogue lists as a condition: "s", "f" or "n",
// anything, ".INI" (letter case ignored, as the platform's patterns do).
bool LooksLikeCondition(const std::string& fileName);

struct Census {
    int old = 0;
    int fresh = 0;    // new
    int between = 0;  // a whole state between old and new
    int missing = 0;
    int other = 0;
    int leftOver = 0;        // files neither state holds
    int visible = 0;         // of those, the ones the catalogue lists
    std::string firstOther;  // the path of the first file sorted other
};

// Sorts now against before and after. A file that both states hold with the
// same bytes counts only when now differs from them. DIVSET.ini and the
// settings INI are replaced whole several times in one run (once per page,
// once per LibRoot slot and value): such a file is between when each of its
// keys holds its old or its new value, and, in DIVSET.ini, each kind's
// entry and its two sections all come from the same side (a kind with old
// and new values mixed is torn, hence other). Files neither state
// holds are leftovers; the ones that look like conditions and lie in the
// application folder (appFolder, relative: "App") are visible too; a
// leftover that is neither a module temporary, an empty write probe nor such
// a name counts as other as well, since no writer should leave it.
Census Sort(const Snapshot& before, const Snapshot& after, const Snapshot& now,
            const std::string& appFolder);

// The files whose bytes differ between the two (present in one only, too).
int Differences(const Snapshot& a, const Snapshot& b);

}  // namespace trial
