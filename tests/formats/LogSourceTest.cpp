#include "formats/LogSource.h"

#include <gtest/gtest.h>

#include "commands/FileLoad.h"
#include "support/LogReading.h"

namespace sorvak {
namespace {

// Every line, then a whole read after a rewind, as the readers take them.
std::vector<std::string> linesAndBytes(LogSource& source) {
    std::vector<std::string> seen;
    std::string line;
    while (source.readLine(line)) {
        seen.push_back(line);
    }
    source.rewind();
    std::string bytes(2000, '\0');
    bytes.resize(source.read(bytes.data(), bytes.size()));
    seen.push_back(bytes);
    seen.push_back(std::to_string(source.read(bytes.data(), 1)));
    return seen;
}

// Line ends, NUL bytes, lines as long as a reader takes, with their line
// feed and without, a longer one and a last line without its line feed.
const std::string kBytes =
    "one\r\ntwo\n\r\n" + std::string("a\0b", 3) + "\n" + std::string(LogSource::kMaxLine - 1, 'y') +
    "\n" + std::string(LogSource::kMaxLine, 'z') + "\n" + std::string(300, 'x') + "\nlast\r";

TEST(LogSource, BytesInMemoryReadAsTheSameFile) {
    test::TempDir dir;
    LogSource file(dir.write("log.txt", kBytes));
    LogSource memory = LogSource::fromBytes(kBytes, "log.txt");
    ASSERT_TRUE(memory.isOpen());
    std::vector<std::string> seen = linesAndBytes(memory);
    EXPECT_EQ(seen, linesAndBytes(file));
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_FALSE(memory.failed());
    EXPECT_FALSE(memory.modificationTime());
    EXPECT_TRUE(file.modificationTime());
}

TEST(LogSource, ALoadFromMemoryIsTheLoadOfTheFile) {
    const std::string log =
        "Quog for Windows \r\n"
        "2008/11/22 12:34 JA1ABC       599 10H     599 12M     12    -     7    CW   1  hello\r\n";
    test::TempDir dir;
    CSorvakDoc fromFile, fromMemory;
    ScriptedUi ui;
    FileLoad(fromFile, ui, dir.write("log.all", log), LoadMode::Load);
    LogSource source = LogSource::fromBytes(log, dir.file("log.all"));
    auto result = FileLoad(fromMemory, ui, source, LoadMode::Load);
    ASSERT_TRUE(result && result->taken);
    EXPECT_EQ(result->kind, KIND_ALL);
    ASSERT_EQ(fromMemory.count(), 1u);
    EXPECT_EQ(test::describe(fromMemory.at(0)), test::describe(fromFile.at(0)));
    EXPECT_EQ(fromMemory.title(), fromFile.title());
}

}  // namespace
}  // namespace sorvak
