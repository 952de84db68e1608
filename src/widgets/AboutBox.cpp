#include "widgets/AboutBox.h"

#include "help/HelpLinks.h"
#include "seams/DesktopServices.h"
#include "seams/Settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace velko {

namespace {

// The box's inner area, 4950 x 2640 twips, and the logo, in pixels.
constexpr QSize kBoxSize(330, 176);
constexpr QSize kLogoSize(326, 95);

QLabel *textLabel(const char *name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

// A label that opens `url` through the desktop when clicked or activated with
// the keyboard.
QLabel *linkLabel(const char *name, const QString &text, const QUrl &url, const QString &style,
                  DesktopServices &desktop, QWidget *parent) {
    auto *label = textLabel(
        name,
        QStringLiteral("<a href=\"%1\" style=\"%2\">%3</a>")
            .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), style, text.toHtmlEscaped()),
        parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(false);
    label->setAccessibleName(text);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [&desktop, url] { desktop.openUrl(url); });
    return label;
}

} // namespace

AboutBox::AboutBox(DesktopServices &desktop, const Settings &settings, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Velko"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *logo = textLabel("ImgAbout", {}, this);
    logo->setPixmap(QPixmap(QStringLiteral(":/help/logo.png")));
    logo->setFixedSize(kLogoSize);
    logo->setAccessibleName(tr("Velko logo"));

    // The links are olive and underlined, in the classic small dialog font
    // where the system has it.
    const QString linkStyle = QStringLiteral("color:#808000; text-decoration:underline; "
                                             "font-family:'MS Sans Serif'; font-size:8.25pt");
    const QString taglineStyle =
        QStringLiteral("color:black; text-decoration:none; font-weight:bold");
    const QUrl home = makerUrl(settings.makerHost, MakerPage::MakerHome);
    const QUrl program = makerUrl(settings.makerHost, MakerPage::VelkoPage);
    auto *version = textLabel("lbl5", tr("Velko Version %1").arg(settings.currentVersion), this);
    auto *copyright = textLabel("lbl4", tr("Copyright \u00a9 2026 Harbordale"), this);
    auto *tagline =
        linkLabel("Label1", tr("Harbordale - Guides, Utilities, and Ideas for Site Builders"), home,
                  taglineStyle, desktop, this);
    auto *email = linkLabel("lbl2", settings.contactAddress, contactUrl(settings.contactAddress),
                            linkStyle, desktop, this);
    email->setToolTip(tr("E-mail"));
    auto *homeLink = linkLabel("lbl1", home.toString(), home, linkStyle, desktop, this);
    homeLink->setToolTip(tr("Visit Harbordale"));
    auto *programLink = linkLabel("lbl3", program.toString(), program, linkStyle, desktop, this);
    programLink->setToolTip(tr("Visit Velko Home"));
    auto *ok = new QPushButton(tr("Yep!"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 0, 2, 4);
    grid->setVerticalSpacing(1);
    grid->addWidget(logo, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(version, 1, 0);
    grid->addWidget(copyright, 1, 1, Qt::AlignRight);
    grid->addWidget(tagline, 2, 0, 1, 2);
    grid->addWidget(email, 3, 0, 1, 2);
    grid->addWidget(homeLink, 4, 0);
    grid->addWidget(programLink, 5, 0);
    grid->addWidget(ok, 4, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    resize(kBoxSize.expandedTo(sizeHint()));
}

// Centred on the screen each time, wherever the main window is.
void AboutBox::showEvent(QShowEvent *event) {
    const QRect screen = (parentWidget() ? parentWidget()->screen() : this->screen())->geometry();
    const QSize box = frameGeometry().size();
    move(screen.x() + qRound((screen.width() - box.width()) / 2.0),
         screen.y() + qRound((screen.height() - box.height()) / 2.0));
    QDialog::showEvent(event);
}

} // namespace velko
