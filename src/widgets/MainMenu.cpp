#include "widgets/MainMenu.h"

#include <QMenuBar>

namespace velko {

namespace {

// One row per menu, item or separator, in menu-bar order. A row without a
// member is a separator; a menu row starts a new menu.
struct MenuRow {
    const char *objectName;
    const char *caption;
    const char *shortcut;
    QAction *MainMenu::*item;
    QMenu *MainMenu::*menu;
};

constexpr MenuRow kRows[] = {
    {"mnuFile", "&File", "", nullptr, &MainMenu::file},
    {"mnuFileNew", "&New", "Ctrl+N", &MainMenu::fileNew, nullptr},
    {"mnuFileOpen", "Import &File", "Ctrl+F", &MainMenu::fileOpen, nullptr},
    {"mnuFileOpenWebPage", "Import From &Web", "Ctrl+W", &MainMenu::fileOpenWebPage, nullptr},
    {"mnuFileClose", "&Close", "", &MainMenu::fileClose, nullptr},
    {"mnuFileSpace1", "", "", nullptr, nullptr},
    {"mnuFileSave", "&Save File", "Ctrl+S", &MainMenu::fileSave, nullptr},
    {"mnuFileSaveAs", "S&ave File As", "", &MainMenu::fileSaveAs, nullptr},
    {"mnuFileSpace2", "", "", nullptr, nullptr},
    {"mnuFileExit", "E&xit", "Ctrl+Q", &MainMenu::fileExit, nullptr},

    {"mnuForm", "F&orm", "", nullptr, &MainMenu::form},
    {"mnuFormFill", "&Fill In Examples", "", &MainMenu::formFill, nullptr},
    {"mnuFormClearAll", "&Clear Form Fields", "", &MainMenu::formClearAll, nullptr},

    {"mnuTags", "&Tags", "", nullptr, &MainMenu::tags},
    {"mnuTagsGenerate", "&Generate Tags", "Ctrl+G", &MainMenu::tagsGenerate, nullptr},
    {"mnuTagsInsert", "&Insert Tags Into File", "Ctrl+I", &MainMenu::tagsInsert, nullptr},
    {"mnuTagsCopy", "&Copy Tags", "Ctrl+C", &MainMenu::tagsCopy, nullptr},
    {"mnuTagsSaveAs", "&Save Tags As", "", &MainMenu::tagsSaveAs, nullptr},

    {"mnuHelp", "&Help", "", nullptr, &MainMenu::help},
    {"mnuHelpContents", "Help &Document", "F1", &MainMenu::helpContents, nullptr},
    {"mnuHelpCheckForUpgrade", "Check For &Upgrade", "", &MainMenu::helpCheckForUpgrade, nullptr},
    {"mnuHelpSpace1", "", "", nullptr, nullptr},
    {"mnuHelpVelkoHome", "&Velko Home", "", &MainMenu::helpVelkoHome, nullptr},
    {"mnuHelpTutorial", "&Tutorial", "", &MainMenu::helpTutorial, nullptr},
    {"mnuHelpPromote", "&Promote Your Site", "", &MainMenu::helpPromote, nullptr},
    {"mnuHelpSupportVelko", "&Support Velko", "", &MainMenu::helpSupportVelko, nullptr},
    {"mnuHelpVelkoOnline", "Velko &Online Version", "", &MainMenu::helpVelkoOnline, nullptr},
    {"mnuHelpSpace2", "", "", nullptr, nullptr},
    {"mnuHelpAbout", "&About Velko", "Ctrl+A", &MainMenu::helpAbout, nullptr},
};

} // namespace

MainMenu buildMainMenu(QMenuBar *bar) {
    MainMenu menu;
    QMenu *current = nullptr;
    for (const MenuRow &row : kRows) {
        const QString name = QString::fromUtf8(row.objectName);
        if (row.menu) {
            current = bar->addMenu(QString::fromUtf8(row.caption));
            current->setObjectName(name);
            menu.*row.menu = current;
            continue;
        }
        QAction *action =
            row.item ? current->addAction(QString::fromUtf8(row.caption)) : current->addSeparator();
        action->setObjectName(name);
        if (!row.item)
            continue;
        action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
        menu.*row.item = action;
    }
    return menu;
}

} // namespace velko
