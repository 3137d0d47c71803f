#include "app/form_window.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "app/control_widgets.h"
#include "app/error_report.h"
#include "app/legacy_title.h"
#include "app/title_bar.h"
#include "app/window_font.h"
#include "app/window_icon.h"
#include "calc/decimal_separator.h"
#include "window/build_controls.h"
#include "window/keyboard.h"
#include "window/pixels.h"

namespace app {
namespace {

using window::ControlLayout;

// Gives the window its caption, icon, font, size and colour; returns its client area.
QWidget* Furnish(QWidget& form, const window::WindowLayout& layout) {
  form.setObjectName(FromUtf8(layout.name));
  form.setWindowTitle(FromUtf8(layout.caption));
  KeepLegacyTitle(form);
  form.setFont(WindowFont(layout.font));
  const QSize client(window::TwipsToPixels(layout.clientWidth),
                     window::TwipsToPixels(layout.clientHeight));
  form.setFixedSize(client);
  // Fixed size: a title bar with the system menu and the close button, nothing more.
  form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Paint(form, layout.background);
  // Where Qt's title bar would offer more than that, the window draws its own, icon and all.
  if (DrawsItsOwnTitleBar()) {
    form.setWindowIcon(WindowIcon());
    return AddTitleBar(form, client);
  }
  GiveIconAfterFirstPaint(form);
  return &form;
}

bool TakesFocus(const ControlLayout& control, const QWidget& widget) {
  return control.visible && widget.focusPolicy() != Qt::NoFocus;
}

}  // namespace

FormWindow::FormWindow() {
  QWidget* previousInTabOrder = nullptr;
  window::BuildControls(
      Furnish(*this, window::MainWindow()),
      [&](const ControlLayout& control, QWidget* container) {
        QWidget* const widget = CreateControl(control, *container);
        layouts_.insert(widget, &control);
        Add(control, widget);
        Connect(control, *widget);
        if (TakesFocus(control, *widget)) {
          if (previousInTabOrder == nullptr)
            widget->setFocus();
          else
            setTabOrder(previousInTabOrder, widget);
          previousInTabOrder = widget;
        }
        return widget;
      },
      // A box is named, for assistive technology, by its label's current caption.
      [](QWidget* label, QWidget* box) { qobject_cast<QLabel*>(label)->setBuddy(box); });
}

void FormWindow::Connect(const ControlLayout& control, QWidget& widget) {
  if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    connect(button, &QPushButton::clicked, this, [this, &control] { Click(control); });
  } else if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
    // The buttons of one container are one exclusive group.
    QWidget* const container = widget.parentWidget();
    auto* group = container->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr) group = new QButtonGroup(container);
    group->addButton(option, control.index);
    // Click is raised when the user makes a button the selected one, never on clearing.
    connect(option, &QRadioButton::toggled, this, [this, &control](bool checked) {
      if (checked) Click(control);
    });
  }
}

// Enter comes here when the focused control has no use for it: a focused command button is
// then pressed, as on Windows and in the page, and anywhere else nothing happens.
void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    const ControlLayout* focused = layouts_.value(focusWidget());
    if (focused != nullptr && window::EnterPresses(*focused)) {
      if (!event->isAutoRepeat()) Click(*focused);
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void FormWindow::ReportError(const calc::RuntimeError& error) {
  app::ReportError(this, error, window::Consequence::kGoesOn);
}

calc::NumberFormat FormWindow::UserNumberFormat() const {
  const QLocale settings = QLocale::system();
  return calc::FormatFromSettings(settings.decimalPoint().toStdString(),
                                  settings.name().toStdString());
}

}  // namespace app
