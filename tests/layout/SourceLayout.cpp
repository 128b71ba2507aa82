// Reads every source file under src/ and fails, naming the file and line, on
// an #include that runs up the layers or sideways between the programs, and
// on a file of 300 lines or more.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Each folder of src/ and its height: a file may include its own folder and
// the folders lower down. The programs and the tests' Ui share the top and
// never include each other.
const std::map<std::string, int> kLayers = {
    {"platform", 0}, {"model", 1}, {"reports", 2}, {"formats", 3},     {"editing", 4},
    {"commands", 5}, {"app", 6},   {"cli", 6},     {"testsupport", 6},
};

constexpr int kMaxLines = 300;

struct Problem {
    std::string where;
    std::string what;
};

bool mayInclude(const std::string& from, const std::string& to) {
    int fromHeight = kLayers.at(from);
    int toHeight = kLayers.at(to);
    return from == to || toHeight < fromHeight;
}

void checkFile(const fs::path& root, const fs::path& file, std::vector<Problem>& problems) {
    std::string name = fs::relative(file, root).generic_string();
    std::string folder = name.substr(0, name.find('/'));
    if (!kLayers.contains(folder)) {
        problems.push_back({name, "is in a folder that is no layer"});
        return;
    }
    static const std::regex include(R"(^\s*#\s*include\s*"([^/"]+)/[^"]*")");
    std::ifstream in(file);
    std::string line;
    int number = 0;
    std::smatch match;
    while (std::getline(in, line)) {
        ++number;
        if (!std::regex_search(line, match, include)) {
            continue;
        }
        std::string target = match[1].str();
        std::string where = name + ":" + std::to_string(number);
        if (!kLayers.contains(target)) {
            problems.push_back({where, "includes \"" + target + "/\", which is no layer"});
        } else if (!mayInclude(folder, target)) {
            problems.push_back({where, folder + " may not include " + target});
        }
    }
    if (number >= kMaxLines) {
        problems.push_back(
            {name, std::to_string(number) + " lines, " + std::to_string(kMaxLines) + " or more"});
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: source-layout SRC_DIR\n";
        return 2;
    }
    fs::path root = argv[1];
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        auto extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<Problem> problems;
    for (const fs::path& file : files) {
        checkFile(root, file, problems);
    }
    for (const Problem& problem : problems) {
        std::cout << problem.where << ": " << problem.what << "\n";
    }
    std::cout << files.size() << " files, " << problems.size() << " problems\n";
    return problems.empty() ? 0 : 1;
}
