#include "ui/aboutdialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/designgeometry.h"
#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info"));
    setFont(defaultFont());
    new DesignGeometry(this, QRect(679, 141, 233, 128));

    placeLabel(this, QRect(8, 8, 209, 13), QStringLiteral("Quintaro Saphir Version"), boldFont());
    placeLabel(this, QRect(8, 24, 209, 13), QStringLiteral("Ratgeber für Plein-Sätze am Roulette"),
               defaultFont());
    placeLabel(this, QRect(8, 40, 209, 13), QStringLiteral("Neu geschrieben in C++ mit Qt 6"),
               defaultFont());
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("schliessenButton"));
    schliessen->setGeometry(75, 64, 75, 25);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quintaro::ui
