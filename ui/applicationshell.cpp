#include "ui/applicationshell.h"

#include <QApplication>

#include "ui/errorreport.h"

namespace quintaro::ui {

ApplicationShell::ApplicationShell() {
    QApplication::setApplicationName(kApplicationTitle);
}

void ApplicationShell::start() {
    m_mainWindow.show();
    // A window manager activates a newly shown window by itself; without one
    // the request does, so session start runs in either case.
    m_mainWindow.activateWindow();
}

}  // namespace quintaro::ui
