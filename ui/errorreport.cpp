#include "ui/errorreport.h"

#include <QMessageBox>
#include <string>

#include "engine/error_report.h"
#include "engine/integer_conversion.h"

namespace quintaro::ui {
namespace {

// A longer text shows only its start and its end, so that the box appears at
// once and fits on the screen however much was pasted.
constexpr qsizetype kShownEnd = 32;

QString shortened(const QString& text) {
    if (text.size() <= 2 * kShownEnd + 1) {
        return text;
    }
    // Never cut a character in two.
    const qsizetype head = text.at(kShownEnd - 1).isHighSurrogate() ? kShownEnd - 1 : kShownEnd;
    const qsizetype tail =
        text.at(text.size() - kShownEnd).isLowSurrogate() ? kShownEnd - 1 : kShownEnd;
    return text.left(head) + QChar(0x2026) + text.right(tail);
}

}  // namespace

void reportConversionError(QWidget* parent, std::string_view text) {
    const QString typed =
        shortened(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    const std::string message = errorReportText(conversionErrorMessage(typed.toStdString()));
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, QString::fromStdString(message),
                    QMessageBox::Ok, parent);
    // Whatever was typed shows as typed, markup included.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Back to the window the box came from, with or without a window manager
    // that would do so by itself.
    if (parent != nullptr) {
        parent->window()->activateWindow();
    }
}

}  // namespace quintaro::ui
