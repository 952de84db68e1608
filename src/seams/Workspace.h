#pragma once

// What the commands see of the main window: the form, the two text areas and
// the pages. The window is the only implementation; the commands hold no
// state of the window's.

#include "fields/FieldCatalogue.h"
#include "fields/FormValue.h"

#include <QString>

namespace velko {

class Workspace {
public:
    virtual ~Workspace() = default;

    virtual FormValue form() const = 0;
    virtual void setForm(const FormValue &form) = 0;

    virtual QString documentText() const = 0; // CR LF line breaks
    virtual void setDocumentText(const QString &text) = 0;
    // Colours a range of the document olive, puts the caret at the start of
    // the document and gives the document area the focus.
    virtual void highlightDocumentRange(qsizetype start, qsizetype length) = 0;

    virtual void setTagsText(const QString &text) = 0;
    // The Generate Tags command, showing the "Generated Tags" page. Returns
    // the block it shows.
    virtual QString generateTags() = 0;

    virtual Page currentPage() const = 0;
    virtual void selectPage(Page page) = 0;
};

} // namespace velko
