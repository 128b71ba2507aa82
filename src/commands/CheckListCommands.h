#pragma once

#include <string>

namespace sorvak {

class CSorvakDoc;
class Ui;

// "重複チェックリスト(&C)...": the check-list settings dialog; true when the
// user pressed OK and the settings were stored.
bool checkListSettings(CSorvakDoc& doc, Ui& ui);

// "重複チェックリスト(&D)...": the settings dialog, then the lists, written
// into `folder`.
void writeCheckList(CSorvakDoc& doc, Ui& ui, const std::string& folder);

enum class CheckListOutcome { Written, NoData, WriteFailed };

// Writes one list per band that has QSOs with the stored settings, named
// after the log's file name, into `folder` ("" for the current directory),
// and tells the user which files were written. A call sign without a last
// letter is shown and left out. Stops at the first file that cannot be
// written.
CheckListOutcome writeCheckListFiles(CSorvakDoc& doc, Ui& ui, const std::string& folder);

}  // namespace sorvak
