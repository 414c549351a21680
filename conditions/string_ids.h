// String-table identifiers that the sort-condition store reads.
#pragma once

namespace condition_ids {

// Captions of the naming tokens.
constexpr unsigned kCaptionButton = 4404;       // "B: Button Name"
constexpr unsigned kCaptionDate = 4405;         // "D: Date"
constexpr unsigned kCaptionTime = 4406;         // "T: Time"
constexpr unsigned kCaptionFaxInfo = 4407;      // "F: FAX information"
constexpr unsigned kCaptionDestination = 4573;  // "S: Destination Information"
constexpr unsigned kCaptionSenderInfo = 4574;   // "P: Sender Information"
constexpr unsigned kCaptionMode = 4575;         // "M: Communication Mode"

// First id of each run of three template values (template 1, 2, 3), per
// kind. Order of the fields in the string table.
struct TemplateIds {
    unsigned library, cabinet, binder, index, tag, position;
    unsigned libraryUse, cabinetUse, binderUse, indexUse, tagUse;
    unsigned dateType, dateWeek;   // template values
    unsigned readDateType, readDateWeek;  // read defaults
    unsigned faxSeq, faxCheck;     // 0 = none
    unsigned templateName;
};

constexpr TemplateIds kScannerIds = {4426, 4429, 4432, 4435, 4438, 4441, 4444, 4447, 4450,
                                     4453, 4456, 4459, 4462, 4459, 4462, 0,    0,    4517};
constexpr TemplateIds kFaxReceiveIds = {4465, 4468, 4471, 4474, 4477, 4480, 4483, 4486, 4489,
                                        4492, 4495, 4498, 4501, 4498, 4501, 4504, 4507, 4520};
constexpr TemplateIds kFaxSendIds = {4526, 4529, 4532, 4535, 4538, 4541, 4544, 4547, 4550,
                                     4553, 4556, 4498, 4501, 4559, 4562, 4567, 4570, 4523};

}  // namespace condition_ids
