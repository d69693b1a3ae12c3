#include "ui/applicationshell.h"

#include <QApplication>
#include <QIcon>

#include "ui/errorreport.h"

namespace quintaro::ui {

ApplicationShell::ApplicationShell() {
    QApplication::setApplicationName(kApplicationTitle);
    // The installed desktop entry and icon share this id, so the desktop can
    // match the running window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quintaro.Quintaro"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.quintaro.Quintaro")));
}

void ApplicationShell::start() {
    m_mainWindow.show();
    // A window manager activates a newly shown window by itself; without one
    // the request does, so session start runs in either case.
    m_mainWindow.activateWindow();
}

}  // namespace quintaro::ui
