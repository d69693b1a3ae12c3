#include "ui/historycolumn.h"

#include <QLabel>
#include <cstddef>

#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {

HistoryColumn::HistoryColumn(QWidget* parent) : Panel(parent) {
    for (std::size_t k = 0; k < m_labels.size(); ++k) {
        const int top = 8 + 16 * static_cast<int>(k);
        m_labels[k] = placeLabel(this, QRect(8, top, 33, 13), QStringLiteral("--"), boldFont(),
                                 Qt::AlignCenter);
        m_labels[k]->setObjectName(QStringLiteral("history%1").arg(k + 1));
    }
}

void HistoryColumn::showPermanenz(const History& permanenz) {
    for (std::size_t k = 0; k < m_labels.size(); ++k) {
        const HistoryLabel line = historyLabel(permanenz[k + 1]);
        m_labels[k]->setText(QString::fromStdString(line.text));
        setTextColour(m_labels[k], colourOf(line.colour));
    }
}

QColor HistoryColumn::colourOf(HistoryColour colour) {
    switch (colour) {
        case HistoryColour::Red:
            return {255, 0, 0};
        case HistoryColour::BrightGreen:
            return {0, 255, 0};
        case HistoryColour::Black:
            break;
    }
    return {0, 0, 0};
}

}  // namespace quintaro::ui
