// The baseline: a bare Qt window with the same kinds and number of controls as Veltaro's
// (two multi-line boxes, one hidden; four labels; a frame with three option buttons;
// three boxes; two buttons), default everything, no logic.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(461, 345);

  (new QPlainTextEdit(QStringLiteral("Help text"), &window))->setGeometry(8, 192, 449, 145);
  (new QPlainTextEdit(QStringLiteral("Hidden text"), &window))->hide();
  (new QLabel(QStringLiteral("Title"), &window))->setGeometry(56, 0, 353, 25);
  auto* frame = new QWidget(&window);
  frame->setGeometry(16, 40, 169, 121);
  for (int i = 0; i < 3; ++i) {
    (new QRadioButton(QStringLiteral("Option"), frame))->setGeometry(0, 8 + 40 * i, 161, 25);
    (new QLabel(QStringLiteral("Label"), &window))->setGeometry(208, 32 + 40 * i, 137, 25);
    (new QLineEdit(&window))->setGeometry(360, 32 + 40 * i, 89, 27);
  }
  (new QPushButton(QStringLiteral("First"), &window))->setGeometry(208, 160, 97, 25);
  (new QPushButton(QStringLiteral("Second"), &window))->setGeometry(344, 160, 81, 25);

  window.show();
  return QApplication::exec();
}
