#include "widgets/DocumentArea.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

namespace velko {

namespace {

constexpr int kMarginPadding = 4; // pixels either side of the numbers

} // namespace

DocumentArea::DocumentArea(QWidget *parent)
    : TextArea(parent)
    , m_margin(new QWidget(this)) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_margin->setObjectName(QStringLiteral("lineNumbers"));
    m_margin->installEventFilter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &DocumentArea::layOutMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy != 0)
            m_margin->scroll(0, dy);
        else
            m_margin->update(0, rect.y(), m_margin->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &DocumentArea::highlightCaretLine);
    layOutMargin();
    highlightCaretLine();
}

int DocumentArea::marginWidth() const {
    const QString largest = QString::number(qMax(1, blockCount()));
    return fontMetrics().horizontalAdvance(largest) + 2 * kMarginPadding;
}

void DocumentArea::showRange(Span range) {
    select(range.start, range.length);
    centerCursor();
    setFocus();
}

bool DocumentArea::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_margin && event->type() == QEvent::Paint) {
        paintMargin(static_cast<QPaintEvent *>(event)->rect());
        return true;
    }
    return TextArea::eventFilter(watched, event);
}

void DocumentArea::resizeEvent(QResizeEvent *event) {
    TextArea::resizeEvent(event);
    layOutMargin();
}

void DocumentArea::layOutMargin() {
    const int width = marginWidth();
    setViewportMargins(width, 0, 0, 0);
    const QRect inside = contentsRect();
    m_margin->setGeometry(inside.left(), inside.top(), width, inside.height());
}

// The numbers of the lines in view; a wrapped line is numbered on its first row.
void DocumentArea::paintMargin(const QRect &area) {
    QPainter painter(m_margin);
    painter.fillRect(area, palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int right = m_margin->width() - kMarginPadding;
    const int lineHeight = fontMetrics().height();
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= area.bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= area.top())
            painter.drawText(0, top, right, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}

void DocumentArea::highlightCaretLine() {
    QTextEdit::ExtraSelection line;
    QColor colour = palette().color(QPalette::Highlight);
    colour.setAlpha(40);
    line.format.setBackground(colour);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    setExtraSelections({line});
}

} // namespace velko
