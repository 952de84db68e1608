#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace velko {

// Velko's help: HTML pages in a browser with Back, Forward and Contents.
// Escape closes it.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Shows the contents page; a file that is missing is said so on the page.
    void showContents(const QUrl &contents);

private:
    QTextBrowser *m_browser = nullptr;
    QUrl m_contents;
};

} // namespace velko
