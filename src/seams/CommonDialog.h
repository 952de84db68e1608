#pragma once

#include "seams/DesktopServices.h"

namespace velko {

// The file dialog that Import File, Save File As and Save Tags As share, with
// its one current file name: the path last chosen in any of them.
class CommonDialog {
public:
    explicit CommonDialog(DesktopServices &desktop)
        : m_desktop(desktop) {}

    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // Opens with the current name filled in; a chosen file becomes the
    // current name, a cancel leaves it. Returns the choice, empty on cancel.
    QString showOpen(const QString &title);
    // Opens with `fileName` (by default an empty name); what it returns, a
    // cancel's empty name too, becomes the current name. A name typed without
    // an extension gets ".html".
    QString showSave(const QString &title, const QString &fileName = {});

private:
    DesktopServices &m_desktop;
    QString m_fileName;
};

} // namespace velko
