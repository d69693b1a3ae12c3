#include "ui/sleepercolumnview.h"

#include <QLabel>
#include <cstddef>

#include "engine/display_texts.h"
#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {
namespace {

constexpr int kLeft = 680;

QString sleeperLabelText(SleeperEntry entry, std::size_t n) {
    return QString::fromStdString(sleeperText(entry, static_cast<int>(n)));
}

}  // namespace

SleeperColumnView::SleeperColumnView(QWidget* window) {
    for (std::size_t n = 0; n < m_labels.size(); ++n) {
        const int top = 24 + 16 * static_cast<int>(n);
        const int width = n <= 15 ? 38 : 44;
        m_labels[n] = placeLabel(window, QRect(kLeft, top, width, 13),
                                 sleeperLabelText(SleeperEntry::NotYetComputed, n), defaultFont());
        m_labels[n]->setObjectName(QStringLiteral("sleeper%1").arg(n));
    }
}

void SleeperColumnView::showRestantenspalte(const SleeperColumn& column) {
    for (std::size_t n = 0; n < m_labels.size(); ++n) {
        m_labels[n]->setText(sleeperLabelText(column[n], n));
    }
}

}  // namespace quintaro::ui
