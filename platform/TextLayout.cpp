#include "TextLayout.h"

namespace {

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

struct HardLine
{
    QString text;
    int nStart; // position of its first character in the stripped text
};

std::vector<HardLine> SplitHardLines(const QString& text, bool singleLine)
{
    std::vector<HardLine> lines;
    if (singleLine) {
        QString flat = text;
        flat.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        lines.push_back({flat, 0});
        return lines;
    }
    int start = 0;
    int i = 0;
    while (i < text.size()) {
        if (!IsLineBreak(text[i])) {
            ++i;
            continue;
        }
        lines.push_back({text.mid(start, i - start), start});
        const bool pair = i + 1 < text.size() && IsLineBreak(text[i + 1]) && text[i + 1] != text[i];
        i += pair ? 2 : 1;
        start = i;
    }
    if (start < text.size() || lines.empty())
        lines.push_back({text.mid(start), start});
    return lines;
}

// The length of the longest start of `line` that fits, broken after a word: the break
// falls at a space. Returns the line length when all of it fits.
int WrapPoint(const QString& line, int maxWidth, const std::function<int(const QString&)>& measure)
{
    if (measure(line) <= maxWidth)
        return line.size();
    int lastFit = -1;
    for (int i = 1; i < line.size(); ++i) {
        if (line[i] != QLatin1Char(' ') || line[i - 1] == QLatin1Char(' '))
            continue;
        if (measure(line.left(i)) > maxWidth)
            break;
        lastFit = i;
    }
    if (lastFit > 0)
        return lastFit;
    // Not even the first word fits: it stands alone on its line and overflows.
    const int firstSpace = line.indexOf(QLatin1Char(' '), 1);
    return firstSpace < 0 ? line.size() : firstSpace;
}

void WrapHardLine(const HardLine& hard, int maxWidth, const std::function<int(const QString&)>& measure,
                  std::vector<HardLine>& out)
{
    QString rest = hard.text;
    int start = hard.nStart;
    do {
        const int cut = WrapPoint(rest, maxWidth, measure);
        out.push_back({rest.left(cut), start});
        int next = cut;
        while (next < rest.size() && rest[next] == QLatin1Char(' '))
            ++next; // the spaces at a wrap belong to neither line
        rest = rest.mid(next);
        start += next;
    } while (!rest.isEmpty());
}

} // namespace

QString StripPrefixes(const QString& text, int* pnUnderlined)
{
    QString stripped;
    stripped.reserve(text.size());
    int underlined = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            stripped.append(text[i]);
            continue;
        }
        if (i + 1 >= text.size())
            break; // a prefix with nothing after it shows nothing
        ++i;
        if (text[i] != QLatin1Char('&'))
            underlined = static_cast<int>(stripped.size());
        stripped.append(text[i]);
    }
    if (pnUnderlined)
        *pnUnderlined = underlined;
    return stripped;
}

std::vector<DrawTextLine> LayOutDrawTextLines(const QString& text, UINT nFormat, int nMaxWidth,
                                              const std::function<int(const QString&)>& measure)
{
    int underlined = -1;
    const QString stripped = (nFormat & DT_NOPREFIX) ? text : StripPrefixes(text, &underlined);
    if (nFormat & DT_HIDEPREFIX)
        underlined = -1;
    const bool singleLine = (nFormat & DT_SINGLELINE) != 0;
    std::vector<HardLine> lines = SplitHardLines(stripped, singleLine);
    if ((nFormat & DT_WORDBREAK) && !singleLine) {
        std::vector<HardLine> wrapped;
        for (const HardLine& line : lines)
            WrapHardLine(line, nMaxWidth, measure, wrapped);
        lines.swap(wrapped);
    }
    std::vector<DrawTextLine> result;
    result.reserve(lines.size());
    for (const HardLine& line : lines) {
        DrawTextLine out{line.text, -1};
        if (underlined >= line.nStart && underlined < line.nStart + line.text.size())
            out.nPrefixIndex = underlined - line.nStart;
        result.push_back(out);
    }
    return result;
}
