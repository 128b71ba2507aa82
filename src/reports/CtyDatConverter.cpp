#include "reports/CtyDatConverter.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>
#include <vector>

#include "platform/Cp932.h"
#include "platform/TextFormat.h"
#include "reports/TextLines.h"

namespace sorvak {
namespace {

constexpr size_t kNameWidth = 25;
constexpr size_t kPrefixLineWidth = 78;
constexpr std::string_view kIndent = "    ";
constexpr std::string_view kEndLine = "end of";

struct Entity {
    std::string name;
    int cqZone = 0;
    std::string continent;
    std::string primaryPrefix;
};

// The prefixes of one entity that share a continent.
struct PrefixGroup {
    std::string continent;
    std::vector<std::string> prefixes;
};

// The fields of an entity line, blanks trimmed; fewer than eight when the
// line is not one.
std::vector<std::string_view> entityFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t pos = 0;
    size_t colon;
    while ((colon = line.find(':', pos)) != std::string_view::npos) {
        fields.push_back(trimBlanks(line.substr(pos, colon - pos)));
        pos = colon + 1;
    }
    return fields;
}

int numberOf(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The name as it fits the header: blanks made single spaces, at most 25
// characters, no blank at the end, and never beginning with the "end of"
// that ends the country file (its first letter is made upper case).
std::string headerName(std::string_view name) {
    std::string fitted;
    for (char c : trimBlanks(name)) {
        if (!isBlank(c)) {
            fitted += c;
        } else if (!fitted.empty() && fitted.back() != ' ') {
            fitted += ' ';
        }
    }
    fitted.resize(wholeCharactersWithin(fitted, kNameWidth).size());
    while (!fitted.empty() && fitted.back() == ' ') {
        fitted.pop_back();
    }
    if (fitted.starts_with(kEndLine)) {
        fitted[0] = 'E';
    }
    return fitted;
}

// An alias without its marks: the text before the first mark, and the
// continent of a "{cc}" mark, if any.
struct Alias {
    std::string_view prefix;
    std::string_view continent;
};

Alias aliasOf(std::string_view text) {
    Alias alias;
    size_t marks = text.find_first_of("([<{~");
    alias.prefix = text.substr(0, marks);
    size_t open = text.find('{');
    size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close != std::string_view::npos) {
        alias.continent = trimBlanks(text.substr(open + 1, close - open - 1));
    }
    return alias;
}

class Converter {
  public:
    CtyDatConversion run(std::string_view ctyDat);

  private:
    void convertEntity(const Entity& entity, std::string_view aliases);
    void writeBlock(const Entity& entity, const PrefixGroup& group);

    CtyDatConversion out_;
    std::unordered_set<std::string> taken_;
};

CtyDatConversion Converter::run(std::string_view ctyDat) {
    out_.bytes = "cqww.dat\r\n";
    std::vector<std::string_view> lines;
    TextLines reader(ctyDat);
    for (std::string_view line; reader.next(line);) {
        lines.push_back(line);
    }
    size_t i = 0;
    while (i < lines.size()) {
        std::string_view line = lines[i++];
        if (trimBlanks(line).empty()) {
            continue;
        }
        auto fields = entityFields(line);
        if (fields.size() < 8) {
            // Neither an entity nor its aliases: skipped alone, so that the
            // entity after it is kept.
            out_.skippedLines.push_back(i);
            continue;
        }
        // The aliases run up to the first ';', over as many lines as they take,
        // but never into the next entity's line; a line end also parts two
        // aliases, so that a line without its final ',' does not glue its last
        // alias to the next line's first.
        std::string aliases;
        while (aliases.find(';') == std::string::npos && i < lines.size() &&
               entityFields(lines[i]).size() < 8) {
            aliases.append(lines[i++]).append(",");
        }
        std::string_view primary = fields[7];
        if (primary.starts_with('*')) {
            primary.remove_prefix(1);
        }
        convertEntity(Entity{headerName(fields[0]), numberOf(fields[1]), std::string(fields[3]),
                             std::string(primary)},
                      aliases);
    }
    return std::move(out_);
}

void Converter::convertEntity(const Entity& entity, std::string_view aliases) {
    std::vector<PrefixGroup> groups{{entity.continent, {}}};
    aliases = aliases.substr(0, aliases.find(';'));
    size_t pos = 0;
    while (pos <= aliases.size()) {
        size_t comma = aliases.find(',', pos);
        std::string_view text =
            trimBlanks(aliases.substr(pos, comma == std::string_view::npos ? comma : comma - pos));
        pos = comma == std::string_view::npos ? aliases.size() + 1 : comma + 1;
        if (text.empty()) {
            continue;
        }
        if (text.starts_with('=')) {
            ++out_.exactCalls;
            continue;
        }
        Alias alias = aliasOf(text);
        if (alias.prefix.empty()) {
            continue;
        }
        if (!taken_.emplace(alias.prefix).second) {
            ++out_.repeatedPrefixes;
            continue;
        }
        std::string_view continent = alias.continent.empty() ? entity.continent : alias.continent;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const PrefixGroup& g) { return g.continent == continent; });
        if (group == groups.end()) {
            groups.push_back({std::string(continent), {}});
            group = groups.end() - 1;
        }
        group->prefixes.emplace_back(alias.prefix);
        ++out_.prefixes;
    }
    ++out_.entities;
    if (groups.front().prefixes.empty() && groups.size() == 1) {
        ++out_.entitiesWithoutPrefix;
    }
    out_.continentBlocks += groups.size() - 1;
    for (const auto& group : groups) {
        writeBlock(entity, group);
    }
}

void Converter::writeBlock(const Entity& entity, const PrefixGroup& group) {
    out_.bytes += formatText("%-25s %2d   %-6s %s\r\n", entity.name.c_str(), entity.cqZone,
                             entity.primaryPrefix.c_str(), group.continent.c_str());
    std::string line(kIndent);
    for (size_t i = 0; i < group.prefixes.size(); ++i) {
        const std::string& prefix = group.prefixes[i];
        if (line.size() > kIndent.size() && line.size() + prefix.size() + 1 > kPrefixLineWidth) {
            out_.bytes += line + "\r\n";
            line = kIndent;
        }
        line += prefix;
        line += i + 1 < group.prefixes.size() ? ',' : ';';
    }
    if (group.prefixes.empty()) {
        line += ';';
    }
    out_.bytes += line + "\r\n";
}

}  // namespace

CtyDatConversion convertCtyDat(std::string_view ctyDat) {
    return Converter().run(ctyDat);
}

}  // namespace sorvak
