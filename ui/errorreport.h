#pragma once

// The report for an error no operation handles: a modal message box with an
// error icon and one OK button, titled with the application's title. The only
// such error is a text that is no integer; the program carries on after it.

#include <QString>
#include <string_view>

class QWidget;

namespace quintaro::ui {

inline const QString kApplicationTitle = QStringLiteral("Quintaro");

// Shows "'<text>' ist kein gültiger Integerwert." over `parent`, as plain
// text, and returns when the player has pressed OK. A text of more than 65
// characters shows its first and last 32 around an ellipsis.
void reportConversionError(QWidget* parent, std::string_view text);

}  // namespace quintaro::ui
