#include "practice_services.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace orvanta {

void PracticeServices::showInvalidOperationBox(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"),
                    QStringLiteral("Invalid operation"), QMessageBox::Ok, parent);
    box.exec();
}

void PracticeServices::placeSystemCursor(QPoint global) {
    QCursor::setPos(global);
}

bool PracticeServices::isLeftButtonHeld() {
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

bool PracticeServices::execPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print question"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvanta
