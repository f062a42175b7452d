#include "CoverFields.h"

#include "CoverFileFormat.h"
#include "QtConvert.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace {

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

// The face name up to its terminator. The last of the 32 bytes is the terminator's place, so
// a field filled to the end without one still gives the 31 characters a load can restore.
std::string FaceName(const LOGFONT& lf)
{
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE - 1));
}

template <auto Member> bool SameValue(const CoverState& a, const CoverState& b)
{
    return a.*Member == b.*Member;
}

// The cover type and the colours: integers, read leniently.
template <auto Member> std::string WriteNumber(const CoverState& cover)
{
    return Integer(cover.*Member);
}

template <auto Member> void ReadNumber(std::string_view value, CoverState& cover)
{
    using Value = std::remove_reference_t<decltype(cover.*Member)>;
    cover.*Member = static_cast<Value>(ReadCoverInteger(value));
}

template <auto Member> constexpr CoverField Number(std::string_view key)
{
    return {key,    CoverFieldLoad::IntoCover, WriteNumber<Member>, ReadNumber<Member>, SameValue<Member>,
            nullptr};
}

// A picture path is written as its bytes, without the texts' encoding.
template <std::string CoverState::*Member> std::string WritePath(const CoverState& cover)
{
    return cover.*Member;
}

template <std::string CoverState::*Member> void ReadPath(std::string_view value, CoverState& cover)
{
    cover.*Member = std::string(value);
}

template <std::string CoverState::*Member>
constexpr CoverField Path(std::string_view key, const char* pszName)
{
    return {key,    CoverFieldLoad::PicturePath, WritePath<Member>, ReadPath<Member>, SameValue<Member>,
            pszName};
}

template <std::string CoverState::*Member> std::string WriteText(const CoverState& cover)
{
    return EncodeCoverText(cover.*Member);
}

template <std::string CoverState::*Member> void ReadText(std::string_view value, CoverState& cover)
{
    cover.*Member = DecodeCoverText(value);
}

template <std::string CoverState::*Member>
constexpr CoverField Text(std::string_view key, const char* pszName)
{
    return {key, CoverFieldLoad::IntoCover, WriteText<Member>, ReadText<Member>, SameValue<Member>, pszName};
}

// A shown border is written as the character with code 1. A hidden one is written as "0":
// never as code 0, which would end the header for a reader that stops at the first NUL.
template <bool CoverState::*Member> std::string WriteBorder(const CoverState& cover)
{
    return cover.*Member ? std::string(1, '\x01') : std::string("0");
}

template <bool CoverState::*Member> constexpr CoverField Border(std::string_view key)
{
    return {key, CoverFieldLoad::Never, WriteBorder<Member>, nullptr, nullptr, nullptr};
}

// The spine switches, written as TRUE/FALSE and never read.
template <bool CoverState::*Member> std::string WriteSwitch(const CoverState& cover)
{
    return TrueFalse(cover.*Member);
}

template <bool CoverState::*Member> constexpr CoverField Switch(std::string_view key)
{
    return {key, CoverFieldLoad::Never, WriteSwitch<Member>, nullptr, nullptr, nullptr};
}

// The print-over-spines flags: written as 1/0, false only for exactly "0"; anything else, a
// missing value included, is true.
template <bool CoverState::*Member> std::string WriteOneZero(const CoverState& cover)
{
    return cover.*Member ? "1" : "0";
}

template <bool CoverState::*Member> void ReadOneZero(std::string_view value, CoverState& cover)
{
    cover.*Member = value != "0";
}

template <bool CoverState::*Member> constexpr CoverField OneZero(std::string_view key)
{
    return {key,    CoverFieldLoad::IntoCover, WriteOneZero<Member>, ReadOneZero<Member>, SameValue<Member>,
            nullptr};
}

template <LOGFONT CoverState::*Font> std::string WriteFace(const CoverState& cover)
{
    return EncodeCoverText(FaceName(cover.*Font));
}

template <LOGFONT CoverState::*Font> void ReadFace(std::string_view value, CoverState& cover)
{
    SetFaceName(cover.*Font, DecodeCoverText(value)); // cut on a character boundary
}

template <LOGFONT CoverState::*Font> bool SameFace(const CoverState& a, const CoverState& b)
{
    return FaceName(a.*Font) == FaceName(b.*Font);
}

template <LOGFONT CoverState::*Font> constexpr CoverField Face(std::string_view key, const char* pszName)
{
    return {key, CoverFieldLoad::IntoCover, WriteFace<Font>, ReadFace<Font>, SameFace<Font>, pszName};
}

// A font's height or weight from a file, within what a font can be: a height beyond 16384
// pixels either way (a page of text in one letter) is no font, and the drawing code
// multiplies heights by the points in an inch; a weight runs from 0 to FW_HEAVY.
constexpr LONG kLargestFontHeight = 16384;

template <LOGFONT CoverState::*Font, LONG LOGFONT::*Measure> std::string WriteMeasure(const CoverState& cover)
{
    return Integer((cover.*Font).*Measure);
}

template <LOGFONT CoverState::*Font, LONG LOGFONT::*Measure, LONG Least, LONG Largest>
void ReadMeasure(std::string_view value, CoverState& cover)
{
    (cover.*Font).*Measure = std::clamp(ReadCoverInteger(value), Least, Largest);
}

template <LOGFONT CoverState::*Font, LONG LOGFONT::*Measure>
bool SameMeasure(const CoverState& a, const CoverState& b)
{
    return (a.*Font).*Measure == (b.*Font).*Measure;
}

template <LOGFONT CoverState::*Font> constexpr CoverField Height(std::string_view key)
{
    return {key,
            CoverFieldLoad::IntoCover,
            WriteMeasure<Font, &LOGFONT::lfHeight>,
            ReadMeasure<Font, &LOGFONT::lfHeight, -kLargestFontHeight, kLargestFontHeight>,
            SameMeasure<Font, &LOGFONT::lfHeight>,
            nullptr};
}

template <LOGFONT CoverState::*Font> constexpr CoverField Weight(std::string_view key)
{
    return {key,
            CoverFieldLoad::IntoCover,
            WriteMeasure<Font, &LOGFONT::lfWeight>,
            ReadMeasure<Font, &LOGFONT::lfWeight, 0, FW_HEAVY>,
            SameMeasure<Font, &LOGFONT::lfWeight>,
            nullptr};
}

// Italic, underline and strike-out: written as TRUE/FALSE, false only for exactly "FALSE"
// (anything else, a missing value included, is true), and compared as on or off.
template <LOGFONT CoverState::*Font, BYTE LOGFONT::*Style> std::string WriteStyle(const CoverState& cover)
{
    return TrueFalse((cover.*Font).*Style);
}

template <LOGFONT CoverState::*Font, BYTE LOGFONT::*Style>
void ReadStyle(std::string_view value, CoverState& cover)
{
    (cover.*Font).*Style = value == "FALSE" ? 0 : 1;
}

template <LOGFONT CoverState::*Font, BYTE LOGFONT::*Style>
bool SameStyle(const CoverState& a, const CoverState& b)
{
    return !((a.*Font).*Style) == !((b.*Font).*Style);
}

template <LOGFONT CoverState::*Font, BYTE LOGFONT::*Style>
constexpr CoverField FontStyle(std::string_view key)
{
    return {key,
            CoverFieldLoad::IntoCover,
            WriteStyle<Font, Style>,
            ReadStyle<Font, Style>,
            SameStyle<Font, Style>,
            nullptr};
}

constexpr auto kFront = &CoverState::fCoverTextFont;
constexpr auto kBack = &CoverState::bCoverTextFont;

constexpr std::array<CoverField, kCoverFieldCount> kFields = {{
    Number<&CoverState::covertype>("covertype"),
    Number<&CoverState::fBGColor>("fBGColor"),
    Number<&CoverState::bBGColor>("bBGColor"),
    Border<&CoverState::fShowBorder>("fShowBorder"),
    Border<&CoverState::bShowBorder>("bShowBorder"),
    Path<&CoverState::fImagePath>("fImagePath", "front picture path"),
    Path<&CoverState::bImagePath>("bImagePath", "back picture path"),
    Text<&CoverState::fCoverText>("fCoverText", "front cover text"),
    Text<&CoverState::bCoverText>("bCoverText", "back cover text"),
    Text<&CoverState::fCoverTitle>("fCoverTitle", "front title"),
    Text<&CoverState::bCoverTitle>("bCoverTitle", "back title"),
    Text<&CoverState::fCoverTextFontName>("fCoverTextFontName", "front font name"),
    Text<&CoverState::bCoverTextFontName>("bCoverTextFontName", "back font name"),
    Number<&CoverState::fCoverTextColor>("fCoverTextColor"),
    Number<&CoverState::bCoverTextColor>("bCoverTextColor"),
    Face<kFront>("fCoverTextFontFace", "front text font"),
    Face<kBack>("bCoverTextFontFace", "back text font"),
    Height<kFront>("fCoverTextFontHeight"),
    Height<kBack>("bCoverTextFontHeight"),
    Weight<kFront>("fCoverTextFontWeight"),
    Weight<kBack>("bCoverTextFontWeight"),
    FontStyle<kFront, &LOGFONT::lfItalic>("fCoverTextFontItalic"),
    FontStyle<kBack, &LOGFONT::lfItalic>("bCoverTextFontItalic"),
    FontStyle<kFront, &LOGFONT::lfStrikeOut>("fCoverTextFontStrikeout"),
    FontStyle<kBack, &LOGFONT::lfStrikeOut>("bCoverTextFontStrikeout"),
    FontStyle<kFront, &LOGFONT::lfUnderline>("fCoverTextFontUnderline"),
    FontStyle<kBack, &LOGFONT::lfUnderline>("bCoverTextFontUnderline"),
    OneZero<&CoverState::bFrontPrintOverSpines>("bFrontPrintOverSpines"),
    OneZero<&CoverState::bBackPrintOverSpines>("bBackPrintOverSpines"),
    Switch<&CoverState::frontCoverSpinesOn>("frontCoverSpinesOn"),
    Switch<&CoverState::backCoverSpinesOn>("backCoverSpinesOn"),
    Text<&CoverState::frontCoverSpineText>("frontCoverSpineText", "front spine text"),
    Text<&CoverState::backCoverSpineText>("backCoverSpineText", "back spine text"),
}};

} // namespace

const std::array<CoverField, kCoverFieldCount>& CoverFields()
{
    return kFields;
}

bool SameStoredFields(const CoverState& a, const CoverState& b)
{
    return std::all_of(kFields.begin(), kFields.end(), [&](const CoverField& field) {
        return field.load != CoverFieldLoad::IntoCover || field.same(a, b);
    });
}
