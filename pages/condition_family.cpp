#include "pages/condition_family.h"

#include "conditions/tokens.h"
#include "resources/resource.h"

namespace {

const UINT kScannerChoices[] = {IDS_CHOICE_BUTTON, IDS_CHOICE_DATE};
const UINT kFaxReceiveChoices[] = {IDS_CHOICE_BUTTON, IDS_CHOICE_FAX_INFO, IDS_CHOICE_DATE};
const UINT kFaxSendChoices[] = {IDS_CHOICE_BUTTON, IDS_CHOICE_DATE, IDS_CHOICE_DESTINATION,
                                IDS_CHOICE_SENDER_INFO, IDS_CHOICE_COMM_MODE};

const TokenRow kButtonOnly[] = {{"@BUTTON", naming::kButton}};
const TokenRow kFaxSendTokens[] = {{"@BUTTON", naming::kButton},
                                   {"@TX-DEST", naming::kSendDestination},
                                   {"@TX-MODE", naming::kSendMode}};

const UINT kFaxReceiveItems[] = {IDS_FAX_ITEM_TSI,    IDS_FAX_ITEM_DIALIN, IDS_FAX_ITEM_NAME,
                                 IDS_FAX_ITEM_NUMBER, IDS_FAX_ITEM_FCODE,  IDS_FAX_ITEM_PORT};
const UINT kFaxSendItems[] = {IDS_SEND_ITEM_USER, IDS_SEND_ITEM_SECTION};

template <typename T, int N>
constexpr int Count(const T (&)[N]) {
    return N;
}

}  // namespace

// clang-format off
const ConditionFamily kScannerFamily = {
    kScanner, IDD_SCANNER,
    IDC_SCAN_CONDITION, IDC_SCAN_DELETE, IDC_SCAN_PREVIEW,
    {IDC_SCAN_CHECK_LIBRARY, IDC_SCAN_CHECK_CABINET, IDC_SCAN_CHECK_BINDER, IDC_SCAN_CHECK_INDEX,
     IDC_SCAN_CHECK_NOTE},
    {IDC_SCAN_LIBRARY, IDC_SCAN_CABINET, IDC_SCAN_BINDER, IDC_SCAN_INDEX, IDC_SCAN_NOTE},
    IDC_SCAN_POSITION_PREVIOUS, IDC_SCAN_POSITION_NEXT,
    IDC_SCAN_DATE_YMD, IDC_SCAN_DATE_YM, IDC_SCAN_DATE_YMW,
    IDC_SCAN_WEEKDAY,
    0, 0, 0,
    kScannerChoices, Count(kScannerChoices),
    kFixedName, naming::kScannerDate, kButtonOnly, Count(kButtonOnly),
    nullptr, 0, kDownUnlessLast, 0, false,
    {1, 2, 3},
    IDC_SCAN_EXAMPLE,
};

const ConditionFamily kFaxReceiveFamily = {
    kFaxReceive, IDD_FAX_RECEIVE,
    IDC_FAXRX_CONDITION, IDC_FAXRX_DELETE, IDC_FAXRX_PREVIEW,
    {IDC_FAXRX_CHECK_LIBRARY, IDC_FAXRX_CHECK_CABINET, IDC_FAXRX_CHECK_BINDER,
     IDC_FAXRX_CHECK_INDEX, IDC_FAXRX_CHECK_NOTE},
    {IDC_FAXRX_LIBRARY, IDC_FAXRX_CABINET, IDC_FAXRX_BINDER, IDC_FAXRX_INDEX, IDC_FAXRX_NOTE},
    IDC_FAXRX_POSITION_PREVIOUS, IDC_FAXRX_POSITION_NEXT,
    IDC_FAXRX_DATE_YMD, IDC_FAXRX_DATE_YM, IDC_FAXRX_DATE_YMW,
    IDC_FAXRX_WEEKDAY,
    IDC_FAXRX_INFO_LIST, IDC_FAXRX_UP, IDC_FAXRX_DOWN,
    kFaxReceiveChoices, Count(kFaxReceiveChoices),
    naming::kFaxInfoList, naming::kFaxDate, kButtonOnly, Count(kButtonOnly),
    kFaxReceiveItems, Count(kFaxReceiveItems), kDownUnlessLast, -1, true,
    {4, 5, 6},
    IDC_FAXRX_EXAMPLE,
};

const ConditionFamily kFaxSendFamily = {
    kFaxSend, IDD_FAX_SEND,
    IDC_FAXTX_CONDITION, IDC_FAXTX_DELETE, IDC_FAXTX_PREVIEW,
    {IDC_FAXTX_CHECK_LIBRARY, IDC_FAXTX_CHECK_CABINET, IDC_FAXTX_CHECK_BINDER,
     IDC_FAXTX_CHECK_INDEX, IDC_FAXTX_CHECK_NOTE},
    {IDC_FAXTX_LIBRARY, IDC_FAXTX_CABINET, IDC_FAXTX_BINDER, IDC_FAXTX_INDEX, IDC_FAXTX_NOTE},
    IDC_FAXTX_POSITION_PREVIOUS, IDC_FAXTX_POSITION_NEXT,
    IDC_FAXTX_DATE_YMD, IDC_FAXTX_DATE_YM, IDC_FAXTX_DATE_YMW,
    IDC_FAXTX_WEEKDAY,
    IDC_FAXTX_INFO_LIST, IDC_FAXTX_UP, IDC_FAXTX_DOWN,
    kFaxSendChoices, Count(kFaxSendChoices),
    naming::kSendInfoList, naming::kSendDate, kFaxSendTokens, Count(kFaxSendTokens),
    kFaxSendItems, Count(kFaxSendItems), kDownFromFirstOnly, 2, false,
    {7, 8, 9},
    IDC_FAXTX_EXAMPLE,
};
// clang-format on

const ConditionFamily& FamilyOfKind(int kind) {
    switch (NormalizeKind(kind)) {
        case kScanner:
            return kScannerFamily;
        case kFaxReceive:
            return kFaxReceiveFamily;
        default:
            return kFaxSendFamily;
    }
}
