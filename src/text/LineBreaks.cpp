#include "text/LineBreaks.h"

#include <QLatin1StringView>

namespace velko {

namespace {

bool isBreakUnit(QChar c) {
    return c == u'\r' || c == u'\n';
}

// The length of the line break that starts at `at`; 0 when none does.
qsizetype breakAt(QStringView text, qsizetype at) {
    if (text[at] == u'\n')
        return 1;
    if (text[at] != u'\r')
        return 0;
    return at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

} // namespace

QByteArrayView lineBreakBytes(LineBreak style) {
    switch (style) {
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::CrLf:
        break;
    }
    return "\r\n";
}

LineBreak firstLineBreak(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return LineBreak::Lf;
        if (text[i] == u'\r')
            return breakAt(text, i) == 2 ? LineBreak::CrLf : LineBreak::Cr;
    }
    return LineBreak::CrLf;
}

QString withLineBreaks(QStringView text, LineBreak style) {
    const QLatin1StringView lineBreak(lineBreakBytes(style));
    QString out;
    // Room for a lone LF every 32 characters, so most texts need no regrowth.
    out.reserve(text.size() + text.size() / 32 + lineBreak.size());
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBreakUnit(text[i]))
            continue;
        out.append(text.sliced(lineStart, i - lineStart)).append(lineBreak);
        i += breakAt(text, i) - 1;
        lineStart = i + 1;
    }
    out.append(text.sliced(lineStart));
    return out;
}

} // namespace velko
