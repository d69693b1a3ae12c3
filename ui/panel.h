#pragma once

// A panel of the main window that tells when the player clicks its bare
// background. A click on a visible label inside it is not a background click:
// the label lies on top, so the click never reaches the background.

#include <QFrame>

namespace quintaro::ui {

class Panel : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Panel)

public:
    enum class Bevel { Raised, None };

    explicit Panel(QWidget* parent, Bevel bevel = Bevel::Raised);
    ~Panel() override = default;

signals:
    void backgroundClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quintaro::ui
