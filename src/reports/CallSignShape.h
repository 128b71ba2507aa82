#pragma once

#include <string_view>

namespace sorvak {

enum class CallShape {
    Empty,
    BadCharacters,  // a blank or a character other than A-Z, 0-9 and '/'
    NotACall,       // not a prefix, a digit and a suffix of one to four letters
    SpecialEvent,   // a longer call: more digits or a longer suffix
    Regular,
};

// The shape of a call sign as logged, portable forms included: CALL/1,
// CALL/P, /M, /MM, /AM, /QRP (any one letter: /A, /D), CALL/KL7 (a prefix
// after the call), W1/CALL (a prefix before it) and PREFIX/CALL/SUFFIX.
CallShape callShape(std::string_view call);

// The call without its portable parts (JA1ABC for JA1ABC/1 and W1/JA1ABC);
// the call itself when it has none or is not a call.
std::string_view baseCall(std::string_view call);

// True for a base call of a Japanese station: JA to JS, 7J to 7N, 8J to 8N.
bool isJapaneseCall(std::string_view base);

}  // namespace sorvak
