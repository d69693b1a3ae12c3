#pragma once

// The application shell: creates the main window, which creates its dialogs,
// then shows and activates it, so that the first activation runs session
// start. Closing the main window ends the program; nothing is saved.

#include <QtGlobal>

#include "ui/mainwindow.h"

namespace quintaro::ui {

class ApplicationShell final {
    Q_DISABLE_COPY_MOVE(ApplicationShell)

public:
    ApplicationShell();
    ~ApplicationShell() = default;

    // Shows the main window at its place and gives it the focus.
    void start();

    [[nodiscard]] MainWindow& mainWindow() { return m_mainWindow; }

private:
    MainWindow m_mainWindow;
};

}  // namespace quintaro::ui
