#pragma once

// The about box ("Info"): three lines about the program and "Schließen".

#include <QDialog>

namespace quintaro::ui {

class AboutDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QWidget* parent);
    ~AboutDialog() override = default;
};

}  // namespace quintaro::ui
