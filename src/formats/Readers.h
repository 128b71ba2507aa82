#pragma once

namespace sorvak {

class LoadContext;

// The readers of the text and foreign logs. Each reads from the context's
// file to its end and hands every QSO to LoadContext::add.
void readAllLog(LoadContext& context);
void readDosLog(LoadContext& context);
void readCabrillo(LoadContext& context);
void readN1mmLog(LoadContext& context);
void readCccLog(LoadContext& context);
// ADI and ADX files (AdifReader.h).
void readAdif(LoadContext& context);

}  // namespace sorvak
