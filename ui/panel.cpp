#include "ui/panel.h"

#include <QMouseEvent>

namespace quintaro::ui {

Panel::Panel(QWidget* parent, Bevel bevel) : QFrame(parent) {
    // Opaque, so that a panel covers whatever lies under it.
    setAutoFillBackground(true);
    if (bevel == Bevel::Raised) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
    }
}

void Panel::mousePressEvent(QMouseEvent* event) {
    // A label ignores the press, so it arrives here too; childAt() tells the
    // bare background (or a hidden label's place) from a visible child.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
        event->accept();
        emit backgroundClicked();
        return;
    }
    QFrame::mousePressEvent(event);
}

}  // namespace quintaro::ui
