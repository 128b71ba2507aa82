#include "formats/Readers.h"

// Readers still to come read nothing, like a kind without a reader.
namespace sorvak {

void readAllLog(LoadContext&) {}
void readDosLog(LoadContext&) {}
void readCabrillo(LoadContext&) {}
void readN1mmLog(LoadContext&) {}
void readCccLog(LoadContext&) {}

}  // namespace sorvak
