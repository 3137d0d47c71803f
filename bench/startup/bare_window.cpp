// The baseline: a bare Qt window with the same kinds and number of controls as Veltaro's
// (two multi-line boxes, one hidden; four labels; a frame with three option buttons;
// three boxes; two buttons), default everything, no logic. With --same-texts its controls
// show Veltaro's texts (the help text, the title, the modes' words, the buttons' captions),
// so that what Veltaro costs beyond its content can be told from what its content costs.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstring>

#include "calc/mode_table.h"
#include "window/layout.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text Veltaro's layout gives the control.
std::string_view LayoutText(std::string_view name, std::int16_t index) {
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    if (control.name == name && control.index == index) return control.text;
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const bool sameTexts = argc > 1 && std::strcmp(argv[1], "--same-texts") == 0;
  QApplication application(argc, argv);
  calc::ModeTable words;
  words.Fill();
  const auto text = [&](const char* bare, std::string_view veltaro) {
    return sameTexts ? Text(veltaro) : QString::fromLatin1(bare);
  };
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(461, 345);

  (new QPlainTextEdit(text("Help text", LayoutText("Text1", 0)), &window))
      ->setGeometry(8, 192, 449, 145);
  (new QPlainTextEdit(QStringLiteral("Hidden text"), &window))->hide();
  (new QLabel(text("Title", LayoutText("Label1", 0)), &window))->setGeometry(56, 0, 353, 25);
  auto* frame = new QWidget(&window);
  frame->setGeometry(16, 40, 169, 121);
  for (std::int16_t i = 0; i < 3; ++i) {
    (new QRadioButton(text("Option", words.Get(i, 0)), frame))->setGeometry(0, 8 + 40 * i, 161, 25);
    (new QLabel(text("Label", words.Get(0, static_cast<std::int16_t>(i + 1))), &window))
        ->setGeometry(208, 32 + 40 * i, 137, 25);
    (new QLineEdit(&window))->setGeometry(360, 32 + 40 * i, 89, 27);
  }
  (new QPushButton(text("First", LayoutText("Command1", 0)), &window))
      ->setGeometry(208, 160, 97, 25);
  (new QPushButton(text("Second", LayoutText("Command1", 1)), &window))
      ->setGeometry(344, 160, 81, 25);

  window.show();
  return QApplication::exec();
}
