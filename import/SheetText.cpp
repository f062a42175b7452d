// CUE sheets in any encoding: UTF-16 decoded by Qt, legacy code pages found by uchardet and
// converted by glibc's iconv.
#include "SheetText.h"

#include "TextEncoding.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>
#include <uchardet/uchardet.h>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// U+FFFD, for bytes that are no character of their code page.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
const char* const kWindows1252 = "WINDOWS-1252";

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

// UTF-16 after its byte order mark (which the decoder drops); an odd last byte is dropped and
// a lone surrogate becomes U+FFFD.
std::string FromUtf16(std::string_view bytes, bool bBigEndian)
{
    QStringDecoder decoder(bBigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
    std::string text =
        QString(decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))).toStdString();
    const size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.erase(nul);
    return text;
}

// uchardet's name for the encoding of some text; empty when it has none. One detector serves
// every sheet a thread reads: a new one builds dozens of probers, which would take longer
// than reading a whole sheet.
std::string DetectedCharset(std::string_view text)
{
    thread_local const std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(),
                                                                                      uchardet_delete);
    if (!detector)
        return {};
    uchardet_reset(detector.get());
    if (uchardet_handle_data(detector.get(), text.data(), text.size()) != 0)
        return {};
    uchardet_data_end(detector.get());
    const char* charset = uchardet_get_charset(detector.get());
    return charset ? charset : "";
}

// The code page a sheet was written in, from uchardet's guess. Sheets in a legacy encoding
// come from Windows rippers, which write the system's code page. On the few words of a sheet
// uchardet often takes Western text for a relative of Latin-1 ("Naïve" for IBM852, "Señor"
// for ISO-8859-10): those guesses, UTF without a byte order mark and no guess at all mean
// Windows-1252. The ISO sets of other scripts become their Windows code pages, and Shift-JIS
// becomes Windows' CP932, whose 0x5C is the backslash that glibc's SHIFT_JIS reads as a yen.
std::string CodePage(const std::string& strDetected)
{
    static const std::pair<const char*, const char*> kCodePages[] = {
        {"ASCII", kWindows1252},
        {"ISO-8859-1", kWindows1252},
        {"ISO-8859-2", kWindows1252},
        {"ISO-8859-3", kWindows1252},
        {"ISO-8859-4", kWindows1252},
        {"ISO-8859-10", kWindows1252},
        {"ISO-8859-13", kWindows1252},
        {"ISO-8859-14", kWindows1252},
        {"ISO-8859-15", kWindows1252},
        {"ISO-8859-16", kWindows1252},
        {"IBM850", kWindows1252},
        {"IBM852", kWindows1252},
        {"MAC-CENTRALEUROPE", kWindows1252},
        {"ISO-8859-6", "WINDOWS-1256"},
        {"ISO-8859-7", "WINDOWS-1253"},
        {"ISO-8859-8", "WINDOWS-1255"},
        {"ISO-8859-9", "WINDOWS-1254"},
        {"ISO-8859-11", "CP874"},
        {"TIS-620", "CP874"},
        {"SHIFT_JIS", "CP932"},
        {"EUC-KR", "CP949"},
        {"UHC", "CP949"},
        {"BIG5", "CP950"},
    };
    if (strDetected.empty() || StartsWith(strDetected, "UTF"))
        return kWindows1252;
    for (const auto& [detected, codePage] : kCodePages)
        if (strDetected == detected)
            return codePage;
    return strDetected;
}

struct IconvCloser
{
    void operator()(void* converter) const { iconv_close(static_cast<iconv_t>(converter)); }
};

// An iconv converter from the code page to UTF-8; none for Windows-1252, which the cover's
// own decoder reads, or for a code page glibc does not know. Converters stay open for the
// thread: opening one loads glibc's module for its code page anew.
iconv_t Converter(const std::string& strCodePage)
{
    thread_local std::map<std::string, std::unique_ptr<void, IconvCloser>> converters;
    if (strCodePage == kWindows1252)
        return nullptr;
    auto found = converters.find(strCodePage);
    if (found == converters.end()) {
        const iconv_t converter = iconv_open("UTF-8", strCodePage.c_str());
        found =
            converters.emplace(strCodePage, converter == reinterpret_cast<iconv_t>(-1) ? nullptr : converter)
                .first;
    }
    return found->second.get();
}

// A text through iconv. A byte iconv cannot read (EILSEQ, or EINVAL: a character cut short
// at the text's end) becomes U+FFFD and the conversion goes on after it.
std::string Converted(iconv_t converter, std::string_view text)
{
    iconv(converter, nullptr, nullptr, nullptr, nullptr); // each text starts in the initial state
    std::string utf8;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[512];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, static_cast<size_t>(out - buffer));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            utf8 += kReplacement;
            ++in;
            --inLeft;
        }
    }
    return utf8;
}

} // namespace

std::string SheetLines(std::string_view bytes)
{
    if (StartsWith(bytes, "\xFF\xFE"))
        return FromUtf16(bytes, false);
    if (StartsWith(bytes, "\xFE\xFF"))
        return FromUtf16(bytes, true);
    bytes = bytes.substr(0, bytes.find('\0'));
    if (StartsWith(bytes, kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    return std::string(bytes);
}

void DecodeSheetTexts(const std::vector<std::string*>& texts)
{
    std::string legacy;
    for (const std::string* text : texts)
        if (!IsUtf8(*text))
            legacy.append(*text).append(1, '\n');
    if (legacy.empty())
        return;
    const iconv_t converter = Converter(CodePage(DetectedCharset(legacy)));
    for (std::string* text : texts)
        if (!IsUtf8(*text))
            *text = converter ? Converted(converter, *text) : DecodeCoverText(*text);
}
