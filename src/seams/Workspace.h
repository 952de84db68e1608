#pragma once

// What the commands see of the main window: the form, the two text areas and
// the pages. The window is the only implementation; the commands hold no
// state of the window's.

#include "base/PageView.h"
#include "fields/FieldCatalogue.h"
#include "fields/FormValue.h"

#include <QString>
#include <span>

namespace velko {

class Workspace {
public:
    virtual ~Workspace() = default;

    virtual FormValue form() const = 0;
    // Replaces the form's values; whether it counts as changed stays as it was.
    virtual void setForm(const FormValue &form) = 0;
    // Whether a control was edited since the form was last marked unchanged:
    // at the start, and by Clear, Fill In Examples, Open Form, Save Form As and
    // the imports.
    virtual bool formModified() const = 0;
    virtual void setFormModified(bool modified) = 0;

    virtual QString documentText() const = 0; // CR LF line breaks
    // Replaces the document, which then counts as changed until it is marked
    // unchanged: only what was read, created, fetched or saved is.
    virtual void setDocumentText(const QString &text) = 0;
    // Whether the document changed (typed, pasted, tags inserted) since it was
    // last read, created, fetched or saved.
    virtual bool documentModified() const = 0;
    virtual void setDocumentModified(bool modified) = 0;
    // The file the document belongs to, for the window's title; empty: none.
    virtual void setDocumentPath(const QString &path) = 0;
    // Colours ranges of the document olive, puts the caret at `caret` and
    // gives the document area the focus.
    virtual void highlightDocumentRanges(std::span<const Span> ranges, qsizetype caret) = 0;

    virtual void setTagsText(const QString &text) = 0;
    // The Generate Tags command, showing the "Generated Tags" page. Returns
    // the block it shows.
    virtual QString generateTags() = 0;

    // A short note in the status bar, such as that the document was reloaded.
    virtual void showStatusNote(const QString &text) = 0;

    virtual Page currentPage() const = 0;
    virtual void selectPage(Page page) = 0;
};

} // namespace velko
