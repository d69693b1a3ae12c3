#include "ui/errorreport.h"

#include <QMessageBox>

#include "engine/error_report.h"
#include "engine/integer_conversion.h"

namespace quintaro::ui {

void reportConversionError(QWidget* parent, std::string_view text) {
    const std::string message = errorReportText(conversionErrorMessage(text));
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, QString::fromStdString(message),
                    QMessageBox::Ok, parent);
    box.exec();
    // Back to the window the box came from, with or without a window manager
    // that would do so by itself.
    if (parent != nullptr) {
        parent->window()->activateWindow();
    }
}

}  // namespace quintaro::ui
