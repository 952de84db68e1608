// --insert: the tag block put after the head tag of one page.

#include "cli/Modes.h"
#include "document/TagInsertion.h"
#include "files/TextFile.h"
#include "page/PageHead.h"
#include "tags/TagBlock.h"

namespace velko {

int runInsert(const ModeCall &call) {
    const QStringList pages = call.operands();
    if (pages.size() != 1)
        return call.session.usageError(QStringLiteral("--insert takes a form file and one page"));
    Session &session = call.session;
    const QString pagePath = pages.first();
    const QString outputPath = call.parser.value(call.options.output);

    const std::optional<FormValue> form = session.readForm(call.parser.value(call.options.insert));
    if (!form)
        return kUsage;
    QString error;
    const std::optional<QByteArray> bytes = readFileBytes(pagePath, &error);
    if (!bytes)
        return session.fail(kFailed, pagePath + QStringLiteral(": ") + error);
    const DecodedText page = decodeText(*bytes);

    const PageHead head = findHead(QStringView(page.text));
    if (!head.found())
        return session.fail(kFailed, QString::fromUtf8(insertion::kNotHtml));
    const QString block = BuildTagBlock(*form, DcNameCase::Capitalised);
    if (block.isEmpty())
        return session.fail(kFailed, QString::fromUtf8(insertion::kNoTags));
    if (tagKindsOverlap(block, page.text))
        session.warn(QString::fromUtf8(insertion::kSomeSame) + QLatin1Char(' ') +
                     QString::fromUtf8(insertion::kMayAppear));

    const QByteArray out = insertIntoPage(*bytes, page, head.insertAt, block);
    if (outputPath.isEmpty()) {
        session.print(out);
        return kDone;
    }
    if (!session.writeOutput(outputPath, out, &error))
        return session.fail(kFailed, outputPath + QStringLiteral(": ") + error);
    return kDone;
}

} // namespace velko
