#include "widgets/FindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace velko {

FindBar::FindBar(QPlainTextEdit &text, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
    , m_words(new QLineEdit(this))
    , m_matchCase(new QCheckBox(tr("Match case"), this))
    , m_note(new QLabel(this)) {
    setObjectName(QStringLiteral("findBar"));
    m_words->setObjectName(QStringLiteral("txtFind"));
    m_words->setAccessibleName(tr("Find"));
    m_words->setPlaceholderText(tr("Find in the page"));
    m_words->setClearButtonEnabled(true);
    m_matchCase->setObjectName(QStringLiteral("chkMatchCase"));
    m_note->setObjectName(QStringLiteral("lblFindNote"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_words, 1);
    // The buttons say what F3 and Shift+F3 do; the arrows point the way.
    const struct {
        Qt::ArrowType arrow;
        const char *name;
        const char *tip;
        void (FindBar::*find)();
    } buttons[] = {
        {Qt::UpArrow, "cmdFindPrevious", QT_TR_NOOP("Find Previous (Shift+F3)"),
         &FindBar::findPrevious},
        {Qt::DownArrow, "cmdFindNext", QT_TR_NOOP("Find Next (F3)"), &FindBar::findNext},
    };
    for (const auto &row : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromUtf8(row.name));
        button->setArrowType(row.arrow);
        button->setToolTip(tr(row.tip));
        button->setAccessibleName(button->toolTip());
        connect(button, &QToolButton::clicked, this, row.find);
        layout->addWidget(button);
    }
    layout->addWidget(m_matchCase);
    layout->addWidget(m_note);
    auto *close = new QToolButton(this);
    close->setObjectName(QStringLiteral("cmdFindClose"));
    close->setText(tr("Close"));
    close->setToolTip(tr("Close the find bar (Escape)"));
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        m_text.setFocus();
    });
    layout->addWidget(close);

    // Finding as the words are typed starts where the last match started,
    // so a longer word still matches in the same place.
    connect(m_words, &QLineEdit::textEdited, this,
            [this] { find(m_text.textCursor().selectionStart(), {}); });
    connect(m_words, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(m_matchCase, &QCheckBox::toggled, this,
            [this] { find(m_text.textCursor().selectionStart(), {}); });
}

void FindBar::open() {
    show();
    m_words->setFocus();
    m_words->selectAll();
}

void FindBar::findNext() {
    if (m_words->text().isEmpty())
        open();
    else
        find(m_text.textCursor().selectionEnd(), {});
}

void FindBar::findPrevious() {
    if (m_words->text().isEmpty())
        open();
    else
        find(m_text.textCursor().selectionStart(), QTextDocument::FindBackward);
}

void FindBar::keyPressEvent(QKeyEvent *event) {
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    hide();
    m_text.setFocus();
}

void FindBar::find(int from, QTextDocument::FindFlags direction) {
    const QString words = m_words->text();
    m_note->clear();
    if (words.isEmpty())
        return;
    QTextDocument::FindFlags flags = direction;
    if (m_matchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    const QTextDocument &document = *m_text.document();
    QTextCursor start(m_text.document());
    start.setPosition(from);
    QTextCursor found = document.find(words, start, flags);
    if (found.isNull()) {
        const bool backward = direction.testFlag(QTextDocument::FindBackward);
        start.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        found = document.find(words, start, flags);
        if (!found.isNull())
            m_note->setText(backward ? tr("Reached the top, went on from the end")
                                     : tr("Reached the end, went on from the top"));
    }
    if (found.isNull()) {
        m_note->setText(tr("Not found"));
        return;
    }
    m_text.setTextCursor(found);
    m_text.centerCursor();
}

} // namespace velko
