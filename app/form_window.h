#pragma once

#include <QHash>
#include <QWidget>

#include "app/qt_controls.h"
#include "window/bound_form.h"
#include "window/layout.h"

namespace app {

// The window built from its layout over Qt widgets, offering them to the window's logic
// and delivering the user's clicks to it.
class FormWindow final : public QWidget,
                         public window::BoundForm<QtTextBox, QtLabel, QtOptionButton> {
 public:
  FormWindow();

  calc::NumberFormat UserNumberFormat() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Hands the user's clicks on the control to the logic.
  void Connect(const window::ControlLayout& control, QWidget& widget);
  void ReportError(const calc::RuntimeError& error) override;

  QHash<const QWidget*, const window::ControlLayout*> layouts_;
};

}  // namespace app
