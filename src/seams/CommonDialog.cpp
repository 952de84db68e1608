#include "seams/CommonDialog.h"

namespace velko {

QString CommonDialog::showOpen(const QString &title) {
    const QString chosen = m_desktop.chooseFile({FileDialog::Kind::Open, title, m_fileName});
    if (!chosen.isEmpty())
        m_fileName = chosen;
    return chosen;
}

QString CommonDialog::showSave(const QString &title, const QString &fileName) {
    m_fileName = m_desktop.chooseFile({FileDialog::Kind::Save, title, fileName});
    return m_fileName;
}

} // namespace velko
