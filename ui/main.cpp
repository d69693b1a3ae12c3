// Quintaro: an advisor for straight-up betting at single-zero roulette.

#include <QApplication>

#include "ui/applicationshell.h"

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    quintaro::ui::ApplicationShell shell;
    shell.start();
    return QApplication::exec();
}
