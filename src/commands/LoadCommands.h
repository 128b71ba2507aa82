#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/FileLoad.h"

namespace sorvak {

class CSorvakDoc;
class Ui;

// The document's commands that fill it from files. Each talks only through
// the Ui and refreshes the views when it changed the document.
void onFileNew(CSorvakDoc& doc, Ui& ui);
void onFileOpen(CSorvakDoc& doc, Ui& ui);
void onFileAppend(CSorvakDoc& doc, Ui& ui);
void onFileMerge(CSorvakDoc& doc, Ui& ui);
void onImportCcc(CSorvakDoc& doc, Ui& ui);
void onImportCabrillo(CSorvakDoc& doc, Ui& ui);
void onImportN1mm(CSorvakDoc& doc, Ui& ui);
void onImportAdif(CSorvakDoc& doc, Ui& ui);
void onImportContestData(CSorvakDoc& doc, Ui& ui);
void onDropFiles(CSorvakDoc& doc, Ui& ui, const std::vector<std::string>& paths);

// The merge command with its file already chosen; what came of the load,
// or nothing when the user cancelled or the file cannot be opened.
std::optional<LoadResult> mergeFile(CSorvakDoc& doc, Ui& ui, const std::string& path);

}  // namespace sorvak
