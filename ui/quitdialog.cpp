#include "ui/quitdialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/designgeometry.h"
#include "ui/fonts.h"
#include "ui/placedlabel.h"

namespace quintaro::ui {

QuitDialog::QuitDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Beenden?"));
    setFont(defaultFont());
    new DesignGeometry(this, QRect(687, 194, 169, 121));

    placeLabel(this, QRect(8, 8, 145, 13), QStringLiteral("Wirklich Beenden?"), defaultFont(),
               Qt::AlignCenter);
    auto* beenden = new QPushButton(QStringLiteral("Beenden"), this);
    beenden->setObjectName(QStringLiteral("beendenButton"));
    beenden->setGeometry(36, 30, 89, 25);
    auto* weiterspielen = new QPushButton(QStringLiteral("Weiterspielen"), this);
    weiterspielen->setObjectName(QStringLiteral("weiterspielenButton"));
    weiterspielen->setGeometry(36, 60, 89, 25);
    connect(beenden, &QPushButton::clicked, this, &QDialog::accept);
    connect(weiterspielen, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace quintaro::ui
