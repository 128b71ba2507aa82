#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "testsupport/ScriptedUi.h"

namespace sorvak::fuzz {

// Writes the fuzzer's input to a file of its own (named with `extension`) and
// returns its path; the file is rewritten on every call.
std::string writeInput(const uint8_t* data, size_t size, const std::string& extension);

// A Ui that answers every question Yes/OK, as a user clicking through would.
class AgreeingUi : public ScriptedUi {
  public:
    Answer ask(const Message& message) override;
};

// Seed corpora, by target name (the file name without "fuzz_").
using SeedMaker = std::function<std::vector<std::string>()>;
std::map<std::string, SeedMaker>& seedMakers();

struct SeedRegistration {
    SeedRegistration(const std::string& target, SeedMaker maker);
};

}  // namespace sorvak::fuzz
