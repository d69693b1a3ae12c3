#include "ui/fonts.h"

#include <QStringList>

namespace quintaro::ui {
namespace {

QFont sansSerif(int pixelSize, QFont::Weight weight) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

}  // namespace

QFont defaultFont() {
    return sansSerif(11, QFont::Normal);
}

QFont boldFont() {
    return sansSerif(11, QFont::Bold);
}

QFont boardNumberFont() {
    return sansSerif(16, QFont::Bold);
}

}  // namespace quintaro::ui
