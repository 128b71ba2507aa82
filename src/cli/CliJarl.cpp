#include "CliJarl.h"

#include "editing/JarlLogForm.h"

namespace sorvak {
namespace {

const JarlFieldInfo* fieldNamed(const std::string& name) {
    for (const JarlFieldInfo& info : jarlFields()) {
        if (name == info.cliName) {
            return &info;
        }
    }
    return nullptr;
}

// "\n" (backslash, n) as a line break.
std::string withLineBreaks(const std::string& value) {
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            text += '\n';
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

}  // namespace

bool applyJarlOptions(const std::vector<std::string>& options, JarlLogForm& form,
                      std::string& error) {
    for (const std::string& option : options) {
        if (option == "checklog") {
            form.checkLog = true;
            continue;
        }
        if (option == "time=jst" || option == "time=utc") {
            form.utcLogSheet = option == "time=utc";
            continue;
        }
        size_t equals = option.find('=');
        const JarlFieldInfo* info =
            equals == std::string::npos ? nullptr : fieldNamed(option.substr(0, equals));
        if (info == nullptr) {
            error = "--jarl takes FIELD=VALUE, checklog or time=jst|utc, not " + option;
            return false;
        }
        std::string value = option.substr(equals + 1);
        if (info->multiLine) {
            value = withLineBreaks(value);
        }
        if (info->field == JarlField::Name) {
            form.setName(value);
        } else {
            form[info->field] = value;
        }
    }
    return true;
}

}  // namespace sorvak
