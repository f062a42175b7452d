// CUE sheets read line by line: a keyword, then its arguments. A text argument in quotation
// marks runs from the first to the last quotation mark of its line, so that a title with
// inner quotes written the way rippers write them (TITLE "Rock "n" Roll") comes out whole.
#include "CueParser.h"

#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The first word of a text; what follows it goes to rest.
std::string_view FirstWord(std::string_view text, std::string_view& rest)
{
    text = Trimmed(text);
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    rest = Trimmed(text.substr(end));
    return text.substr(0, end);
}

// Whether a word is the keyword (given in upper case), in any case.
bool IsKeyword(std::string_view word, std::string_view keyword)
{
    if (word.size() != keyword.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (word[i] != keyword[i] && word[i] != keyword[i] - 'A' + 'a')
            return false;
    return true;
}

// One to nMaxDigits decimal digits as a number; -1 when the text is not that.
long Number(std::string_view text, size_t nMaxDigits)
{
    if (text.empty() || text.size() > nMaxDigits)
        return -1;
    long number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

// An mm:ss:ff time in frames; -1 when it is not one. Minutes may pass 99, as they do in the
// sheets of long recordings.
long Frames(std::string_view time)
{
    const size_t first = time.find(':');
    const size_t second = first == std::string_view::npos ? first : time.find(':', first + 1);
    if (second == std::string_view::npos)
        return -1;
    const long minutes = Number(time.substr(0, first), 4);
    const long seconds = Number(time.substr(first + 1, second - first - 1), 2);
    const long frames = Number(time.substr(second + 1), 2);
    if (minutes < 0 || seconds < 0 || seconds >= 60 || frames < 0 || frames >= kCueFramesPerSecond)
        return -1;
    return (minutes * 60 + seconds) * kCueFramesPerSecond + frames;
}

// A text argument: from the first to the last quotation mark when it starts with one (to the
// line's end when the quote is left open), else the rest of the line.
std::string TextArgument(std::string_view rest)
{
    if (rest.empty() || rest.front() != '"')
        return std::string(rest);
    const size_t last = rest.find_last_of('"');
    return std::string(last == 0 ? rest.substr(1) : rest.substr(1, last - 1));
}

// A FILE line's file name: quoted like a text argument, or unquoted before the file's type
// (FILE my album.wav WAVE).
std::string FileName(std::string_view rest)
{
    if (!rest.empty() && rest.front() == '"')
        return TextArgument(rest);
    const size_t blank = rest.find_last_of(" \t");
    return std::string(blank == std::string_view::npos ? rest : Trimmed(rest.substr(0, blank)));
}

// Each keyword the listing needs is read by one function, which returns what is wrong with
// its line, or nothing.
std::string ReadFile(ParsedCueSheet& sheet, std::string_view rest)
{
    std::string name = FileName(rest);
    if (name.empty())
        return "a FILE without its file name";
    sheet.files.push_back(std::move(name));
    return {};
}

std::string ReadTrack(ParsedCueSheet& sheet, std::string_view rest)
{
    if (sheet.files.empty())
        return "a TRACK before any FILE";
    std::string_view type;
    if (Number(FirstWord(rest, type), 3) < 0)
        return "a TRACK without its number";
    CueTrack track;
    track.nFile = sheet.files.size() - 1;
    sheet.tracks.push_back(track);
    return {};
}

// A track starts at its INDEX 01, in the file of that line: the file before it may still
// hold the track's pregap (INDEX 00).
std::string ReadIndex(ParsedCueSheet& sheet, std::string_view rest)
{
    if (sheet.tracks.empty())
        return "an INDEX before any TRACK";
    std::string_view time;
    const long number = Number(FirstWord(rest, time), 2);
    if (number < 0)
        return "an INDEX without its number";
    std::string_view after;
    const long start = Frames(FirstWord(time, after));
    if (start < 0)
        return "an INDEX time that is not mm:ss:ff";
    CueTrack& track = sheet.tracks.back();
    if (number == 1 && track.nStart < 0) {
        track.nStart = start;
        track.nFile = sheet.files.size() - 1;
    }
    return {};
}

// PERFORMER and TITLE before the first TRACK are the sheet's, after it the track's.
std::string& TextOf(ParsedCueSheet& sheet, bool bPerformer)
{
    if (sheet.tracks.empty())
        return bPerformer ? sheet.strPerformer : sheet.strTitle;
    return bPerformer ? sheet.tracks.back().strPerformer : sheet.tracks.back().strTitle;
}

std::string ReadLine(ParsedCueSheet& sheet, std::string_view line)
{
    std::string_view rest;
    const std::string_view keyword = FirstWord(line, rest);
    if (IsKeyword(keyword, "FILE"))
        return ReadFile(sheet, rest);
    if (IsKeyword(keyword, "TRACK"))
        return ReadTrack(sheet, rest);
    if (IsKeyword(keyword, "INDEX"))
        return ReadIndex(sheet, rest);
    if (IsKeyword(keyword, "PERFORMER") || IsKeyword(keyword, "TITLE"))
        TextOf(sheet, IsKeyword(keyword, "PERFORMER")) = TextArgument(rest);
    return {};
}

ParsedCueSheet Unreadable(size_t nLine, const std::string& strWhat)
{
    ParsedCueSheet sheet;
    sheet.strError = "line " + std::to_string(nLine) + ": " + strWhat;
    return sheet;
}

} // namespace

ParsedCueSheet ParseCueSheet(std::string_view text)
{
    ParsedCueSheet sheet;
    size_t line = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        ++line;
        const std::string error = ReadLine(sheet, text.substr(start, end - start));
        if (!error.empty())
            return Unreadable(line, error);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (sheet.tracks.empty())
        return Unreadable(std::max<size_t>(line, 1), "the sheet ends without a TRACK");
    return sheet;
}
