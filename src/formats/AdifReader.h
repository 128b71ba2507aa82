#pragma once

#include "formats/AdifLogBuilder.h"

namespace sorvak {

class LoadContext;
class LogSource;
class Ui;

// The refusal of an ADIF file that gave no QSO; the log is left as it was.
inline constexpr const char* kAdifNothingToLoad = "ADIFﾌｧｲﾙから読み込めるQSOﾃﾞｰﾀがありません。";

// Reads a whole ADI or ADX file, told apart by its content, from the source's
// current position. Tells the user where the reading had to stop. Times stay
// UTC as in the file.
AdifLog readAdifFile(LogSource& source, Ui& ui);

// Hands the QSOs of an ADIF file to the context: a load marks the log UTC,
// append and merge move the times onto the log's own clock (+9 hours into a
// JST log). A load takes the file's station call and contest name; append
// and merge fill in only those the log lacks. Then tells how many QSOs were
// left without a band and whether characters were lost.
void addAdifLog(LoadContext& context, AdifLog& log);

// The reader of both ADIF kinds: readAdifFile, then addAdifLog, or the
// refusal when the file gave no QSO. (The load dispatcher runs the two steps
// itself, so that a file whose reading failed is not refused as empty.)
void readAdif(LoadContext& context);

}  // namespace sorvak
