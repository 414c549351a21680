// The rules a sort condition must meet before it is saved: its name, the
// names of its layers, and the related information its layers are named
// after. The rules only say what failed; the dialogs show the message and
// the command-line tool prints it.
#pragma once
#include <cstdint>

#include "conditions/sort_condition.h"

// The thirteen characters that no condition, library or cabinet name may
// hold: \ / : , ; * ? < > . | " !
extern const char kForbiddenNameCharacters[];

// 1 when text holds one of the forbidden characters. The trail byte of a
// double-byte character is no match.
int32_t HasForbiddenCharacter(const char* text);

// Results of CheckConditionName, in the order the checks run.
enum NameRule : int32_t {
    kNameValid = 0,
    kNameEmpty = 1,               // message 4515
    kNameIsTemplate = 2,          // one of the nine template names, any letter case; 4424
    kNameForbiddenCharacter = 3,  // 4423
};
int32_t CheckConditionName(const char* name);
// The string id of the message of a result; 0 for kNameValid.
unsigned NameRuleMessageId(int32_t result);

// The five layers, in the order the rules visit them.
enum ConditionLayer : int32_t {
    kLayerLibrary = 0,
    kLayerCabinet = 1,
    kLayerBinder = 2,
    kLayerIndex = 3,
    kLayerNote = 4,
    kLayerCount = 5,
};

// What a layer rule found: the layer to correct (-1 when the record passes)
// and the string id of the message.
struct LayerFinding {
    int32_t layer = -1;
    unsigned messageId = 0;
    bool Passed() const { return layer < 0; }
};

// A used layer must have a name (library 4510 ... note 4514); the library
// and cabinet names, used or not, hold no forbidden character (4409); the
// binder is not named "Temporary Binder", case counted (4410). The first
// failure decides.
LayerFinding CheckLayerNameRules(const SortCondition& record);

// Two used layers among binder, index and note may not be named after the
// same naming choice (4425). Pairs are tried binder-index, binder-note,
// index-note; the finding names the second layer of the first pair that
// conflicts.
LayerFinding CheckRelatedInfoRule(const SortCondition& record);
