#pragma once

#include <QPlainTextEdit>

namespace velko {

// A plain-text editor whose text is handled as one string with CR LF line
// breaks, whatever the editor keeps inside. Offsets and lengths given to it are
// counted in that CR LF string. Serves as the generated-tags area, the
// document area and the multi-line form fields.
class TextArea : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextArea(QWidget *parent = nullptr);

    QString text() const;
    // Replaces the whole text; selection and colouring go with it.
    void setText(const QString &text);

    void select(qsizetype start, qsizetype length);
    void colourSelection(const QColor &colour);

private:
    int editorPosition(qsizetype offset) const;
};

} // namespace velko
