// String-table identifiers that the sort-condition store reads.
#pragma once

#include "resources/resource.h"

namespace condition_ids {

// First id of each run of three template values (template 1, 2, 3), per
// kind. Order of the fields in the string table.
struct TemplateIds {
    unsigned library, cabinet, binder, index, tag, position;
    unsigned libraryUse, cabinetUse, binderUse, indexUse, tagUse;
    unsigned dateType, dateWeek;          // template values
    unsigned readDateType, readDateWeek;  // read defaults
    unsigned faxSeq, faxCheck;            // 0 = none
    unsigned templateName;
};

constexpr TemplateIds kScannerIds = {IDS_SCAN_DEF_LIBRARY,
                                     IDS_SCAN_DEF_CABINET,
                                     IDS_SCAN_DEF_BINDER,
                                     IDS_SCAN_DEF_INDEX,
                                     IDS_SCAN_DEF_TAG,
                                     IDS_SCAN_DEF_POSITION,
                                     IDS_SCAN_DEF_LIBRARY_USE,
                                     IDS_SCAN_DEF_CABINET_USE,
                                     IDS_SCAN_DEF_BINDER_USE,
                                     IDS_SCAN_DEF_INDEX_USE,
                                     IDS_SCAN_DEF_TAG_USE,
                                     IDS_SCAN_DEF_DATETYPE,
                                     IDS_SCAN_DEF_DATEWEEK,
                                     IDS_SCAN_DEF_DATETYPE,
                                     IDS_SCAN_DEF_DATEWEEK,
                                     0,
                                     0,
                                     IDS_TEMPLATE_SCANNER_FIRST};
constexpr TemplateIds kFaxReceiveIds = {
    IDS_FAXRX_DEF_LIBRARY,     IDS_FAXRX_DEF_CABINET,     IDS_FAXRX_DEF_BINDER,
    IDS_FAXRX_DEF_INDEX,       IDS_FAXRX_DEF_TAG,         IDS_FAXRX_DEF_POSITION,
    IDS_FAXRX_DEF_LIBRARY_USE, IDS_FAXRX_DEF_CABINET_USE, IDS_FAXRX_DEF_BINDER_USE,
    IDS_FAXRX_DEF_INDEX_USE,   IDS_FAXRX_DEF_TAG_USE,     IDS_FAXRX_DEF_DATETYPE,
    IDS_FAXRX_DEF_DATEWEEK,    IDS_FAXRX_DEF_DATETYPE,    IDS_FAXRX_DEF_DATEWEEK,
    IDS_FAXRX_DEF_FAX_SEQ,     IDS_FAXRX_DEF_FAX_CHECK,   IDS_TEMPLATE_FAX_RECEIVE_FIRST};
// FAX send templates take their date values from the FAX receive runs; its
// own date ids are the (empty) read defaults only.
constexpr TemplateIds kFaxSendIds = {
    IDS_FAXTX_DEF_LIBRARY,     IDS_FAXTX_DEF_CABINET,     IDS_FAXTX_DEF_BINDER,
    IDS_FAXTX_DEF_INDEX,       IDS_FAXTX_DEF_TAG,         IDS_FAXTX_DEF_POSITION,
    IDS_FAXTX_DEF_LIBRARY_USE, IDS_FAXTX_DEF_CABINET_USE, IDS_FAXTX_DEF_BINDER_USE,
    IDS_FAXTX_DEF_INDEX_USE,   IDS_FAXTX_DEF_TAG_USE,     IDS_FAXRX_DEF_DATETYPE,
    IDS_FAXRX_DEF_DATEWEEK,    IDS_FAXTX_DEF_DATETYPE,    IDS_FAXTX_DEF_DATEWEEK,
    IDS_FAXTX_DEF_FAX_SEQ,     IDS_FAXTX_DEF_FAX_CHECK,   IDS_TEMPLATE_FAX_SEND_FIRST};

}  // namespace condition_ids
