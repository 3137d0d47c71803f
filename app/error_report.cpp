#include "app/error_report.h"

#include <QMessageBox>

namespace app {

void ReportError(QWidget* parent, const calc::RuntimeError& error,
                 window::Consequence consequence) {
  const window::ErrorReport report = window::DescribeError(error, consequence);
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(report.title),
                  QString::fromStdString(report.message), QMessageBox::Ok, parent);
  box.setInformativeText(QString::fromStdString(report.consequence));
  box.exec();
}

}  // namespace app
