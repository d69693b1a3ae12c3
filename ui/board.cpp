#include "ui/board.h"

#include <QLabel>
#include <cstddef>

#include "engine/display_texts.h"
#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {

Board::Board(QWidget* parent) : Panel(parent) {
    for (int n = 0; n < kNumberCount; ++n) {
        QLabel* label =
            placeLabel(this, numberRect(n), QString::number(n), boardNumberFont(), Qt::AlignCenter);
        label->setObjectName(QStringLiteral("number%1").arg(n));
        setTextColour(label, numberColour(n));
        m_numbers[static_cast<std::size_t>(n)] = label;
    }
    m_numbers[1]->hide();
    placeLabel(this, QRect(8, 320, 33, 13), QStringLiteral("Coup:"), boldFont());
    m_coup =
        placeLabel(this, QRect(48, 320, 25, 13), QStringLiteral("--"), boldFont(), Qt::AlignCenter);
    m_coup->setObjectName(QStringLiteral("coupValue"));
}

void Board::showTableau(const TableauFlags& tableau) {
    for (std::size_t n = 0; n < m_numbers.size(); ++n) {
        m_numbers[n]->setVisible(tableau[n]);
    }
}

void Board::showCoup(const QString& text) {
    m_coup->setText(text);
}

QRect Board::numberRect(int n) {
    if (n == 0) {
        return {32, 8, 41, 17};
    }
    const int column = (n - 1) % 3;
    const int row = (n - 1) / 3;
    return {8 + 32 * column, 32 + 24 * row, 25, 17};
}

QColor Board::numberColour(int n) {
    if (n == 0) {
        return {0, 128, 0};
    }
    return isRedNumber(n) ? QColor(255, 0, 0) : QColor(0, 0, 0);
}

}  // namespace quintaro::ui
