// The texts the UI tests expect from the module, in one place: window
// captions, the messages it shows (line breaks and trailing blanks are part
// of them) and the texts of its log lines. Control ids come from
// resources/resource.h.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "host/robot/robot.h"

namespace uitest {
namespace text {

// Captions.
constexpr char kOptions[] = "Vorda Options";
constexpr char kNameDialog[] = "Specification of configuration name";
constexpr char kImportDestination[] = "Lumora -> Vorda";

// LibRoot folders.
constexpr char kRootInaccessible[] =
    "Program failed to process binder. LibRoot Folders may not be accessible.\nCheck the "
    "contents and attributes of the LibRoot Folders specified in configuration settings.";
constexpr char kRootTooLong[] =
    "The specified folder name is longer than 160 characters. When creating a library, cabinet "
    "or binder, the path name may not exceed the maximum length allowed. \nEnter a shorter "
    "folder name, and try again.";
constexpr char kAliasRequired[] = "A LibRoot alias is required. \nCheck and try again.";
constexpr char kAliasTooLong[] =
    "The LibRoot alias exceeds 30 characters. \nEnter another name, and try again.";
constexpr char kAliasDuplicated[] =
    "A LibRoot alias is duplicated. \nLibRoot alias should be unique. \nSet a LibRoot alias "
    "again.";
constexpr char kRootInWorkArea[] =
    "You cannot specify the same folder as a WorkArea Folder \r\nor any of its sub folders as a "
    "LibRoot folder.\r\nSpecify another folder.";
constexpr char kRootNested[] =
    "A previously specified LibRoot folder was found in the upper or lower level of the "
    "specified folder.\r\nThe previous data may be corrupted if a LibRoot folder is specified "
    "in this directory.\r\nTry again and specify an available directory.";
constexpr char kSettingsNotUpdated[] = "Failed to update the LibRoot alias. \nCheck the settings.";
constexpr char kNewRootWarning[] =
    "Do not edit LibRoot folders and files anywhere other than in Vorda (for example in "
    "Explorer), as this may cause data corruption.";

// Sort conditions.
constexpr char kNameRequired[] = "Configuration name must be specified. Specify correct name.";
constexpr char kNameReserved[] =
    "Configuration name can not take the following names:\nScanner Template Binder 1, "
    "Scanner Template Binder 2, Scanner Template Binder 3\nFAX Receive Template Binder 1, "
    "FAX Receive Template Binder 2, FAX Receive Template Binder 3\nFAX Send Template "
    "Binder 1, FAX Send Template Binder 2, FAX Send Template Binder 3";
constexpr char kNameForbiddenChars[] =
    "A configuration name cannot contain any of the following characters:  \n\\ / : , ; * "
    "? < > . | \" !\n";
constexpr char kNameExists[] =
    "Specified configuration name already exists. Do you want to replace new one with existing "
    "one?  ";
constexpr char kLibCabForbiddenChars[] =
    "Library name or cabinet name can not contain any of the following characters:\n\\ / : , ; "
    "* ? < > . | \" !\n";
constexpr char kBinderRequired[] = "Binder name must be specified. Specify correct name.";
constexpr char kBinderReserved[] = "Binder can not be named as \"Temporary Binder\".";
constexpr char kSameInformation[] =
    "In classification condition, unable to select the same related information. \nTry again.";
constexpr char kDeleteInForce[] = "Are you sure you want to delete this condition?";
constexpr char kDelete[] = "Are you sure to delete this condition?";

// Log lines of the LibRoot checks.
constexpr char kLogEmpty[] = "The selected link folder is empty.";
constexpr char kLogUnreachable[] = "Cannot connect the network link folder. ";
constexpr char kLogNested[] = "Invalid link folder path. ";
constexpr char kLogWorkArea[] = "LinkFolder path is same with workdesk path. ";
constexpr char kLogIcon[] = "The function of ChangeFolderIcon_EnvSet is failed.";
constexpr char kLogNotWritable[] = "The selected link folder is readonly or is not directory. ";
constexpr char kLogTooLong[] = "The length of the selected link folder is too long.";
constexpr char kLogAliasEmpty[] = "The name of the selected link folder is empty.";
constexpr char kLogAliasTooLong[] = "The name of the selected link folder is too long.";
constexpr char kLogAliasOnly[] =
    "The name of the selected link folder is not empty,but the link folder's path is empty.";
constexpr char kLogDuplicated[] = "The name of the link folder is duplicated.";

}  // namespace text

// A message box of the options sheet: its caption, text, OK and icon.
inline void ExpectMessage(const robot::MessageBoxInfo& box, const std::string& message,
                          UINT icon = MB_ICONEXCLAMATION) {
    EXPECT_EQ(text::kOptions, box.caption);
    EXPECT_EQ(message, box.text);
    EXPECT_EQ(static_cast<UINT>(MB_OK) | icon, box.style());
}

}  // namespace uitest
