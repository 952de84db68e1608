#include "text/UnifiedDiff.h"

#include <QFile>
#include <algorithm>
#include <vector>

namespace velko {

namespace {

constexpr qsizetype kContext = 3;

// A text split into lines, each with its LF; the last one may lack it.
class Lines {
public:
    explicit Lines(QByteArrayView text)
        : m_text(text) {
        for (qsizetype at = 0; at < text.size();) {
            m_starts.push_back(at);
            const qsizetype lf = indexOfUnit(text, '\n', at);
            at = lf < 0 ? text.size() : lf + 1;
        }
    }

    qsizetype count() const { return qsizetype(m_starts.size()); }
    qsizetype start(qsizetype line) const {
        return line < count() ? m_starts[line] : m_text.size();
    }
    QByteArrayView line(qsizetype line) const {
        return m_text.sliced(start(line), start(line + 1) - start(line));
    }
    // The line that holds offset `at`: the end of the text belongs to a last
    // line without LF, and otherwise to none (count()).
    qsizetype lineOf(qsizetype at) const {
        if (at >= m_text.size() && (m_text.isEmpty() || m_text.back() == '\n'))
            return count();
        return std::upper_bound(m_starts.begin(), m_starts.end(), at) - m_starts.begin() - 1;
    }
    // The line that starts at `at`, a line's start or the end of the text.
    qsizetype lineStartingAt(qsizetype at) const {
        return std::lower_bound(m_starts.begin(), m_starts.end(), at) - m_starts.begin();
    }

private:
    QByteArrayView m_text;
    std::vector<qsizetype> m_starts;
};

// Old lines [oldFirst, oldEnd) became new lines [newFirst, newEnd).
struct Change {
    qsizetype oldFirst;
    qsizetype oldEnd;
    qsizetype newFirst;
    qsizetype newEnd;
};

// The whole lines that the splices touch, those of overlapping splices taken
// together. The text between the splices is the same in both, so a line start
// of the old text maps to one of the new by the sizes changed before it.
std::vector<Change> touchedLines(const Lines &before, const Lines &after,
                                 std::span<const Splice> splices) {
    std::vector<Change> changes;
    for (const Splice &splice : splices) {
        Change change;
        change.oldFirst = before.lineOf(splice.before.start);
        change.oldEnd = std::min(before.lineOf(splice.before.end()) + 1, before.count());
        change.newFirst = after.lineStartingAt(before.start(change.oldFirst) + splice.after.start -
                                               splice.before.start);
        change.newEnd = after.lineStartingAt(before.start(change.oldEnd) + splice.after.end() -
                                             splice.before.end());
        if (!changes.empty() && change.oldFirst < changes.back().oldEnd) {
            changes.back().oldEnd = change.oldEnd;
            changes.back().newEnd = change.newEnd;
        } else {
            changes.push_back(change);
        }
    }
    return changes;
}

// The changes without the lines they left as they were; none that is empty,
// and changes that follow one another as one, as diff shows them.
std::vector<Change> trimmed(std::vector<Change> changes, const Lines &before, const Lines &after) {
    std::vector<Change> kept;
    for (Change c : changes) {
        while (c.oldFirst < c.oldEnd && c.newFirst < c.newEnd &&
               before.line(c.oldFirst) == after.line(c.newFirst)) {
            ++c.oldFirst;
            ++c.newFirst;
        }
        while (c.oldFirst < c.oldEnd && c.newFirst < c.newEnd &&
               before.line(c.oldEnd - 1) == after.line(c.newEnd - 1)) {
            --c.oldEnd;
            --c.newEnd;
        }
        if (c.oldFirst == c.oldEnd && c.newFirst == c.newEnd)
            continue;
        if (!kept.empty() && kept.back().oldEnd == c.oldFirst) {
            kept.back().oldEnd = c.oldEnd;
            kept.back().newEnd = c.newEnd;
        } else {
            kept.push_back(c);
        }
    }
    return kept;
}

void appendLines(QByteArray &out, char mark, const Lines &lines, qsizetype first, qsizetype end) {
    for (qsizetype i = first; i < end; ++i) {
        const QByteArrayView line = lines.line(i);
        out.append(mark).append(line);
        if (!line.endsWith('\n'))
            out.append("\n\\ No newline at end of file\n");
    }
}

// "3,4" for 4 lines from line 3; "3" for one line; "2,0" for none after line 2.
QByteArray range(qsizetype first, qsizetype count) {
    if (count == 1)
        return QByteArray::number(first + 1);
    return QByteArray::number(count == 0 ? first : first + 1) + ',' + QByteArray::number(count);
}

} // namespace

QByteArray unifiedDiff(const QString &name, QByteArrayView before, QByteArrayView after,
                       std::span<const Splice> splices) {
    const Lines old(before);
    const Lines now(after);
    const std::vector<Change> changes = trimmed(touchedLines(old, now, splices), old, now);
    if (changes.empty())
        return {};
    const QByteArray encodedName = QFile::encodeName(name);
    QByteArray out = "--- " + encodedName + "\n+++ " + encodedName + '\n';
    // Changes closer than twice the context share a hunk.
    for (size_t first = 0, last = 0; first < changes.size(); first = ++last) {
        while (last + 1 < changes.size() &&
               changes[last + 1].oldFirst - changes[last].oldEnd <= 2 * kContext)
            ++last;
        const qsizetype oldStart = std::max<qsizetype>(0, changes[first].oldFirst - kContext);
        const qsizetype oldEnd = std::min(old.count(), changes[last].oldEnd + kContext);
        const qsizetype newStart = changes[first].newFirst - (changes[first].oldFirst - oldStart);
        const qsizetype newEnd = changes[last].newEnd + (oldEnd - changes[last].oldEnd);
        out += "@@ -" + range(oldStart, oldEnd - oldStart) + " +" +
               range(newStart, newEnd - newStart) + " @@\n";
        qsizetype at = oldStart;
        for (size_t i = first; i <= last; ++i) {
            const Change &c = changes[i];
            appendLines(out, ' ', old, at, c.oldFirst);
            appendLines(out, '-', old, c.oldFirst, c.oldEnd);
            appendLines(out, '+', now, c.newFirst, c.newEnd);
            at = c.oldEnd;
        }
        appendLines(out, ' ', old, at, oldEnd);
    }
    return out;
}

} // namespace velko
