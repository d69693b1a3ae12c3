#pragma once

// Every label of the window sits at a fixed place in its panel, as drawn.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace quintaro::ui {

// A label with its rectangle, text, font and alignment, owned by `parent`.
QLabel* placeLabel(QWidget* parent, const QRect& rect, const QString& text, const QFont& font,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// Sets the colour the label draws its text in.
void setTextColour(QLabel* label, const QColor& colour);

}  // namespace quintaro::ui
