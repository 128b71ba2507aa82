#pragma once

#include <string_view>

namespace sorvak {

class AdifLogBuilder;
class Ui;

// Reads the records of an ADI file's text into the builder: the header up to
// <EOH> is skipped, each <EOR> ends a record, field values are taken by their
// byte lengths. A length that runs past the end of the file ends the reading
// with a message naming the record.
void readAdiRecords(std::string_view text, AdifLogBuilder& builder, Ui& ui);

// Reads the records of an ADX (ADIF XML) file; a file that is not well-formed
// XML gives no record and a message naming the line.
void readAdxRecords(std::string_view bytes, AdifLogBuilder& builder, Ui& ui);

}  // namespace sorvak
