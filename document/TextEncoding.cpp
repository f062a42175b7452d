#include "TextEncoding.h"

#include <cstdint>
#include <optional>

namespace {

// Windows-1252 differs from Latin-1 in 0x80 to 0x9F; the five unassigned codes stand for
// the C1 controls of the same value, as Windows decodes them.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t FromWindows1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
}

std::optional<unsigned char> ToWindows1252(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<unsigned char>(code);
    for (unsigned char i = 0; i < 32; ++i)
        if (kHigh[i] == code)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The next character of a UTF-8 text at i (moved past it), or none when the bytes there are
// not well-formed UTF-8 (overlong forms, surrogates and values beyond U+10FFFF included).
std::optional<char32_t> NextUtf8(std::string_view text, size_t& i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + static_cast<size_t>(length) > text.size())
        return std::nullopt;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + static_cast<size_t>(k)) & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (byte(i + static_cast<size_t>(k)) & 0x3F);
    }
    static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    i += static_cast<size_t>(length);
    return code;
}

} // namespace

bool IsUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80)
            ++i; // ASCII, most of any text, without decoding it
        else if (!NextUtf8(text, i))
            return false;
    }
    return true;
}

std::string DecodeCoverText(std::string_view bytes)
{
    if (IsUtf8(bytes))
        return std::string(bytes);
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes)
        AppendUtf8(utf8, FromWindows1252(static_cast<unsigned char>(c)));
    return utf8;
}

std::string EncodeCoverText(std::string_view utf8)
{
    std::string windows;
    windows.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> code = NextUtf8(utf8, i);
        const std::optional<unsigned char> byte = code ? ToWindows1252(*code) : std::nullopt;
        if (!byte)
            return std::string(utf8); // a character Windows-1252 has no code for: UTF-8 it stays
        windows += static_cast<char>(*byte);
    }
    // Windows-1252 bytes that also read as UTF-8 ("Ã©" is the UTF-8 of "é") would come back
    // as another text: such a text is written as UTF-8, which reads back as itself.
    return IsUtf8(windows) && windows != utf8 ? std::string(utf8) : windows;
}
