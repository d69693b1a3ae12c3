#pragma once

// The history column at the left of the window: the last twelve numbers of
// `Permanenz`, newest at the top, each in its roulette colour. Texts and
// colours come from historyLabel() (engine/display_texts.h), the rule the
// headless driver shows too.

#include <QColor>
#include <array>

#include "engine/display_texts.h"
#include "engine/session_state.h"
#include "ui/panel.h"

class QLabel;

namespace quintaro::ui {

class HistoryColumn final : public Panel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HistoryColumn)

public:
    // A raised panel with twelve labels, each "--" until the first coup.
    explicit HistoryColumn(QWidget* parent);
    ~HistoryColumn() override = default;

    // "11  Permanenzanzeige": label k shows slot k, for k = 1 to 12.
    void showPermanenz(const History& permanenz);

    [[nodiscard]] static QColor colourOf(HistoryColour colour);

private:
    std::array<QLabel*, kHistoryLines> m_labels{};
};

}  // namespace quintaro::ui
