#include "text/Csv.h"

namespace velko {

std::optional<QList<QStringList>> parseCsv(QStringView text, QString *error) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool closed = false;    // the field was quoted and its quote closed
    bool begun = false;     // the last record has begun
    qsizetype line = 1;     // for the messages
    qsizetype openedAt = 1; // the line of the quote that opened the field
    const auto fail = [&](qsizetype at, const char *what) {
        *error = QStringLiteral("line %1: %2").arg(at).arg(QLatin1String(what));
        return std::nullopt;
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        const bool crLf = c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n';
        if (quoted) {
            if (c == u'"' && at + 1 < text.size() && text[at + 1] == u'"') {
                field += u'"';
                ++at;
            } else if (c == u'"') {
                quoted = false;
                closed = true;
            } else {
                field += c;
                line += (c == u'\n' || c == u'\r') && !crLf;
            }
        } else if (c == u',') {
            record << std::exchange(field, QString());
            closed = false;
            begun = true;
        } else if (c == u'\r' || c == u'\n') {
            at += crLf;
            ++line;
            record << std::exchange(field, QString());
            records << std::exchange(record, QStringList());
            closed = begun = false;
        } else if (closed) {
            return fail(line, "text after a quoted field");
        } else if (c == u'"' && field.isEmpty()) {
            quoted = begun = true;
            openedAt = line;
        } else {
            field += c;
            begun = true;
        }
    }
    if (quoted)
        return fail(openedAt, "a quoted field is not closed");
    if (begun) {
        record << field;
        records << record;
    }
    return records;
}

QString csvText(const QList<QStringList> &records) {
    QString text;
    for (const QStringList &record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            QString field = record[i];
            if (field.contains(u',') || field.contains(u'"') || field.contains(u'\r') ||
                field.contains(u'\n'))
                field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
            text += (i > 0 ? QStringLiteral(",") : QString()) + field;
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace velko
