#include "app/title_bar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace app {
namespace {

constexpr int kTitleBarHeight = 30;
constexpr int kMargin = 6;

class CloseButton final : public QAbstractButton {
 public:
  explicit CloseButton(QWidget& titleBar) : QAbstractButton(&titleBar) {
    // A title bar's button takes no focus; its name is Qt's own word, in Bulgarian.
    setFocusPolicy(Qt::NoFocus);
    const QString name = QCoreApplication::translate("QPlatformTheme", "Close");
    setAccessibleName(name);
    setToolTip(name);
    connect(this, &QAbstractButton::clicked, this, [this] { window()->close(); });
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (underMouse() || isDown()) painter.fillRect(rect(), palette().mid());
    painter.setPen(QPen(palette().windowText(), 2));
    const QRectF cross = QRectF(rect()).adjusted(7, 7, -7, -7);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
  }
  void enterEvent(QEnterEvent* /*event*/) override { update(); }
  void leaveEvent(QEvent* /*event*/) override { update(); }
};

class TitleBar final : public QWidget {
 public:
  explicit TitleBar(QWidget& form) : QWidget(&form), close_(new CloseButton(*this)) {
    // The desktop's colours, not the window's own.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Mid}) {
      colours.setColor(role, QGuiApplication::palette().color(role));
    }
    setPalette(colours);
    setAutoFillBackground(true);
  }

 protected:
  void resizeEvent(QResizeEvent* /*event*/) override {
    const int side = height() - 2 * kMargin + 4;
    close_->setGeometry(width() - side - kMargin + 2, (height() - side) / 2, side, side);
  }

  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    const int icon = height() - 2 * kMargin;
    window()->windowIcon().paint(&painter, kMargin, kMargin, icon, icon);
    const QRect caption = rect().adjusted(icon + 2 * kMargin, 0, -(icon + 2 * kMargin), 0);
    painter.setPen(palette().windowText().color());
    painter.drawText(
        caption, Qt::AlignCenter,
        fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, caption.width()));
    painter.setPen(palette().mid().color());
    painter.drawLine(0, height() - 1, width(), height() - 1);
  }

  // The compositor moves the window, as it would by a title bar of its own.
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) window()->windowHandle()->startSystemMove();
  }

 private:
  CloseButton* close_;
};

}  // namespace

bool DrawsItsOwnTitleBar() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QWidget* AddTitleBar(QWidget& form, QSize clientSize) {
  // The title hints would keep Qt's own title bar.
  form.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  auto* titleBar = new TitleBar(form);
  titleBar->setGeometry(0, 0, clientSize.width(), kTitleBarHeight);
  auto* client = new QWidget(&form);
  client->setGeometry(0, kTitleBarHeight, clientSize.width(), clientSize.height());
  form.setFixedSize(clientSize + QSize(0, kTitleBarHeight));
  return client;
}

}  // namespace app
