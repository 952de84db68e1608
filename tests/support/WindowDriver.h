#pragma once

#include "support/ScriptedDesktop.h"
#include "widgets/MainWindow.h"

#include <QAction>
#include <QTest>
#include <memory>

class QPlainTextEdit;

namespace velko::test {

// The real main window with a scripted desktop, and the ways a test reaches
// its controls: by object name, as a user would by caption.
class WindowDriver {
public:
    explicit WindowDriver(const Settings &settings = {});
    ~WindowDriver();

    ScriptedDesktop &desktop() { return *m_desktop; }
    MainWindow &window() { return *m_window; }
    RecentFormStore &recentForms() { return m_recentForms; }

    template <typename T> T *find(const QString &name) {
        T *child = m_window->findChild<T *>(name);
        if (!child)
            qFatal("no child named %s", qPrintable(name));
        return child;
    }
    QAction *action(const QString &name) { return find<QAction>(name); }
    // Opens a menu as a click would, which applies its rules, and closes it.
    void openMenu(const QString &name);
    // Chooses a menu item after checking that its menu offers it.
    [[nodiscard]] bool trigger(const QString &name);
    void showAndActivate();

    void setText(Field field, const QString &text);
    QString text(Field field);
    QPlainTextEdit *documentArea();
    int currentTab();

private:
    std::unique_ptr<ScriptedDesktop> m_desktop;
    MemoryRecentForms m_recentForms;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace velko::test

// Fails the test when the menu does not offer the item.
#define TRIGGER(driver, name)                                                                      \
    QVERIFY2((driver).trigger(name), qPrintable(QString(name) + " is not offered"))
