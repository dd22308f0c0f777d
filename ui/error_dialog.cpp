#include "error_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "calculation.h"
#include "controls.h"
#include "services.h"

namespace sueldara::ui {

ErrorDialog::ErrorDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("error"));
    setWindowTitle(QString::fromUtf8("Error de selección"));
    setModal(false);
    setFixedSize(twips(5115), twips(1515));
    setFont(arialFont(8.25));
    setBackground(this, rgb("#FF8000"));

    QLabel* label = makeLabel(this, "Label1", qs(kNoCategoryMessage), Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(label, 0, 120, 5115, 450);
    setForeground(label, rgb("#008000"));
    label->setFont(arialFont(14.25, true));

    QPushButton* aceptar = makeGraphicalButton(this, "Aceptar", QStringLiteral("Aceptar"), false);
    placeTwips(aceptar, 1680, 720, 1800, 540);
    setBackground(aceptar, rgb("#00FF00"));
    aceptar->setFont(arialFont(14.25, true));
    aceptar->setAutoDefault(true);
    aceptar->setDefault(true);
    connect(aceptar, &QAbstractButton::clicked, this, &QWidget::hide);
}

void ErrorDialog::reject() { findChild<QPushButton*>(QStringLiteral("Aceptar"))->click(); }

}  // namespace sueldara::ui
