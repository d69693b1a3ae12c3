#pragma once

// The sleeper column of the law of the third: 37 labels far to the right of
// the window's normal width, so that the player sees them only after dragging
// the window wide. They lie on the window itself, not on a panel of their own.

#include <QtGlobal>
#include <array>

#include "engine/session_state.h"

class QLabel;
class QWidget;

namespace quintaro::ui {

class SleeperColumnView final {
    Q_DISABLE_COPY_MOVE(SleeperColumnView)

public:
    // Places the labels on `window`, each showing its design text.
    explicit SleeperColumnView(QWidget* window);
    ~SleeperColumnView() = default;

    void showRestantenspalte(const SleeperColumn& column);

private:
    std::array<QLabel*, kNumberCount> m_labels{};
};

}  // namespace quintaro::ui
