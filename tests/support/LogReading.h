#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/FileKind.h"
#include "model/CSorvakDoc.h"
#include "support/TempDir.h"
#include "testsupport/ScriptedUi.h"

namespace sorvak {
class LoadContext;
class Ui;
}  // namespace sorvak

namespace sorvak::test {

using Reader = void (*)(LoadContext&);

// A QSO of 2008-11-22 12:34 with reports 599, on 14 MHz SSB, power P, 2 points.
QsoParts sampleParts(const std::string& callSign);

// Runs `reader` over the file at `path`, as the load dispatcher does after detection.
void readWith(Reader reader, const std::string& path, CSorvakDoc& doc, Ui& ui,
              LoadMode mode = LoadMode::Load);

// Every field of a QSO on one line, for whole-line comparisons:
// "date time|call|srst|sent|rrst|rcvd|multi new|multi2 new2|band|mode|power|points|tx|op|memo".
std::string describe(const QsoRecord& q);

// Sets the file's last modification to noon of 15 June `year` (the same year in any zone).
void setModificationYear(const std::string& path, int year);

// A test that reads log files into a fresh document.
class LogReaderTest : public ::testing::Test {
  protected:
    // Writes `bytes` to the file `name` and reads it with `reader`; a `year`
    // other than 0 becomes the file's modification year first.
    void readBytes(Reader reader, const std::string& name, const std::string& bytes,
                   LoadMode mode = LoadMode::Load, int year = 0);
    // describe() of every QSO of the document, in list order.
    std::vector<std::string> described() const;

    TempDir dir;
    CSorvakDoc doc;
    ScriptedUi ui;
};

}  // namespace sorvak::test
