#include "ui/logopanel.h"

#include <QLabel>
#include <array>

#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {
namespace {

struct LogoLine {
    QRect rect;
    QString text;
    QFont font;
};

}  // namespace

LogoPanel::LogoPanel(QWidget* parent) : Panel(parent) {
    const std::array<LogoLine, 3> lines = {{
        {QRect(3, 12, 44, 13), QStringLiteral("Saphir"), boldFont()},
        {QRect(3, 28, 44, 13), QStringLiteral("Roulette"), defaultFont()},
        {QRect(12, 44, 35, 13), QStringLiteral("Plein"), defaultFont()},
    }};
    for (const LogoLine& line : lines) {
        setTextColour(placeLabel(this, line.rect, line.text, line.font), QColor(0, 128, 0));
    }
}

}  // namespace quintaro::ui
