#include "widgets/MainMenu.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace velko {

namespace {

// One row per menu, item, submenu or separator, in menu-bar order. A row
// without a member is a separator; a menu row starts a new menu. Captions are English
// source texts, translated when the menus are built; shortcuts stay as they are.
struct MenuRow {
    const char *objectName;
    const char *caption;
    const char *shortcut;
    QAction *MainMenu::*item;
    QMenu *MainMenu::*menu;
    QMenu *MainMenu::*submenu = nullptr;
    bool checkable = false;
};

constexpr MenuRow kRows[] = {
    {"mnuFile", QT_TRANSLATE_NOOP("velko::MainMenu", "&File"), "", nullptr, &MainMenu::file},
    {"mnuFileNew", QT_TRANSLATE_NOOP("velko::MainMenu", "&New"), "Ctrl+N", &MainMenu::fileNew,
     nullptr},
    {"mnuFileOpen", QT_TRANSLATE_NOOP("velko::MainMenu", "Import &File"), "Ctrl+F",
     &MainMenu::fileOpen, nullptr},
    {"mnuFileOpenWebPage", QT_TRANSLATE_NOOP("velko::MainMenu", "Import From &Web"), "Ctrl+W",
     &MainMenu::fileOpenWebPage, nullptr},
    {"mnuFileOpenSite", QT_TRANSLATE_NOOP("velko::MainMenu", "Open Sit&e..."), "Ctrl+Shift+E",
     &MainMenu::fileOpenSite, nullptr},
    {"mnuFileClose", QT_TRANSLATE_NOOP("velko::MainMenu", "&Close"), "", &MainMenu::fileClose,
     nullptr},
    {"mnuFileSpace1", "", "", nullptr, nullptr},
    {"mnuFileSave", QT_TRANSLATE_NOOP("velko::MainMenu", "&Save File"), "Ctrl+S",
     &MainMenu::fileSave, nullptr},
    {"mnuFileSaveAs", QT_TRANSLATE_NOOP("velko::MainMenu", "S&ave File As"), "",
     &MainMenu::fileSaveAs, nullptr},
    {"mnuFileSpace2", "", "", nullptr, nullptr},
    {"mnuFileExit", QT_TRANSLATE_NOOP("velko::MainMenu", "E&xit"), "Ctrl+Q", &MainMenu::fileExit,
     nullptr},

    {"mnuForm", QT_TRANSLATE_NOOP("velko::MainMenu", "F&orm"), "", nullptr, &MainMenu::form},
    {"mnuFormFill", QT_TRANSLATE_NOOP("velko::MainMenu", "&Fill In Examples"), "",
     &MainMenu::formFill, nullptr},
    {"mnuFormClearAll", QT_TRANSLATE_NOOP("velko::MainMenu", "&Clear Form Fields"), "",
     &MainMenu::formClearAll, nullptr},
    {"mnuFormSpace1", "", "", nullptr, nullptr},
    {"mnuFormOpen", QT_TRANSLATE_NOOP("velko::MainMenu", "&Open Form..."), "Ctrl+Shift+O",
     &MainMenu::formOpen, nullptr},
    {"mnuFormSaveAs", QT_TRANSLATE_NOOP("velko::MainMenu", "&Save Form As..."), "Ctrl+Shift+S",
     &MainMenu::formSaveAs, nullptr},
    {"mnuFormRecent", QT_TRANSLATE_NOOP("velko::MainMenu", "&Recent Forms"), "", nullptr, nullptr,
     &MainMenu::formRecent},

    {"mnuTags", QT_TRANSLATE_NOOP("velko::MainMenu", "&Tags"), "", nullptr, &MainMenu::tags},
    {"mnuTagsGenerate", QT_TRANSLATE_NOOP("velko::MainMenu", "&Generate Tags"), "Ctrl+G",
     &MainMenu::tagsGenerate, nullptr},
    {"mnuTagsInsert", QT_TRANSLATE_NOOP("velko::MainMenu", "&Insert Tags Into File"), "Ctrl+I",
     &MainMenu::tagsInsert, nullptr},
    {"mnuTagsUpdate", QT_TRANSLATE_NOOP("velko::MainMenu", "&Update Tags In File"), "Ctrl+U",
     &MainMenu::tagsUpdate, nullptr},
    {"mnuTagsUpdateFiles", QT_TRANSLATE_NOOP("velko::MainMenu", "Update Tags In &Files..."), "",
     &MainMenu::tagsUpdateFiles, nullptr},
    {"mnuTagsUndoSiteUpdate", QT_TRANSLATE_NOOP("velko::MainMenu", "Undo Last Site Update"), "",
     &MainMenu::tagsUndoSiteUpdate, nullptr},
    {"mnuTagsCopy", QT_TRANSLATE_NOOP("velko::MainMenu", "&Copy Tags"), "Ctrl+C",
     &MainMenu::tagsCopy, nullptr},
    {"mnuTagsSaveAs", QT_TRANSLATE_NOOP("velko::MainMenu", "&Save Tags As"), "",
     &MainMenu::tagsSaveAs, nullptr},
    {"mnuTagsCheck", QT_TRANSLATE_NOOP("velko::MainMenu", "Check Page"), "Ctrl+K",
     &MainMenu::tagsCheck, nullptr},
    {"mnuTagsCheckSite", QT_TRANSLATE_NOOP("velko::MainMenu", "Check Site..."), "Ctrl+Shift+K",
     &MainMenu::tagsCheckSite, nullptr},

    {"mnuView", QT_TRANSLATE_NOOP("velko::MainMenu", "&View"), "", nullptr, &MainMenu::view},
    {"mnuViewPreviews", QT_TRANSLATE_NOOP("velko::MainMenu", "Show &Previews"), "F9",
     &MainMenu::viewPreviews, nullptr, nullptr, true},
    {"mnuViewWrap", QT_TRANSLATE_NOOP("velko::MainMenu", "&Wrap Long Lines"), "",
     &MainMenu::viewWrap, nullptr, nullptr, true},
    {"mnuViewSpace1", "", "", nullptr, nullptr},
    // Ctrl+F is Import File's.
    {"mnuViewFind", QT_TRANSLATE_NOOP("velko::MainMenu", "&Find..."), "Ctrl+Shift+F",
     &MainMenu::viewFind, nullptr},
    {"mnuViewFindNext", QT_TRANSLATE_NOOP("velko::MainMenu", "Find &Next"), "F3",
     &MainMenu::viewFindNext, nullptr},
    {"mnuViewFindPrevious", QT_TRANSLATE_NOOP("velko::MainMenu", "Find Pre&vious"), "Shift+F3",
     &MainMenu::viewFindPrevious, nullptr},

    {"mnuHelp", QT_TRANSLATE_NOOP("velko::MainMenu", "&Help"), "", nullptr, &MainMenu::help},
    {"mnuHelpContents", QT_TRANSLATE_NOOP("velko::MainMenu", "Help &Document"), "F1",
     &MainMenu::helpContents, nullptr},
    {"mnuHelpCheckForUpgrade", QT_TRANSLATE_NOOP("velko::MainMenu", "Check For &Upgrade"), "",
     &MainMenu::helpCheckForUpgrade, nullptr},
    {"mnuHelpSpace1", "", "", nullptr, nullptr},
    {"mnuHelpVelkoHome", QT_TRANSLATE_NOOP("velko::MainMenu", "&Velko Home"), "",
     &MainMenu::helpVelkoHome, nullptr},
    {"mnuHelpTutorial", QT_TRANSLATE_NOOP("velko::MainMenu", "&Tutorial"), "",
     &MainMenu::helpTutorial, nullptr},
    {"mnuHelpPromote", QT_TRANSLATE_NOOP("velko::MainMenu", "&Promote Your Site"), "",
     &MainMenu::helpPromote, nullptr},
    {"mnuHelpSupportVelko", QT_TRANSLATE_NOOP("velko::MainMenu", "&Support Velko"), "",
     &MainMenu::helpSupportVelko, nullptr},
    {"mnuHelpVelkoOnline", QT_TRANSLATE_NOOP("velko::MainMenu", "Velko &Online Version"), "",
     &MainMenu::helpVelkoOnline, nullptr},
    {"mnuHelpSpace2", "", "", nullptr, nullptr},
    {"mnuHelpAbout", QT_TRANSLATE_NOOP("velko::MainMenu", "&About Velko"), "Ctrl+A",
     &MainMenu::helpAbout, nullptr},
};

QString caption(const MenuRow &row) {
    return QCoreApplication::translate("velko::MainMenu", row.caption);
}

} // namespace

MainMenu buildMainMenu(QMenuBar *bar) {
    MainMenu menu;
    QMenu *current = nullptr;
    for (const MenuRow &row : kRows) {
        const QString name = QString::fromUtf8(row.objectName);
        if (row.menu) {
            current = bar->addMenu(caption(row));
            current->setObjectName(name);
            menu.*row.menu = current;
            continue;
        }
        if (row.submenu) {
            QMenu *submenu = current->addMenu(caption(row));
            submenu->setObjectName(name);
            menu.*row.submenu = submenu;
            continue;
        }
        QAction *action = row.item ? current->addAction(caption(row)) : current->addSeparator();
        action->setObjectName(name);
        if (!row.item)
            continue;
        action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
        action->setCheckable(row.checkable);
        menu.*row.item = action;
    }
    return menu;
}

} // namespace velko
