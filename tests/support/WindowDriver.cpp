#include "support/WindowDriver.h"

#include <QMenu>

namespace velko::test {

WindowDriver::WindowDriver(const Settings &settings)
    : m_desktop(std::make_unique<ScriptedDesktop>())
    , m_window(std::make_unique<MainWindow>(*m_desktop, settings, m_store)) {}

WindowDriver::~WindowDriver() = default;

void WindowDriver::openMenu(const QString &name) {
    QMenu *menu = find<QMenu>(name);
    menu->popup(QPoint(0, 0));
    menu->hide();
}

bool WindowDriver::trigger(const QString &name) {
    QAction *item = action(name);
    const auto *menu = qobject_cast<QMenu *>(item->parent());
    openMenu(menu->objectName());
    if (!item->isEnabled())
        return false;
    item->trigger();
    return true;
}

void WindowDriver::showAndActivate() {
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qFatal("the window did not become active");
}

} // namespace velko::test
