#pragma once

#include "tags/WebPreview.h"

#include <QWidget>

namespace velko {

// The page as a search engine lists it: the title, the address line and the
// description, in their fonts and colours, scaled down when the view is
// narrower than a result.
class SearchResultView : public QWidget {
    Q_OBJECT

public:
    explicit SearchResultView(QWidget *parent = nullptr);

    void setResult(const SearchResult &result);
    const SearchResult &result() const { return m_result; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SearchResult m_result;
};

} // namespace velko
