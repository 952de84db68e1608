#pragma once

#include <QTextDocument>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velko {

// The find bar under the HTML File tab's text: it finds as the words are
// typed, in any letter case unless Match case is ticked, and goes on from
// the other end of the text when it reaches one, saying so. Escape closes
// it and gives the text the focus.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QPlainTextEdit &text, QWidget *parent = nullptr);

    // Shows the bar with the focus on its words, selected.
    void open();
    // The next or the previous place; with no words yet, opens the bar.
    void findNext();
    void findPrevious();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Finds from `from` on (backward: before it), going round once.
    void find(int from, QTextDocument::FindFlags direction);

    QPlainTextEdit &m_text;
    QLineEdit *m_words = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QLabel *m_note = nullptr;
};

} // namespace velko
