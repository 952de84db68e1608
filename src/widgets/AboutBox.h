#pragma once

#include <QDialog>

namespace velko {

class DesktopServices;
struct Settings;

// frmAbout: the logo, the version, the maker's tagline and three links. It
// centres itself on the screen each time it is shown.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(DesktopServices &desktop, const Settings &settings, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace velko
