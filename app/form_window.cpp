#include "app/form_window.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "app/control_widgets.h"
#include "app/error_report.h"
#include "app/title_bar.h"
#include "app/window_font.h"
#include "app/window_icon.h"
#include "window/build_controls.h"
#include "window/control_error.h"
#include "window/pixels.h"

namespace app {
namespace {

using window::ControlLayout;

// Gives the window its caption, icon, font, size and colour; returns its client area.
QWidget* Furnish(QWidget& form, const window::WindowLayout& layout) {
  form.setObjectName(FromUtf8(layout.name));
  form.setWindowTitle(FromUtf8(layout.caption));
  form.setWindowIcon(WindowIcon());
  form.setFont(WindowFont(layout.font));
  const QSize client(window::TwipsToPixels(layout.clientWidth),
                     window::TwipsToPixels(layout.clientHeight));
  form.setFixedSize(client);
  // Fixed size: a title bar with the system menu and the close button, nothing more.
  form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Paint(form, layout.background);
  // Where Qt's title bar would offer more than that, the window draws its own.
  return DrawsItsOwnTitleBar() ? AddTitleBar(form, client) : &form;
}

bool TakesFocus(const ControlLayout& control, const QWidget& widget) {
  return control.visible && widget.focusPolicy() != Qt::NoFocus;
}

}  // namespace

FormWindow::FormWindow() {
  QWidget* previousInTabOrder = nullptr;
  window::BuildControls(Furnish(*this, window::MainWindow()),
                        [&](const ControlLayout& control, QWidget* container) {
                          QWidget* const widget = CreateControl(control, *container);
                          Bind(control, widget);
                          if (TakesFocus(control, *widget)) {
                            if (previousInTabOrder == nullptr)
                              widget->setFocus();
                            else
                              setTabOrder(previousInTabOrder, widget);
                            previousInTabOrder = widget;
                          }
                          return widget;
                        });
  // A box is named, for assistive technology, by its label's current caption.
  for (const ControlLayout& control : window::MainWindowControls()) {
    if (!control.labelledBy) continue;
    const auto& [name, index] = *control.labelledBy;
    findChild<QLabel*>(QString::fromStdString(window::ElementName(name, index)))
        ->setBuddy(findChild<QWidget*>(QString::fromStdString(window::ControlNameOf(control))));
  }
}

void FormWindow::Bind(const ControlLayout& control, QWidget* widget) {
  const std::int16_t index = control.index;
  if (control.name == text2_.Name()) {
    text2_.Add(index, qobject_cast<QLineEdit*>(widget));
  } else if (control.name == label2_.Name()) {
    label2_.Add(index, qobject_cast<QLabel*>(widget));
  } else if (control.name == option1_.Name()) {
    auto* button = qobject_cast<QRadioButton*>(widget);
    option1_.Add(index, button);
    // The buttons of one container are one exclusive group.
    auto* group =
        widget->parentWidget()->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr) {
      group = new QButtonGroup(widget->parentWidget());
      // Click is raised when the user makes a button the selected one, never on clearing.
      connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) Dispatch([&] { logic_.Option1_Click(static_cast<std::int16_t>(id)); });
      });
    }
    group->addButton(button, index);
  } else if (control.name == "Command1") {
    connect(qobject_cast<QPushButton*>(widget), &QPushButton::clicked, this,
            [this, index] { Dispatch([&] { logic_.Command1_Click(index); }); });
  }
}

template <typename Handler>
void FormWindow::Dispatch(Handler handler) {
  try {
    handler();
  } catch (const calc::RuntimeError& error) {
    ReportError(this, error, window::Consequence::kGoesOn);
  }
}

void FormWindow::Load() { logic_.Form_Load(); }

window::TextBox& FormWindow::Text2(std::int16_t index) { return text2_.Item(index); }

window::Label& FormWindow::Label2(std::int16_t index) { return label2_.Item(index); }

window::OptionButton& FormWindow::Option1(std::int16_t index) { return option1_.Item(index); }

calc::NumberFormat FormWindow::UserNumberFormat() const {
  return {.decimalSeparator = QLocale::system().decimalPoint().toStdString()};
}

}  // namespace app
