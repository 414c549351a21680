#include "pages/layer_rule_messages.h"

#include "base/messages.h"
#include "conditions/condition_rules.h"
#include "pages/condition_family.h"
#include "resources/resource.h"

namespace {

int ShowFinding(HWND page, int kind, const LayerFinding& finding) {
    if (finding.Passed()) return 1;
    ShowLayerError(page, FamilyOfKind(kind).layerCombos[finding.layer], finding.messageId);
    return 0;
}

}  // namespace

int CheckLayerNames(HWND page, int kind, const SortCondition& record) {
    return ShowFinding(page, kind, CheckLayerNameRules(record));
}

int CheckRelatedInfo(HWND page, int kind, const SortCondition& record) {
    return ShowFinding(page, kind, CheckRelatedInfoRule(record));
}

void ShowLayerError(HWND page, int controlId, UINT textId) {
    ShowMessage(page, IDS_OPTIONS_CAPTION, textId, kMessageWarning);
    if (page != nullptr) ::SetFocus(::GetDlgItem(page, controlId));
}
