#include "app/form_window.h"

#include <QButtonGroup>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>

#include "app/control_widgets.h"
#include "app/error_report.h"
#include "app/title_bar.h"
#include "app/window_font.h"
#include "window/build_controls.h"
#include "window/pixels.h"

namespace app {
namespace {

using window::ControlLayout;

// The icon's pixels as raw RGBA bytes: no image reader, so no image plugin, at start.
QIcon WindowIcon() {
  constexpr int kSide = 32;
  constexpr qsizetype kBytes = qsizetype{kSide} * kSide * 4;
  const QResource pixels(QStringLiteral(":/icons/veltaro-32.rgba"));
  const QByteArray bytes = pixels.uncompressedData();
  if (bytes.size() != kBytes) return {};
  const QImage image(reinterpret_cast<const uchar*>(bytes.constData()), kSide, kSide,
                     QImage::Format_RGBA8888);
  return {QPixmap::fromImage(image)};
}

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
  window::BuildControls(
      Furnish(*this, window::MainWindow()),
      [&](const ControlLayout& control, QWidget* container) {
        QWidget* const widget = CreateControl(control, *container);
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

void FormWindow::ReportError(const calc::RuntimeError& error) {
  app::ReportError(this, error, window::Consequence::kGoesOn);
}

calc::NumberFormat FormWindow::UserNumberFormat() const {
  return {.decimalSeparator = QLocale::system().decimalPoint().toStdString()};
}

}  // namespace app
