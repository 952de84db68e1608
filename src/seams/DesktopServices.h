#pragma once

// Everything modal or outside the process goes through this interface, so the
// window's commands can be driven and checked by tests without a user.

#include "seams/Settings.h"

#include <QString>
#include <QStringList>
#include <QUrl>

namespace velko {

// SaveDiscardCancel offers Save as the default, OverwriteReloadCancel
// Cancel; Escape answers Cancel. OkUpdateInsteadCancel is OK, "Update
// Instead" and Cancel; OkUndo adds "Undo Last Site Update" to OK.
enum class Buttons {
    Ok,
    OkCancel,
    YesNo,
    SaveDiscardCancel,
    OverwriteReloadCancel,
    OkUpdateInsteadCancel,
    OkUndo
};
enum class Answer { Ok, Cancel, Yes, No, Save, Discard, Overwrite, Reload, UpdateInstead, Undo };

// A message box without an icon. Details, when given, are offered under the
// box's details button and never replace the text; an informative text is
// shown under the text.
struct Message {
    QString title = {};
    QString text = {};
    Buttons buttons = Buttons::Ok;
    QString details = {};
    QString informativeText = {};

    bool operator==(const Message &) const = default;
};

// An open or save file dialog. The open dialog accepts only existing files;
// the save dialog asks before it replaces one and adds the filter's extension
// to a name typed without one.
//   Html: HTML files (".html") first, all files second.
//   FormFile: form files (".json") first, all files second.
//   Csv: CSV files (".csv") first, all files second.
struct FileDialog {
    enum class Kind { Open, Save };
    enum class Filter { Html, FormFile, Csv };
    Kind kind;
    QString title;
    QString fileName; // shown when the dialog opens
    Filter filter = Filter::Html;

    bool operator==(const FileDialog &) const = default;
};

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    virtual Answer showMessage(const Message &message) = 0;
    // The chosen path; empty when the user cancelled.
    virtual QString chooseFile(const FileDialog &dialog) = 0;
    // Existing pages (*.htm *.html) and folders, in one dialog titled
    // `title`; empty when the user cancelled.
    virtual QStringList choosePages(const QString &title) = 0;
    // An existing folder; empty when the user cancelled.
    virtual QString chooseFolder(const QString &title) = 0;
    virtual void beep() = 0;
    virtual void setClipboardText(const QString &text) = 0;
    // Opens an address (a web page, a mailto: link) in the user's default
    // program for it; false when none could be started.
    virtual bool openUrl(const QUrl &url) = 0;
    // Shows the contents page of the help file in the help viewer, which
    // reports a missing file itself.
    virtual void showHelpContents(const QUrl &helpFile) = 0;
    // Shows the About box, with the version and the maker's addresses of
    // `settings`, until the user closes it.
    virtual void showAbout(const Settings &settings) = 0;
};

// "An error has occurred!": how every command reports a failure it did not
// foresee. The cause, usually the system's error text, goes under details; a
// short reason, when there is one, is shown under the text.
Message generalError(const QString &cause = {}, const QString &reason = {});

} // namespace velko
