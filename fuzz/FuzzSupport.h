#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Ui.h"

namespace sorvak::fuzz {

// The fuzzer's input as text.
inline std::string_view textOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A Ui that answers every question Yes/OK, as a user clicking through would,
// cancels every dialog and keeps nothing.
class AgreeingUi : public Ui {
  public:
    Answer ask(const Message& message) override;
    std::optional<std::string> openFileName(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialog&) override { return std::nullopt; }
    bool runDialog(DialogForm&) override { return false; }
    void beginWait() override {}
    void endWait() override {}
};

// A property that failed: prints what was expected and what came, then
// aborts, so the fuzzer keeps the input as it keeps a crash.
[[noreturn]] void propertyFailed(const std::string& what, const std::string& expected,
                                 const std::string& got);

// Fails unless the two are equal.
void expectSame(const std::string& what, const std::string& expected, const std::string& got);

// Seed corpora, by target name (the file name without "fuzz_").
using SeedMaker = std::function<std::vector<std::string>()>;
std::map<std::string, SeedMaker>& seedMakers();

struct SeedRegistration {
    SeedRegistration(const std::string& target, SeedMaker maker);
};

// The seeds of every reader's target, for the targets that meet every kind
// of file.
std::vector<std::string> everyReadersSeeds();

}  // namespace sorvak::fuzz
