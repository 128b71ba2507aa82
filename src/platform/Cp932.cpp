#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace sorvak {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the input; an undecodable sequence is replaced by `replacement`
    // and skipped: one byte, and with `skipContinuations` the UTF-8
    // continuation bytes that follow it.
    std::string convert(std::string_view input, std::string_view replacement,
                        bool skipContinuations, bool* replaced = nullptr) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(input.size() * 3 / 2 + 4);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc != static_cast<size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: one bad (or cut) sequence.
            if (replaced != nullptr) {
                *replaced = true;
            }
            out.append(replacement);
            do {
                ++in;
                --inLeft;
            } while (skipContinuations && inLeft > 0 &&
                     (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

}  // namespace

std::string cp932ToUtf8(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.convert(cp932, "\xEF\xBF\xBD", false);
}

std::string utf8ToCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.convert(utf8, "?", true);
}

std::optional<std::string> utf8ToCp932Exactly(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    bool replaced = false;
    std::string cp932 = converter.convert(utf8, "?", true, &replaced);
    if (replaced) {
        return std::nullopt;
    }
    return cp932;
}

}  // namespace sorvak
