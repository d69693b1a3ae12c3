#include "ui/placedlabel.h"

#include <QPalette>

namespace quintaro::ui {

QLabel* placeLabel(QWidget* parent, const QRect& rect, const QString& text, const QFont& font,
                   Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace quintaro::ui
