#pragma once

#include <string>
#include <string_view>

namespace sorvak {

class CSorvakDoc;
class Ui;

// "重複チェックリスト(&C)...": the check-list settings dialog; true when the
// user pressed OK and the settings were stored.
bool checkListSettings(CSorvakDoc& doc, Ui& ui);

// "重複チェックリスト(&D)...": the settings dialog, then the lists.
void writeCheckList(CSorvakDoc& doc, Ui& ui);

enum class CheckListOutcome { Written, NoData, WriteFailed };

// Writes one list per band that has QSOs with the stored settings, named
// after the log's file name, into the current directory, and tells the user
// which files were written. Stops at the first file that cannot be written.
CheckListOutcome writeCheckListFiles(CSorvakDoc& doc, Ui& ui);

// The letter group of a call sign: 1 to 26 for the letter 'A' to 'Z' that
// ends the call proper (portable suffixes such as /1, /P or /MM and prefixes
// such as W1/ skipped), 0 for '@'. Any other value means the call has no
// such letter; so does an empty call sign.
int lastLetterGroup(std::string_view callSign);

}  // namespace sorvak
