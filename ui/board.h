#pragma once

// The roulette board (`Tableau`): one label per number, visible exactly while
// its flag is set, so the player sees only the numbers to bet on the next
// coup; below them the "Coup:" display.

#include <QColor>
#include <QString>
#include <array>

#include "engine/session_state.h"
#include "ui/panel.h"

class QLabel;

namespace quintaro::ui {

class Board final : public Panel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Board)

public:
    // The board as drawn: every number visible but 1, "Coup:" showing "--".
    explicit Board(QWidget* parent);
    ~Board() override = default;

    void showTableau(const TableauFlags& tableau);
    void showCoup(const QString& text);

    // Where the label of number n lies on the board.
    [[nodiscard]] static QRect numberRect(int n);
    // Zero dark green, the red numbers red, the others black.
    [[nodiscard]] static QColor numberColour(int n);

private:
    std::array<QLabel*, kNumberCount> m_numbers{};
    QLabel* m_coup;
};

}  // namespace quintaro::ui
