#include "document/SiteEdits.h"

#include "base/ByteOrderMarks.h"
#include "text/Csv.h"

#include <QDir>
#include <QStringDecoder>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <numeric>

namespace velko {

namespace {

const QStringList kHeader = {QStringLiteral("page"), QStringLiteral("title"),
                             QStringLiteral("description")};

} // namespace

std::vector<TagLine> editLines(const PageEdit &edit) {
    FormValue form;
    form[Field::Title] = edit.title;
    form[Field::Description] = edit.description;
    std::vector<TagLine> lines = BuildTagLines(form, DcNameCase::Capitalised);
    std::erase_if(lines, [](const TagLine &line) {
        return line.row != &tagRowOf(Field::Title) && line.row != &tagRowOf(Field::Description);
    });
    return lines;
}

PageUpdate editDiff(const PageEdit &edit) {
    return updatePageFile(edit.path, editLines(edit), UpdateOutput::Diff, nullptr, edit.hash);
}

// Writing a page mostly waits for the disk (each file is synced), so more
// pages are in flight than there are cores.
std::vector<SitePageOutcome> saveEdits(std::span<const PageEdit> edits, const SaveHooks &hooks) {
    std::vector<SitePageOutcome> outcomes(edits.size());
    std::vector<qsizetype> indices(edits.size());
    std::iota(indices.begin(), indices.end(), 0);
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(8, QThread::idealThreadCount()));
    QtConcurrent::blockingMap(&pool, indices, [&](qsizetype i) {
        if (hooks.stopped && hooks.stopped())
            return;
        outcomes[i] = updatePage(edits[i].path, editLines(edits[i]), hooks.undo, edits[i].hash);
        if (hooks.pageDone)
            hooks.pageDone(i, outcomes[i]);
    });
    return outcomes;
}

std::optional<std::vector<TitleRow>> readTitleList(QByteArrayView bytes, QString *error) {
    if (bytes.startsWith(kUtf8Mark))
        bytes = bytes.sliced(kUtf8Mark.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        *error = QStringLiteral("not UTF-8 text");
        return std::nullopt;
    }
    const std::optional<QList<QStringList>> records = parseCsv(text, error);
    if (!records)
        return std::nullopt;
    QStringList header = records->value(0);
    for (QString &name : header)
        name = name.trimmed().toLower();
    if (header != kHeader) {
        *error = QStringLiteral("the first row is not page,title,description");
        return std::nullopt;
    }
    std::vector<TitleRow> rows;
    for (qsizetype i = 1; i < records->size(); ++i) {
        const QStringList &record = records->at(i);
        if (record == QStringList{QString()})
            continue; // an empty line
        if (record.size() > kHeader.size()) {
            *error = QStringLiteral("row %1 has %2 fields, more than page,title,description")
                         .arg(i + 1)
                         .arg(record.size());
            return std::nullopt;
        }
        rows.push_back({QDir::cleanPath(record[0].trimmed()), record.value(1), record.value(2)});
    }
    return rows;
}

QByteArray titleListBytes(std::span<const TitleRow> rows) {
    QList<QStringList> records{kHeader};
    for (const TitleRow &row : rows)
        records << QStringList{row.page, row.title, row.description};
    return csvText(records).toUtf8();
}

} // namespace velko
