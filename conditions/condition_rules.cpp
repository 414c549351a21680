#include "conditions/condition_rules.h"

#include <windows.h>

#include <cstring>

#include "base/module_state.h"
#include "base/text.h"
#include "conditions/condition_format.h"
#include "resources/resource.h"

const char kForbiddenNameCharacters[] = "\\/:,;*?<>.|\"!";

int32_t HasForbiddenCharacter(const char* text) {
    if (text == nullptr) return 0;
    for (const char* p = text; *p != '\0'; p += CharLength(p)) {
        if (CharLength(p) == 1 && std::strchr(kForbiddenNameCharacters, *p) != nullptr) return 1;
    }
    return 0;
}

int32_t CheckConditionName(const char* name) {
    if (name == nullptr || name[0] == '\0') return kNameEmpty;
    if (IsTemplateName(name)) return kNameIsTemplate;
    if (HasForbiddenCharacter(name)) return kNameForbiddenCharacter;
    return kNameValid;
}

unsigned NameRuleMessageId(int32_t result) {
    switch (result) {
        case kNameEmpty:
            return IDS_NAME_REQUIRED;
        case kNameIsTemplate:
            return IDS_NAME_RESERVED;
        case kNameForbiddenCharacter:
            return IDS_NAME_FORBIDDEN_CHARS;
        default:
            return 0;
    }
}

namespace {

LayerFinding Found(int32_t layer, unsigned messageId) {
    LayerFinding finding;
    finding.layer = layer;
    finding.messageId = messageId;
    return finding;
}

}  // namespace

LayerFinding CheckLayerNameRules(const SortCondition& record) {
    struct Layer {
        int32_t use;
        const char* name;
        unsigned requiredId;
    };
    const Layer layers[kLayerCount] = {
        {record.libraryUse, record.libraryText, IDS_LIBRARY_NAME_REQUIRED},
        {record.cabinetUse, record.cabinetText, IDS_CABINET_NAME_REQUIRED},
        {record.binderUse, record.binderText, IDS_BINDER_NAME_REQUIRED},
        {record.indexUse, record.indexText, IDS_INDEX_NAME_REQUIRED},
        {record.tagUse, record.tagText, IDS_NOTE_NAME_REQUIRED},
    };
    for (int32_t layer = 0; layer < kLayerCount; ++layer) {
        if (layers[layer].use == 1 && layers[layer].name[0] == '\0') {
            return Found(layer, layers[layer].requiredId);
        }
    }
    for (int32_t layer : {kLayerLibrary, kLayerCabinet}) {
        if (HasForbiddenCharacter(layers[layer].name)) {
            return Found(layer, IDS_LIBCAB_FORBIDDEN_CHARS);
        }
    }
    char reserved[MAX_PATH];
    LoadResString(IDS_TEMPORARY_BINDER, reserved, sizeof reserved);
    if (reserved[0] != '\0' && std::strcmp(record.binderText, reserved) == 0) {
        return Found(kLayerBinder, IDS_BINDER_NAME_RESERVED);
    }
    return LayerFinding();
}

LayerFinding CheckRelatedInfoRule(const SortCondition& record) {
    struct Layer {
        int32_t layer;
        int32_t use;
        NamingMode mode;
    };
    const Layer layers[3] = {
        {kLayerBinder, record.binderUse, record.binderMode},
        {kLayerIndex, record.indexUse, record.indexMode},
        {kLayerNote, record.tagUse, record.tagMode},
    };
    for (int first = 0; first < 3; ++first) {
        for (int second = first + 1; second < 3; ++second) {
            const Layer& a = layers[first];
            const Layer& b = layers[second];
            if (a.use == 1 && b.use == 1 && a.mode != kFixedName && a.mode == b.mode) {
                return Found(b.layer, IDS_SAME_RELATED_INFO);
            }
        }
    }
    return LayerFinding();
}
