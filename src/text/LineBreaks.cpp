#include "text/LineBreaks.h"

#include <QLatin1StringView>
#include <algorithm>
#include <cstring>
#include <vector>

namespace velko {

namespace {

bool isBreakUnit(QChar c) {
    return c == u'\r' || c == u'\n';
}

constexpr quint64 kOnes = 0x0001000100010001; // one in each character of four

// Whether one of four characters is a line break.
bool hasBreakUnit(quint64 four) {
    constexpr quint64 kHighs = kOnes << 15;
    const auto hasZero = [](quint64 lanes) { return ((lanes - kOnes) & ~lanes & kHighs) != 0; };
    return hasZero(four ^ (kOnes * u'\r')) || hasZero(four ^ (kOnes * u'\n'));
}

// How many of the `count` characters from `a` and `b` on (`step` 1) or before
// them (`step` -1) are the same in both, up to the first line break; four at
// a time, as a page's lines mostly are the same.
qsizetype sameRun(const char16_t *a, const char16_t *b, qsizetype count, int step) {
    const qsizetype back = step < 0 ? 4 : 0;
    qsizetype same = 0;
    for (; same + 4 <= count; same += 4) {
        quint64 four;
        quint64 other;
        std::memcpy(&four, a + step * same - back, sizeof four);
        std::memcpy(&other, b + step * same - back, sizeof other);
        if (four != other || hasBreakUnit(four))
            break;
    }
    const qsizetype first = step < 0 ? -1 : 0;
    for (; same < count; ++same) {
        const char16_t c = a[step * same + first];
        if (c != b[step * same + first] || isBreakUnit(c))
            break;
    }
    return same;
}

// The length of the line break that starts at `at`; 0 when none does.
qsizetype breakAt(QStringView text, qsizetype at) {
    if (text[at] == u'\n')
        return 1;
    if (text[at] != u'\r')
        return 0;
    return at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

// The length of the line break that ends at `end`; 0 when none does.
qsizetype breakBefore(QStringView text, qsizetype end) {
    if (text[end - 1] == u'\r')
        return 1;
    if (text[end - 1] != u'\n')
        return 0;
    return end >= 2 && text[end - 2] == u'\r' ? 2 : 1;
}

// The diff of a stretch's lines may take this many steps a line, and this many
// more: beyond that the lines were rewritten wholesale, so all take the style,
// and the diff's trace, which grows with the square of the edits, would
// outgrow the stretch.
constexpr qsizetype kStepsPerLine = 4;
constexpr qsizetype kSpareSteps = 1 << 16;

struct Line {
    QStringView text; // without its line break
    quint64 hash;     // of the text, so that most lines that differ compare cheaply
};

// The lines of `text`, which ends with a line break or is empty. Each line is
// hashed as it is looked through for its end, four characters at a time.
std::vector<Line> splitLines(QStringView text) {
    // Odd: a step of the hash loses no bits, so it tells most lines apart.
    constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15;
    const char16_t *chars = text.utf16();
    std::vector<Line> lines;
    lines.reserve(text.size() / 32); // most lines of a page are longer
    for (qsizetype start = 0; start < text.size();) {
        quint64 hash = 0;
        qsizetype at = start;
        for (quint64 four; at + 4 <= text.size(); at += 4) {
            std::memcpy(&four, chars + at, sizeof four);
            if (hasBreakUnit(four))
                break;
            hash = (hash ^ four) * kMultiplier;
        }
        for (; !isBreakUnit(text[at]); ++at)
            hash = (hash ^ chars[at]) * kMultiplier;
        lines.push_back({text.sliced(start, at - start), hash});
        start = at + breakAt(text, at);
    }
    return lines;
}

// Where the lines of text[start, end) that end in it end: the last line may
// run on past `end`, where its line break is kept as it was.
qsizetype linesEnd(QStringView text, qsizetype start, qsizetype end) {
    while (end > start && !isBreakUnit(text[end - 1]))
        --end;
    return end;
}

// For each of the document's lines, the original line that Myers' O(ND) diff
// keeps it as, or -1 for a new or changed line; all -1 past the diff's steps.
std::vector<qsizetype> keptLines(const std::vector<Line> &document,
                                 const std::vector<Line> &original) {
    const auto n = qsizetype(document.size());
    const auto m = qsizetype(original.size());
    std::vector<qsizetype> kept(n, -1);
    if (n == 0 || m == 0)
        return kept;
    const auto same = [&](qsizetype x, qsizetype y) {
        return document[x].hash == original[y].hash && document[x].text == original[y].text;
    };
    // For d = 0, 1, ... edits, how far into the document the paths reach on
    // the diagonals k = -d, -d + 2, ..., d, where k is document line minus
    // original line.
    std::vector<qsizetype> reach;
    const auto at = [&](qsizetype d, qsizetype k) { return reach[d * (d + 1) / 2 + (k + d) / 2]; };
    // The diagonal a path of d edits on diagonal k comes from: k + 1 when its
    // last edit skips an original line, k - 1 when it adds a document line.
    const auto from = [&](qsizetype d, qsizetype k) {
        return k == -d || (k != d && at(d - 1, k - 1) < at(d - 1, k + 1)) ? k + 1 : k - 1;
    };
    qsizetype steps = kStepsPerLine * (n + m) + kSpareSteps;
    for (qsizetype d = 0;; ++d) {
        for (qsizetype k = -d; k <= d; k += 2) {
            qsizetype x = 0;
            if (d > 0)
                x = from(d, k) == k + 1 ? at(d - 1, k + 1) : at(d - 1, k - 1) + 1;
            qsizetype y = x - k;
            for (; x < n && y < m && same(x, y); ++x, ++y)
                --steps;
            if (--steps < 0)
                return kept;
            reach.push_back(x);
            if (x < n || y < m)
                continue;
            // Back from the end, each edit's run of same lines is kept.
            for (qsizetype e = d; e > 0; --e) {
                const qsizetype before = from(e, x - y);
                const qsizetype beforeX = at(e - 1, before);
                const qsizetype runStart = before == x - y + 1 ? beforeX : beforeX + 1;
                for (; x > runStart; --x, --y)
                    kept[x - 1] = y - 1;
                x = beforeX;
                y = beforeX - before;
            }
            for (; x > 0; --x, --y)
                kept[x - 1] = y - 1;
            return kept;
        }
    }
}

// `kept` with each line the diff does not keep standing in for an original
// line it does not keep either, in the same gap between kept lines, in turn:
// those are the lines typed into, which keep their line breaks. The lines
// left over are new.
std::vector<qsizetype> inPlaceOfChanged(std::vector<qsizetype> kept, qsizetype originalCount) {
    std::vector<qsizetype> nextKept(kept.size()); // the original line kept next, from each on
    qsizetype next = originalCount;
    for (size_t i = kept.size(); i-- > 0;) {
        if (kept[i] >= 0)
            next = kept[i];
        nextKept[i] = next;
    }
    qsizetype unkept = 0; // the first original line after the last one kept
    for (size_t i = 0; i < kept.size(); ++i) {
        if (kept[i] >= 0)
            unkept = kept[i] + 1;
        else if (unkept < nextKept[i])
            kept[i] = unkept++;
    }
    return kept;
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

LineBreak firstLineBreak(QByteArrayView bytes) {
    const qsizetype lf = bytes.indexOf('\n');
    const qsizetype cr = bytes.first(lf < 0 ? bytes.size() : lf).indexOf('\r');
    if (cr >= 0)
        return cr + 1 == lf ? LineBreak::CrLf : LineBreak::Cr;
    return lf >= 0 ? LineBreak::Lf : LineBreak::CrLf;
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

// The end is matched first, then the start up to where the end begins. A block
// inserted after a tag ends with a line break where the original has the
// tag's ">", so the matched end stops right behind the block and the matched
// start right before it: the block is the only change, even where its first
// lines repeat the page's.
Revision reviseLineBreaks(QStringView document, QStringView original, LineBreak style) {
    qsizetype documentEnd = document.size(); // where the shared end begins
    qsizetype originalEnd = original.size();
    for (;;) {
        const qsizetype same =
            sameRun(document.utf16() + documentEnd, original.utf16() + originalEnd,
                    std::min(documentEnd, originalEnd), -1);
        documentEnd -= same;
        originalEnd -= same;
        if (documentEnd == 0 || originalEnd == 0)
            break;
        const qsizetype documentBreak = breakBefore(document, documentEnd);
        const qsizetype originalBreak = breakBefore(original, originalEnd);
        if (documentBreak == 0 || originalBreak == 0)
            break;
        documentEnd -= documentBreak;
        originalEnd -= originalBreak;
    }
    qsizetype documentStart = 0; // where the shared start ends
    qsizetype originalStart = 0;
    for (;;) {
        const qsizetype same =
            sameRun(document.utf16() + documentStart, original.utf16() + originalStart,
                    std::min(documentEnd - documentStart, originalEnd - originalStart), 1);
        documentStart += same;
        originalStart += same;
        if (documentStart == documentEnd || originalStart == originalEnd)
            break;
        const qsizetype documentBreak = breakAt(document, documentStart);
        const qsizetype originalBreak = breakAt(original, originalStart);
        if (documentBreak == 0 || originalBreak == 0 ||
            documentStart + documentBreak > documentEnd ||
            originalStart + originalBreak > originalEnd)
            break;
        documentStart += documentBreak;
        originalStart += originalBreak;
    }

    // Between, a line the diff finds unchanged keeps its line break too. The
    // first may be the rest of a line typed into, or of a line split in two.
    const qsizetype to = linesEnd(document, documentStart, documentEnd);
    const qsizetype originalTo = linesEnd(original, originalStart, originalEnd);
    const std::vector<Line> lines = splitLines(document.sliced(documentStart, to - documentStart));
    const std::vector<Line> originalLines =
        splitLines(original.sliced(originalStart, originalTo - originalStart));
    const std::vector<qsizetype> kept =
        inPlaceOfChanged(keptLines(lines, originalLines), qsizetype(originalLines.size()));

    const QString lineBreak = QLatin1StringView(lineBreakBytes(style));
    Revision revision{originalStart, originalEnd, {}};
    QString &changed = revision.changed;
    changed.reserve(documentEnd - documentStart + (to - documentStart) / 32 + lineBreak.size());
    // A lone CR right before an LF would read back as one CR LF with it: such
    // a CR gets an LF of its own.
    const auto beforeLf = [&] {
        if (changed.isEmpty() ? originalStart > 0 && original[originalStart - 1] == u'\r'
                              : changed.back() == u'\r')
            changed.append(u'\n');
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        QStringView ending = lineBreak; // or the original line's, when it takes its place
        if (kept[i] >= 0) {
            const qsizetype end = originalLines[kept[i]].text.end() - original.begin();
            ending = original.sliced(end, breakAt(original, end));
        }
        if (lines[i].text.isEmpty() && ending.front() == u'\n')
            beforeLf();
        changed.append(lines[i].text).append(ending);
    }
    changed.append(document.sliced(to, documentEnd - to));
    const qsizetype lastLine = linesEnd(document, 0, document.size());
    // A changed last line without line break gets one at its end, after any
    // of its text the matched end held, unless the page ended without one.
    const bool endedWithBreak = original.isEmpty() || isBreakUnit(original.back());
    if (documentEnd > lastLine && endedWithBreak) {
        changed.append(document.sliced(documentEnd)).append(lineBreak);
        revision.keptEnd = original.size();
    }
    return revision;
}

} // namespace velko
