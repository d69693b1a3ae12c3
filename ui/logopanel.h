#pragma once

// The logo at the top right: three lines of green text on a raised panel.

#include "ui/panel.h"

namespace quintaro::ui {

class LogoPanel final : public Panel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogoPanel)

public:
    explicit LogoPanel(QWidget* parent);
    ~LogoPanel() override = default;
};

}  // namespace quintaro::ui
