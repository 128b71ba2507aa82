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

std::optional<std::string> utf8ToCp932Exact(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    bool replaced = false;
    std::string out = converter.convert(utf8, "?", true, &replaced);
    if (replaced) {
        return std::nullopt;
    }
    return out;
}

std::string utf8ToCp932(std::string_view utf8, bool& lost) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.convert(utf8, "?", true, &lost);
}

std::string_view wholeCharactersWithin(std::string_view cp932, size_t maxBytes) {
    if (cp932.size() <= maxBytes) {
        return cp932;
    }
    size_t kept = 0;
    while (kept < cp932.size()) {
        auto lead = static_cast<unsigned char>(cp932[kept]);
        size_t width = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
        if (kept + width > maxBytes) {
            break;
        }
        kept += width;
    }
    return cp932.substr(0, kept);
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto byte = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
        unsigned char lead = byte(i);
        size_t length = lead < 0x80                    ? 1
                        : lead >= 0xC2 && lead <= 0xDF ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
        if (length == 0 || bytes.size() - i < length) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) {
                return false;
            }
        }
        // The second byte's range excludes overlong forms, surrogates and
        // code points above U+10FFFF.
        unsigned char second = length > 1 ? byte(i + 1) : 0;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace sorvak
