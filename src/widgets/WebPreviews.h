#pragma once

#include "fields/FormValue.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace velko {

class SearchResultView;
class SocialCardView;
class WindowStore;

// The previews beside the form's pages: the search result with its two
// counters, and the social card, each described for screen readers as drawn. They follow the form:
// each change marks them out of date, and they are worked out afresh once the event loop comes
// round, and only while they are shown.
class WebPreviews : public QWidget {
    Q_OBJECT

public:
    // `form` gives the form as it is now; `fetchTimeoutSeconds` bounds the
    // fetch of a picture on the web. Under the card, "Load preview images
    // from the web" sets whether it fetches its picture unasked, kept in
    // `store`.
    WebPreviews(std::function<FormValue()> form, int fetchTimeoutSeconds, WindowStore &store,
                QWidget *parent = nullptr);

    void formChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();

    std::function<FormValue()> m_form;
    SearchResultView *m_search = nullptr;
    QLabel *m_titleCounter = nullptr;
    QLabel *m_descriptionCounter = nullptr;
    SocialCardView *m_card = nullptr;
    bool m_refreshPending = false;
};

} // namespace velko
