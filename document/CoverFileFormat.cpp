#include "CoverFileFormat.h"

#include "QtConvert.h"
#include "TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

// One entry of the header: its key and the value as written.
struct CoverEntry
{
    std::string_view key;
    std::string value;
};

constexpr size_t kEntryCount = 33;

// The keys the reader never reads: their values keep the defaults of a reset cover.
constexpr std::array<std::string_view, 4> kUnreadKeys = {"fShowBorder", "bShowBorder", "frontCoverSpinesOn",
                                                         "backCoverSpinesOn"};

bool IsReadKey(std::string_view key)
{
    return std::find(kUnreadKeys.begin(), kUnreadKeys.end(), key) == kUnreadKeys.end();
}

// The words a user knows a text field by; null for keys whose values are not texts.
const char* TextFieldName(std::string_view key)
{
    static const std::pair<std::string_view, const char*> kNames[] = {
        {"fImagePath", "front picture path"},
        {"bImagePath", "back picture path"},
        {"fCoverText", "front cover text"},
        {"bCoverText", "back cover text"},
        {"fCoverTitle", "front title"},
        {"bCoverTitle", "back title"},
        {"fCoverTextFontName", "front font name"},
        {"bCoverTextFontName", "back font name"},
        {"fCoverTextFontFace", "front text font"},
        {"bCoverTextFontFace", "back text font"},
        {"frontCoverSpineText", "front spine text"},
        {"backCoverSpineText", "back spine text"},
    };
    for (const auto& [name, words] : kNames) {
        if (name == key)
            return words;
    }
    return nullptr;
}

// Signed 32-bit decimal, as "%ld" writes it on Windows; a COLORREF above 0x7FFFFFFF (never
// a real colour) comes out negative and reads back to the same bits.
std::string Integer(int64_t value)
{
    return std::to_string(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

std::string TrueFalse(BYTE flag)
{
    return flag ? "TRUE" : "FALSE";
}

// A shown border is written as the character with code 1. A hidden one is written as "0":
// never as code 0, which would end the header for a reader that stops at the first NUL.
std::string BorderByte(bool shown)
{
    return shown ? std::string(1, '\x01') : std::string("0");
}

// The face name up to its terminator. The last of the 32 bytes is the terminator's place, so
// a field filled to the end without one still gives the 31 characters a load can restore.
std::string FaceName(const LOGFONT& lf)
{
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE - 1));
}

std::array<CoverEntry, kEntryCount> CoverEntries(const CoverState& c)
{
    const LOGFONT& f = c.fCoverTextFont;
    const LOGFONT& b = c.bCoverTextFont;
    return {{
        {"covertype", Integer(c.covertype)},
        {"fBGColor", Integer(c.fBGColor)},
        {"bBGColor", Integer(c.bBGColor)},
        {"fShowBorder", BorderByte(c.fShowBorder)},
        {"bShowBorder", BorderByte(c.bShowBorder)},
        {"fImagePath", c.fImagePath},
        {"bImagePath", c.bImagePath},
        {"fCoverText", EncodeCoverText(c.fCoverText)},
        {"bCoverText", EncodeCoverText(c.bCoverText)},
        {"fCoverTitle", EncodeCoverText(c.fCoverTitle)},
        {"bCoverTitle", EncodeCoverText(c.bCoverTitle)},
        {"fCoverTextFontName", EncodeCoverText(c.fCoverTextFontName)},
        {"bCoverTextFontName", EncodeCoverText(c.bCoverTextFontName)},
        {"fCoverTextColor", Integer(c.fCoverTextColor)},
        {"bCoverTextColor", Integer(c.bCoverTextColor)},
        {"fCoverTextFontFace", EncodeCoverText(FaceName(f))},
        {"bCoverTextFontFace", EncodeCoverText(FaceName(b))},
        {"fCoverTextFontHeight", Integer(f.lfHeight)},
        {"bCoverTextFontHeight", Integer(b.lfHeight)},
        {"fCoverTextFontWeight", Integer(f.lfWeight)},
        {"bCoverTextFontWeight", Integer(b.lfWeight)},
        {"fCoverTextFontItalic", TrueFalse(f.lfItalic)},
        {"bCoverTextFontItalic", TrueFalse(b.lfItalic)},
        {"fCoverTextFontStrikeout", TrueFalse(f.lfStrikeOut)},
        {"bCoverTextFontStrikeout", TrueFalse(b.lfStrikeOut)},
        {"fCoverTextFontUnderline", TrueFalse(f.lfUnderline)},
        {"bCoverTextFontUnderline", TrueFalse(b.lfUnderline)},
        {"bFrontPrintOverSpines", c.bFrontPrintOverSpines ? "1" : "0"},
        {"bBackPrintOverSpines", c.bBackPrintOverSpines ? "1" : "0"},
        {"frontCoverSpinesOn", TrueFalse(c.frontCoverSpinesOn)},
        {"backCoverSpinesOn", TrueFalse(c.backCoverSpinesOn)},
        {"frontCoverSpineText", EncodeCoverText(c.frontCoverSpineText)},
        {"backCoverSpineText", EncodeCoverText(c.backCoverSpineText)},
    }};
}

// FindMarker over a view.
long FindIn(std::string_view range, std::string_view marker)
{
    // Only a range of two bytes or more has a position 0 to count - 2. For markers of two
    // bytes or more, lying wholly inside the range already keeps the start there; a one-byte
    // marker must additionally not start on the last byte.
    if (range.size() < 2)
        return -1;
    if (marker.empty())
        return 0;
    const size_t searched = marker.size() == 1 ? range.size() - 1 : range.size();
    const void* hit = memmem(range.data(), searched, marker.data(), marker.size());
    return hit ? static_cast<const char*>(hit) - range.data() : -1;
}

// The first occurrence of a marker anywhere in the text, -1 when there is none; one memmem
// pass, where a search character by character would compare at every "[".
long FirstOccurrence(std::string_view text, std::string_view marker)
{
    const void* hit = memmem(text.data(), text.size(), marker.data(), marker.size());
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

// The first occurrence of each picture marker in the whole file, in the order front start,
// front end, back start, back end; -1 for a marker that is missing. One pass finds all four:
// every marker starts with "[", so only the places of that byte need comparing, and a file
// that is mostly pictures is read once instead of once per marker.
std::array<long, 4> FindPictureMarkers(std::string_view bytes)
{
    static constexpr std::array<std::string_view, 4> kMarkers = {kFrontPictureMarker, kFrontPictureEndMarker,
                                                                 kBackPictureMarker, kBackPictureEndMarker};
    std::array<long, 4> found = {-1, -1, -1, -1};
    size_t missing = found.size();
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    for (const char* p = begin; missing > 0 && p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '[', static_cast<size_t>(end - p)));
        if (p == nullptr)
            break;
        // In picture bytes most "[" start no marker; the byte after it rules out nearly all.
        if (end - p < 2 || (p[1] != 'I' && p[1] != 'E'))
            continue;
        for (size_t i = 0; i < kMarkers.size(); ++i) {
            const std::string_view marker = kMarkers[i];
            if (found[i] < 0 && static_cast<size_t>(end - p) >= marker.size() &&
                std::memcmp(p, marker.data(), marker.size()) == 0) {
                found[i] = p - begin;
                --missing;
            }
        }
    }
    return found;
}

// The bytes between a picture's markers; none when either is missing or the end marker
// stands before the picture's start, which would be a negative length.
std::string_view PictureSection(std::string_view bytes, long start, size_t openSize, long end)
{
    if (start < 0 || end < 0 || end < start + static_cast<long>(openSize))
        return {};
    const size_t first = static_cast<size_t>(start) + openSize;
    return bytes.substr(first, static_cast<size_t>(end) - first);
}

bool IsWholeSection(long start, size_t openSize, long end)
{
    return start >= 0 && end >= start + static_cast<long>(openSize);
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool IsAsciiLetterOrDigit(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
}

// Flags written as TRUE/FALSE are false only for exactly "FALSE", those written as 1/0
// only for exactly "0"; anything else, a missing value included, is true.
BYTE TrueUnlessFalse(std::string_view value)
{
    return value == "FALSE" ? 0 : 1;
}

bool TrueUnlessZero(std::string_view value)
{
    return value != "0";
}

// Copies a face name (UTF-8) into the 32-byte LOGFONT field. A longer name is cut at 31
// bytes, before the character that would be split.
void SetCoverFaceName(LOGFONT& lf, std::string_view face)
{
    size_t length = std::min<size_t>(face.size(), LF_FACESIZE - 1);
    if (length < face.size()) {
        while (length > 0 && (static_cast<unsigned char>(face[length]) & 0xC0) == 0x80)
            --length;
    }
    SetFaceName(lf, std::string(face.substr(0, length)));
}

std::string Text(std::string_view header, std::string_view key)
{
    return DecodeCoverText(ReadCoverValue(header, key));
}

// A font's height or weight from a file, within what a font can be: a height beyond 16384
// pixels either way (a page of text in one letter) is no font, and the drawing code
// multiplies heights by the points in an inch.
constexpr int32_t kLargestFontHeight = 16384;

int32_t FontMeasure(std::string_view header, std::string_view key, int32_t nLargest)
{
    return std::clamp(ReadCoverInteger(ReadCoverValue(header, key)), -nLargest, nLargest);
}

COLORREF Colour(std::string_view header, std::string_view key)
{
    return static_cast<COLORREF>(ReadCoverInteger(ReadCoverValue(header, key)));
}

bool SameFont(const LOGFONT& a, const LOGFONT& b)
{
    return FaceName(a) == FaceName(b) && a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight &&
           !a.lfItalic == !b.lfItalic && !a.lfUnderline == !b.lfUnderline && !a.lfStrikeOut == !b.lfStrikeOut;
}

// Every field the reader takes from a header holds the same in both covers.
bool SameReadFields(const CoverState& a, const CoverState& b)
{
    return a.covertype == b.covertype && a.fBGColor == b.fBGColor && a.bBGColor == b.bBGColor &&
           a.fCoverText == b.fCoverText && a.bCoverText == b.bCoverText && a.fCoverTitle == b.fCoverTitle &&
           a.bCoverTitle == b.bCoverTitle && a.fCoverTextFontName == b.fCoverTextFontName &&
           a.bCoverTextFontName == b.bCoverTextFontName && a.fCoverTextColor == b.fCoverTextColor &&
           a.bCoverTextColor == b.bCoverTextColor && SameFont(a.fCoverTextFont, b.fCoverTextFont) &&
           SameFont(a.bCoverTextFont, b.bCoverTextFont) &&
           a.bFrontPrintOverSpines == b.bFrontPrintOverSpines &&
           a.bBackPrintOverSpines == b.bBackPrintOverSpines &&
           a.frontCoverSpineText == b.frontCoverSpineText && a.backCoverSpineText == b.backCoverSpineText;
}

// Whether the header, followed by two empty picture sections, splits where it was written:
// its own "[END]" ends it and each section starts right after its own marker.
bool SplitsAsWritten(std::string_view header)
{
    std::string file(header);
    file.append(kFrontPictureMarker).append(kFrontPictureEndMarker);
    file.append(kBackPictureMarker).append(kBackPictureEndMarker);
    const CoverFileParts parts = SplitCoverFile(file);
    const size_t front = header.size() + kFrontPictureMarker.size();
    const size_t back = front + kFrontPictureEndMarker.size() + kBackPictureMarker.size();
    return parts.bHasHeader && parts.header.size() + kHeaderEndMarker.size() == header.size() &&
           parts.frontPicture.data() == file.data() + front && parts.backPicture.data() == file.data() + back;
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// The earliest characters in the text of entry `index` that a header cannot carry: a NUL
// byte, the header's end, a picture marker, the closing marker of this or a later entry that
// is read back, or the opening marker of a later one. Earlier entries' markers are harmless:
// the reader takes the first occurrence of each, and that is the real one.
std::string UnstorableCharacters(const std::array<CoverEntry, kEntryCount>& entries, size_t index)
{
    const std::string_view value = entries[index].value;
    size_t earliest = std::string_view::npos;
    std::string what;
    const auto consider = [&](std::string_view marker, const std::string& description) {
        const size_t at = value.find(marker);
        if (at < earliest) {
            earliest = at;
            what = description;
        }
    };
    consider(std::string_view("\0", 1), "a NUL character (code 0)");
    for (std::string_view marker : {kHeaderEndMarker, kFrontPictureMarker, kFrontPictureEndMarker,
                                    kBackPictureMarker, kBackPictureEndMarker})
        consider(marker, Quoted(marker));
    for (size_t k = index; k < kEntryCount; ++k) {
        const std::string key(entries[k].key);
        if (!IsReadKey(key))
            continue;
        consider("[END" + key + "]", Quoted("[END" + key + "]"));
        if (k > index)
            consider("[" + key + "]", Quoted("[" + key + "]"));
    }
    return what;
}

// The first text field, in the order of the header, holding characters that cut or shift
// the values read back.
CoverStorageFault NameUnstorableField(const CoverState& cover)
{
    const std::array<CoverEntry, kEntryCount> entries = CoverEntries(cover);
    for (size_t i = 0; i < kEntryCount; ++i) {
        const char* field = TextFieldName(entries[i].key);
        if (field == nullptr)
            continue;
        std::string characters = UnstorableCharacters(entries, i);
        if (!characters.empty())
            return {field, characters};
    }
    return {"cover's text", "characters that a cover file uses as its markers"};
}

} // namespace

std::string BuildCoverHeader(const CoverState& cover)
{
    std::string header = "[BEGIN]";
    for (const CoverEntry& entry : CoverEntries(cover)) {
        header.append("[").append(entry.key).append("]=");
        header.append(entry.value);
        header.append("[END").append(entry.key).append("]");
    }
    header.append(kHeaderEndMarker);
    return header;
}

long FindMarker(const char* pStart, long nCount, const char* pszMarker)
{
    if (pStart == nullptr || pszMarker == nullptr || nCount < 2)
        return -1;
    return FindIn(std::string_view(pStart, static_cast<size_t>(nCount)), pszMarker);
}

CoverFileParts SplitCoverFile(std::string_view bytes)
{
    CoverFileParts parts;
    // "[END]" counts only before the first NUL byte: the header is one terminated string.
    const void* nul = std::memchr(bytes.data(), 0, bytes.size());
    const size_t text =
        nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()) : bytes.size();
    const long end = FindIn(bytes.substr(0, text), kHeaderEndMarker);
    if (end < 0)
        return parts;
    parts.bHasHeader = true;
    parts.header = bytes.substr(0, static_cast<size_t>(end));
    const std::array<long, 4> markers = FindPictureMarkers(bytes);
    parts.frontPicture = PictureSection(bytes, markers[0], kFrontPictureMarker.size(), markers[1]);
    parts.backPicture = PictureSection(bytes, markers[2], kBackPictureMarker.size(), markers[3]);
    parts.bFrontSectionWhole = IsWholeSection(markers[0], kFrontPictureMarker.size(), markers[1]);
    parts.bBackSectionWhole = IsWholeSection(markers[2], kBackPictureMarker.size(), markers[3]);
    return parts;
}

std::string_view ReadCoverValue(std::string_view header, std::string_view key)
{
    const std::string open = "[" + std::string(key) + "]";
    const std::string close = "[END" + std::string(key) + "]";
    const long opening = FirstOccurrence(header, open);
    if (opening < 0)
        return {};
    // The value starts after the opening marker and the one character ("=") that follows it.
    const size_t start = static_cast<size_t>(opening) + open.size() + 1;
    const long end = FirstOccurrence(header, close);
    if (end < 0 || static_cast<size_t>(end) < start)
        return {};
    return header.substr(start, static_cast<size_t>(end) - start);
}

int32_t ReadCoverInteger(std::string_view value)
{
    constexpr int64_t kLimit = int64_t{1} << 31; // enough to tell any overflow from a fit
    size_t i = 0;
    while (i < value.size() && IsBlank(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    int64_t magnitude = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (value[i] - '0'), kLimit);
    const int64_t signedValue = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(signedValue, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void ApplyCoverHeader(std::string_view header, CoverState& cover)
{
    cover.covertype = static_cast<CoverType>(ReadCoverInteger(ReadCoverValue(header, "covertype")));
    cover.fCoverText = Text(header, "fCoverText");
    cover.bCoverText = Text(header, "bCoverText");
    cover.fCoverTitle = Text(header, "fCoverTitle");
    cover.bCoverTitle = Text(header, "bCoverTitle");
    cover.frontCoverSpineText = Text(header, "frontCoverSpineText");
    cover.backCoverSpineText = Text(header, "backCoverSpineText");
    cover.bFrontPrintOverSpines = TrueUnlessZero(ReadCoverValue(header, "bFrontPrintOverSpines"));
    cover.bBackPrintOverSpines = TrueUnlessZero(ReadCoverValue(header, "bBackPrintOverSpines"));
    cover.fBGColor = Colour(header, "fBGColor");
    cover.bBGColor = Colour(header, "bBGColor");
    cover.fCoverTextFontName = Text(header, "fCoverTextFontName");
    cover.bCoverTextFontName = Text(header, "bCoverTextFontName");
    cover.fCoverTextColor = Colour(header, "fCoverTextColor");
    cover.bCoverTextColor = Colour(header, "bCoverTextColor");
    LOGFONT& f = cover.fCoverTextFont;
    LOGFONT& b = cover.bCoverTextFont;
    SetCoverFaceName(f, Text(header, "fCoverTextFontFace"));
    SetCoverFaceName(b, Text(header, "bCoverTextFontFace"));
    f.lfHeight = FontMeasure(header, "fCoverTextFontHeight", kLargestFontHeight);
    b.lfHeight = FontMeasure(header, "bCoverTextFontHeight", kLargestFontHeight);
    f.lfWeight = std::max(0, FontMeasure(header, "fCoverTextFontWeight", FW_HEAVY));
    b.lfWeight = std::max(0, FontMeasure(header, "bCoverTextFontWeight", FW_HEAVY));
    f.lfItalic = TrueUnlessFalse(ReadCoverValue(header, "fCoverTextFontItalic"));
    b.lfItalic = TrueUnlessFalse(ReadCoverValue(header, "bCoverTextFontItalic"));
    f.lfUnderline = TrueUnlessFalse(ReadCoverValue(header, "fCoverTextFontUnderline"));
    b.lfUnderline = TrueUnlessFalse(ReadCoverValue(header, "bCoverTextFontUnderline"));
    f.lfStrikeOut = TrueUnlessFalse(ReadCoverValue(header, "fCoverTextFontStrikeout"));
    b.lfStrikeOut = TrueUnlessFalse(ReadCoverValue(header, "bCoverTextFontStrikeout"));
}

std::string PictureExtension(std::string_view header, std::string_view pathKey)
{
    // The extension names a file inside the extraction folder, so it is held to a plain
    // suffix: a separator, "..", a blank or a control character never gets through.
    const std::string_view path = ReadCoverValue(header, pathKey);
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return ".tmp";
    const std::string_view extension = path.substr(dot);
    const bool plain = extension.size() >= 2 && extension.size() <= 16 &&
                       std::all_of(extension.begin() + 1, extension.end(), IsAsciiLetterOrDigit);
    return plain ? std::string(extension) : std::string(".tmp");
}

CoverStorageFault CheckCoverHeader(const CoverState& cover, const std::string& header)
{
    if (SplitsAsWritten(header)) {
        CoverState readBack = cover;
        const std::string_view text =
            std::string_view(header).substr(0, header.size() - kHeaderEndMarker.size());
        ApplyCoverHeader(text, readBack);
        if (SameReadFields(cover, readBack) && ReadCoverValue(text, "fImagePath") == cover.fImagePath &&
            ReadCoverValue(text, "bImagePath") == cover.bImagePath)
            return {};
    }
    return NameUnstorableField(cover);
}

std::string_view FindPictureFault(std::string_view picture, CoverSide side)
{
    // The reader takes the first occurrence of each marker in the whole file, so a marker
    // inside the front picture ends it early or moves the back one; inside the back picture
    // only its own end marker matters.
    std::string_view fault;
    long earliest = -1;
    const auto consider = [&](std::string_view marker) {
        const long at = FindIn(picture, marker);
        if (at >= 0 && (earliest < 0 || at < earliest)) {
            earliest = at;
            fault = marker;
        }
    };
    if (side == CoverSide::Front) {
        consider(kFrontPictureEndMarker);
        consider(kBackPictureMarker);
    }
    consider(kBackPictureEndMarker);
    return fault;
}
