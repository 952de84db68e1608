#include "widgets/TextArea.h"

#include <QTextBlock>

namespace velko {

namespace {

// The editor separates lines with U+2029; the program's texts use CR LF.
QString withCrLf(QString raw) {
    return raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

} // namespace

TextArea::TextArea(QWidget *parent)
    : QPlainTextEdit(parent) {}

QString TextArea::text() const {
    // toRawText keeps every character as typed; toPlainText would turn
    // no-break spaces into plain ones.
    return withCrLf(document()->toRawText());
}

void TextArea::setText(const QString &text) {
    // The editor reads CR LF, LF and CR each as one line break.
    setPlainText(text);
}

void TextArea::select(qsizetype start, qsizetype length) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(editorPosition(start));
    cursor.setPosition(editorPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TextArea::colourSelection(const QColor &colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    textCursor().mergeCharFormat(format);
}

// Line n of the CR LF text starts n characters later than in the editor, which
// counts each line break as one character. Finds the line by bisection.
int TextArea::editorPosition(qsizetype offset) const {
    const QTextDocument *doc = document();
    int first = 0;
    int last = doc->blockCount() - 1;
    while (first < last) {
        const int middle = first + (last - first + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + qsizetype(middle) <= offset)
            first = middle;
        else
            last = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(first);
    const qsizetype inBlock =
        std::clamp<qsizetype>(offset - first - block.position(), 0, block.length() - 1);
    return block.position() + int(inBlock);
}

} // namespace velko
