#include "entry/sheet_rules.h"

int CheckConfigArguments(int mode, const int* currentRootIndex, const int* messageShow) {
    if (mode != kGeneralOnly && mode != kSortConditions && mode != kLibRootAndImport) return 0;
    if (currentRootIndex == nullptr || *currentRootIndex < 0 || *currentRootIndex > 2) return 0;
    if (messageShow == nullptr || (*messageShow != 0 && *messageShow != 1)) return 0;
    return 1;
}

int HelpTopicFor(int mode, int tab) {
    static const int kSingleRootTopics[] = {130};
    static const int kConditionTopics[] = {150, 160, 170, 130};
    static const int kLibRootTopics[] = {130, 190};
    const int* topics = nullptr;
    int count = 0;
    switch (mode) {
        case kGeneralOnly:
            topics = kSingleRootTopics;
            count = 1;
            break;
        case kSortConditions:
            topics = kConditionTopics;
            count = 4;
            break;
        case kLibRootAndImport:
            topics = kLibRootTopics;
            count = 2;
            break;
        default:
            return 0;
    }
    return tab >= 0 && tab < count ? topics[tab] : 0;
}

int ChooseStartTab(int scannerFailed, int faxReceiveFailed, int faxSendFailed) {
    if (scannerFailed) return 0;
    if (faxReceiveFailed) return 1;
    if (faxSendFailed) return 2;
    return 0;
}
