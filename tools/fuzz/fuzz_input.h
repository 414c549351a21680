// One fuzz input: a scratch installation (application folder with condition
// files, DIVSET.ini and the INI files of the stand-in libraries; a LibRoot
// tree with a "folder.ini" at every level) made of real files of the module,
// some of them damaged, and every reader of the module run over it with its
// output records between guard bytes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// What the readers did wrong. Shared with the parent process.
struct Findings {
    volatile LONG guardHits;  // guard bytes overwritten, or a heap found damaged
    volatile LONG badValues;  // a record broke its contract (unterminated text, value out of range)
};

class InputRunner {
public:
    // work: a folder for the seed files, written by the module's own writers.
    explicit InputRunner(const std::string& work);
    ~InputRunner();
    InputRunner(const InputRunner&) = delete;
    InputRunner& operator=(const InputRunner&) = delete;

    // false when the hidden dialog could not be made.
    bool Ready() const { return dialog_ != nullptr; }

    // Makes input index of seed under folder (created, and removed afterwards
    // unless keep), runs the readers and adds what they did wrong to findings.
    void Run(uint64_t seed, uint32_t index, const std::string& folder, bool keep,
             Findings* findings);

private:
    struct Seeds {
        std::string templates[3][3];   // [kind][template number - 1]
        std::string user[3];           // a user condition of each kind
        std::string divset;            // DIVSET.ini naming the three user conditions
        std::string seedFolder;        // the folder named inside divset
        std::vector<std::string> all;  // every seed, for splices
    };
    void MakeSeeds(const std::string& work);

    Seeds seeds_;
    HWND parent_ = nullptr;
    HWND dialog_ = nullptr;
};

// Removes folder and everything in it (names in any code page).
void RemoveFolder(const std::string& folder);

// The path of a kind's template or DIVSET.ini (selector) and of a user
// condition named name, in folder.
std::string PathOf(int32_t kind, int32_t selector, const std::string& folder);
std::string UserPath(int32_t kind, const std::string& folder, const char* name);

}  // namespace fuzz
