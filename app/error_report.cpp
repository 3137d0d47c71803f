#include "app/error_report.h"

#include <QMessageBox>

namespace app {

void ReportError(QWidget* parent, const calc::RuntimeError& error, Consequence consequence) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Велтаро"),
                  QStringLiteral("Грешка %1: %2")
                      .arg(error.number())
                      .arg(QString::fromStdString(error.description())),
                  QMessageBox::Ok, parent);
  box.setInformativeText(consequence == Consequence::kGoesOn
                             ? QStringLiteral("Изчислението е прекъснато; въведеното е запазено.")
                             : QStringLiteral("Програмата не може да продължи."));
  box.exec();
}

}  // namespace app
