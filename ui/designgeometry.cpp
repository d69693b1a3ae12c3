#include "ui/designgeometry.h"

#include <QEvent>
#include <QWidget>

namespace quintaro::ui {
namespace {

QSize shrunkBy(const QSize& size, const QMargins& margins) {
    return {size.width() - margins.left() - margins.right(),
            size.height() - margins.top() - margins.bottom()};
}

QMargins frameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

DesignGeometry::DesignGeometry(QWidget* window, const QRect& outer)
    : QObject(window), m_window(window), m_outer(outer) {
    // Before the window exists, move() places the outer top-left corner.
    m_window->move(m_outer.topLeft());
    m_window->resize(shrunkBy(m_outer.size(), kTypicalFrame));
    m_window->installEventFilter(this);
}

bool DesignGeometry::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            fitToFrame();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void DesignGeometry::fitToFrame() {
    const QMargins margins = frameMargins(m_window);
    if (margins.isNull()) {
        return;  // not decorated (yet)
    }
    m_window->removeEventFilter(this);
    m_window->resize(shrunkBy(m_outer.size(), margins));
    m_window->move(m_outer.topLeft());
}

}  // namespace quintaro::ui
