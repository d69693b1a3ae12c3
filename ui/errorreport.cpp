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
}

}  // namespace quintaro::ui
