#pragma once

// What the commands see of the main window: the form, the two text areas and
// the pages. The window is the only implementation; the commands hold no
// state of the window's.

#include "fields/FieldCatalogue.h"
#include "fields/FormValue.h"
#include "page/PageView.h"

#include <QString>
#include <span>

namespace velko {

class Workspace {
public:
    virtual ~Workspace() = default;

    virtual FormValue form() const = 0;
    virtual void setForm(const FormValue &form) = 0;

    virtual QString documentText() const = 0; // CR LF line breaks
    virtual void setDocumentText(const QString &text) = 0;
    // Colours ranges of the document olive, puts the caret at `caret` and
    // gives the document area the focus.
    virtual void highlightDocumentRanges(std::span<const Span> ranges, qsizetype caret) = 0;
    // The document counts as changed, as after typing.
    virtual void markDocumentChanged() = 0;

    virtual void setTagsText(const QString &text) = 0;
    // The Generate Tags command, showing the "Generated Tags" page. Returns
    // the block it shows.
    virtual QString generateTags() = 0;

    virtual Page currentPage() const = 0;
    virtual void selectPage(Page page) = 0;
};

} // namespace velko
