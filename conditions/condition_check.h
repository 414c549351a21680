// Examines a condition file key by key for what the lenient read hides:
// ReadCondition takes a default for a missing key and reads any unknown word
// as the converters say, so a truncated or damaged file still yields a
// record. The check reports instead what is missing or out of range; it
// shows nothing and changes nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum ConditionFileProblem : int32_t {
    kFileMissingSection = 1,   // a section every file of the kind holds is not there
    kFileMissingKey = 2,       // a key every file of the kind holds is not in its section
    kFileUnknownValue = 3,     // the value is none of the words the key allows
    kFileUnknownListItem = 4,  // a token list holds an item the kind does not know
    kFileValueTooLong = 5,     // the read cuts the value to fit the record's field
    kFileUnclosedQuote = 6,    // the value's closing quote is missing (the file is cut in it)
};

struct ConditionFileFinding {
    int32_t problem = 0;
    const char* section = "";  // the section concerned
    const char* key = "";      // its key; "" for a missing section
    std::string value;         // the value read (for an unknown list item: the item)
    const char* allowed = "";  // kFileUnknownValue: the words allowed, as "@ON, @OFF"
    size_t limit = 0;          // kFileValueTooLong: the most bytes the read keeps of a
                               // quoted value
};

// The findings of the condition file read as kind, in the order the
// sections and keys are written (use section, then main section); empty
// when the file can be read whole. An empty value is no finding: the read
// takes the default for it, as for the templates' own empty values.
class ProfileReader;
std::vector<ConditionFileFinding> CheckConditionFile(const ProfileReader& file, int32_t kind);
