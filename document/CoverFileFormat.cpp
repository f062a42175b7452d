#include "CoverFileFormat.h"

#include "CoverFields.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

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

// The earliest characters in the value of field `index` that a header cannot carry: a NUL
// byte, the header's end, a picture marker, the closing marker of this or a later key that
// is read back, or the opening marker of a later one. Earlier keys' markers are harmless:
// the reader takes the first occurrence of each, and that is the real one.
std::string UnstorableCharacters(const CoverState& cover, size_t index)
{
    const std::array<CoverField, kCoverFieldCount>& fields = CoverFields();
    const std::string value = fields[index].write(cover);
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
    for (size_t k = index; k < kCoverFieldCount; ++k) {
        if (fields[k].load == CoverFieldLoad::Never)
            continue;
        const std::string key(fields[k].key);
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
    const std::array<CoverField, kCoverFieldCount>& fields = CoverFields();
    for (size_t i = 0; i < kCoverFieldCount; ++i) {
        if (fields[i].pszTextName == nullptr)
            continue;
        std::string characters = UnstorableCharacters(cover, i);
        if (!characters.empty())
            return {fields[i].pszTextName, characters};
    }
    return {"cover's text", "characters that a cover file uses as its markers"};
}

// Whether every key that is read gives back what the cover holds: the fields a load stores
// and the picture paths as they were saved.
bool ReadsBackUnchanged(const CoverState& cover, std::string_view header)
{
    CoverState readBack = cover;
    for (const CoverField& field : CoverFields()) {
        if (field.read)
            field.read(ReadCoverValue(header, field.key), readBack);
    }
    return std::all_of(CoverFields().begin(), CoverFields().end(),
                       [&](const CoverField& field) { return !field.same || field.same(cover, readBack); });
}

} // namespace

std::string BuildCoverHeader(const CoverState& cover)
{
    std::string header = "[BEGIN]";
    for (const CoverField& field : CoverFields()) {
        header.append("[").append(field.key).append("]=");
        header.append(field.write(cover));
        header.append("[END").append(field.key).append("]");
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
    for (const CoverField& field : CoverFields()) {
        if (field.load == CoverFieldLoad::IntoCover)
            field.read(ReadCoverValue(header, field.key), cover);
    }
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
    if (SplitsAsWritten(header) && ReadsBackUnchanged(cover, std::string_view(header).substr(
                                                                 0, header.size() - kHeaderEndMarker.size())))
        return {};
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
