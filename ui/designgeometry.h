#pragma once

// Puts a top-level window at its drawn place and size. The drawn size is the
// outer one, frame, caption bar and menu bar included, but Qt sizes only the
// client area and the window manager adds its frame later, when it decorates
// the window. So the client first gets the drawn size less a typical frame;
// as soon as the real frame is known, the client is sized once more so that
// window plus frame are exactly the drawn size. Without a window manager there
// is no frame and the client keeps the first estimate. After that one fit the
// player may drag the window to any size.

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

namespace quintaro::ui {

class DesignGeometry final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesignGeometry)

public:
    // `window` owns the object; `outer` is the drawn outer rectangle on screen.
    DesignGeometry(QWidget* window, const QRect& outer);
    ~DesignGeometry() override = default;

    // A sizeable frame of four pixels and a caption bar of nineteen.
    static constexpr QMargins kTypicalFrame{4, 23, 4, 4};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToFrame();

    QWidget* m_window;
    QRect m_outer;
};

}  // namespace quintaro::ui
