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
void OnFileNew(CSorvakDoc& doc, Ui& ui);
void OnFileOpen(CSorvakDoc& doc, Ui& ui);
void OnFileAppend(CSorvakDoc& doc, Ui& ui);
void OnFileMerge(CSorvakDoc& doc, Ui& ui);
void OnImportCcc(CSorvakDoc& doc, Ui& ui);
void OnImportCabrillo(CSorvakDoc& doc, Ui& ui);
void OnImportN1mm(CSorvakDoc& doc, Ui& ui);
void OnImportAdif(CSorvakDoc& doc, Ui& ui);
void OnImportContestData(CSorvakDoc& doc, Ui& ui);
void OnDropFiles(CSorvakDoc& doc, Ui& ui, const std::vector<std::string>& paths);

// The merge command with its file already chosen; what came of the load,
// or nothing when the user cancelled or the file cannot be opened.
std::optional<LoadResult> mergeFile(CSorvakDoc& doc, Ui& ui, const std::string& path);

}  // namespace sorvak
