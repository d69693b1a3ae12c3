#pragma once

// The quit confirmation ("Datei" > "Beenden"). exec() answers Accepted for
// "Beenden" and Rejected for "Weiterspielen" or the close box.

#include <QDialog>

namespace quintaro::ui {

class QuitDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuitDialog)

public:
    explicit QuitDialog(QWidget* parent);
    ~QuitDialog() override = default;
};

}  // namespace quintaro::ui
