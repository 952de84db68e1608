#pragma once

#include "base/PageView.h"
#include "widgets/TextArea.h"

namespace velko {

// rtfFile: the HTML File tab's text area, in the system's fixed font, with
// the line numbers in a margin on its left and the caret's line highlighted.
// Display only: the text is the document's as it is.
class DocumentArea : public TextArea {
    Q_OBJECT

public:
    explicit DocumentArea(QWidget *parent = nullptr);

    // Selects the characters of `range` (CR LF offsets), shows their line in
    // the middle of the area and takes the focus.
    void showRange(Span range);

    // The margin's width: room for the largest line number.
    int marginWidth() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOutMargin();
    void paintMargin(const QRect &area);
    void highlightCaretLine();

    QWidget *m_margin = nullptr;
};

} // namespace velko
