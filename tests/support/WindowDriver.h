#pragma once

#include "support/ScriptedDesktop.h"
#include "widgets/MainWindow.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <memory>

namespace velko::test {

// The real main window with a scripted desktop, and the ways a test reaches
// its controls: by object name, as a user would by caption.
class WindowDriver {
public:
    explicit WindowDriver(const Settings &settings = {});
    ~WindowDriver();

    ScriptedDesktop &desktop() { return *m_desktop; }
    MainWindow &window() { return *m_window; }
    MemoryWindowStore &store() { return m_store; }

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

    void setText(Field field, const QString &text) {
        FormValue form = m_window->form();
        form[field] = text;
        m_window->setForm(form);
    }
    QString text(Field field) { return m_window->form()[field]; }
    QPlainTextEdit *documentArea() { return find<QPlainTextEdit>("rtfFile"); }
    int currentTab() { return find<QTabWidget>("TabStrip1")->currentIndex(); }

private:
    std::unique_ptr<ScriptedDesktop> m_desktop;
    MemoryWindowStore m_store;
    std::unique_ptr<MainWindow> m_window;
};

// The runs of an editor's text drawn in `colour`, one for each line it spans.
inline QStringList colouredRuns(const QPlainTextEdit &area, const QColor &colour) {
    QStringList runs;
    for (QTextBlock block = area.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().foreground().color() == colour)
                runs << it.fragment().text();
    return runs;
}

} // namespace velko::test

// Fails the test when the menu does not offer the item.
#define TRIGGER(driver, name)                                                                      \
    QVERIFY2((driver).trigger(name), qPrintable(QString(name) + " is not offered"))
