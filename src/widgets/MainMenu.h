#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace velko {

// The menu bar's menus and items, by the names the window's commands use.
struct MainMenu {
    QMenu *file = nullptr;
    QAction *fileNew = nullptr;
    QAction *fileOpen = nullptr;
    QAction *fileOpenWebPage = nullptr;
    QAction *fileOpenSite = nullptr;
    QAction *fileClose = nullptr;
    QAction *fileSave = nullptr;
    QAction *fileSaveAs = nullptr;
    QAction *fileExit = nullptr;

    QMenu *form = nullptr;
    QAction *formFill = nullptr;
    QAction *formClearAll = nullptr;
    QAction *formOpen = nullptr;
    QAction *formSaveAs = nullptr;
    QMenu *formRecent = nullptr; // filled by the window as the Form menu opens

    QMenu *tags = nullptr;
    QAction *tagsGenerate = nullptr;
    QAction *tagsInsert = nullptr;
    QAction *tagsUpdate = nullptr;
    QAction *tagsUpdateFiles = nullptr;
    QAction *tagsUndoSiteUpdate = nullptr;
    QAction *tagsCopy = nullptr;
    QAction *tagsSaveAs = nullptr;
    QAction *tagsCheck = nullptr;
    QAction *tagsCheckSite = nullptr;

    QMenu *view = nullptr;
    QAction *viewPreviews = nullptr; // checkable
    QAction *viewWrap = nullptr;     // checkable
    QAction *viewFind = nullptr;
    QAction *viewFindNext = nullptr;
    QAction *viewFindPrevious = nullptr;

    QMenu *help = nullptr;
    QAction *helpContents = nullptr;
    QAction *helpCheckForUpgrade = nullptr;
    QAction *helpVelkoHome = nullptr;
    QAction *helpTutorial = nullptr;
    QAction *helpPromote = nullptr;
    QAction *helpSupportVelko = nullptr;
    QAction *helpVelkoOnline = nullptr;
    QAction *helpAbout = nullptr;
};

// Fills `bar` with the File, Form, Tags, View and Help menus: captions, access
// keys, shortcuts and separators, every item enabled and none checked.
MainMenu buildMainMenu(QMenuBar *bar);

} // namespace velko
