// A long seeded random session against the real window: typed characters, pastes, Tab,
// Backspace, arrow keys and clicks, with error reports dismissed as a user would. After
// each event it checks what must always hold. Replay a failure with
// VELTARO_MONKEY_SEED=<seed>.
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>
#include <array>
#include <memory>

#include "app/form_window.h"
#include "app/window_style.h"

namespace {

constexpr quint64 kDefaultSeed = 20261208;
constexpr int kDefaultEvents = 20000;

const std::array<QStringList, 3> kLabels = {
    QStringList{"изходяща енергия", "подадена енергия", "КПД %"},
    QStringList{"годна продукция", "произведена продукция", "рандеман %"},
    QStringList{"получен добив", "теоретичен добив", "добив %"}};

// What a user might type: digits, points, commas, exponents, prefixes, signs, letters,
// Cyrillic and blanks.
const QStringList kTokens = {"0", "1",  "2",  "3", "4", "5", "6", "7", "8", "9", ".", ",", "e", "E",
                             "d", "&H", "&O", "F", "-", "+", " ", "a", "x", "ж", "Щ", "%", "\t"};
// Texts that reach the edges: beyond the range, tiny, hexadecimal, the largest input.
const QStringList kEdgeTexts = {"1e999", "2e307", "-9e99", "&HFFFF", "1e-99", "99999",
                                "0.99",  "",      "-0",    "1 615",  ".5",    "&O77"};

// Types as a keyboard would. QTest maps only Latin-1 characters to keys; others arrive as
// key events that carry just their text, as from an input method.
void Type(QWidget* target, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(target, c.toLatin1());
      continue;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
}

int EnvironmentNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app::InstallWindowStyle(); }
  void randomSessionKeepsTheWindowsPromises();

 private:
  template <typename Widget = QWidget>
  Widget* Control(const QString& name) const {
    return form_->findChild<Widget*>(name);
  }
  QString RandomText(int maxLength) {
    QString text;
    for (int i = random_.bounded(maxLength + 1); i > 0; --i) {
      text += kTokens[random_.bounded(kTokens.size())];
    }
    return text;
  }
  QWidget* Focused() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : form_.get();
  }
  // Performs one random event and says what it was.
  QString Perform();
  // What must hold after every event; an empty text when it all does.
  QString Broken(const QString& resultBefore) const;

  std::unique_ptr<app::FormWindow> form_;
  QRandomGenerator random_;
  int calculations_ = 0;
  int clears_ = 0;
  int reportsDismissed_ = 0;
};

QString MonkeyTest::Perform() {
  const int kind = random_.bounded(100);
  if (kind < 40) {
    const QString& token = kTokens[random_.bounded(kTokens.size())];
    Type(Focused(), token);
    return "type '" + token + "'";
  }
  if (kind < 48) {
    QTest::keyClick(Focused(), Qt::Key_Backspace);
    return "Backspace";
  }
  if (kind < 54) {
    QTest::keyClick(Focused(), random_.bounded(4) == 0 ? Qt::Key_Backtab : Qt::Key_Tab);
    return "Tab";
  }
  if (kind < 57) {
    QTest::keyClick(Focused(), random_.bounded(2) == 0 ? Qt::Key_Up : Qt::Key_Down);
    return "arrow";
  }
  if (kind < 62) {
    const QString text = RandomText(12);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(Focused(), Qt::Key_V, Qt::ControlModifier);
    return "paste '" + text + "'";
  }
  if (kind < 67) {
    const QString box = QStringLiteral("Text2(%1)").arg(random_.bounded(2));
    const QString& text = kEdgeTexts[random_.bounded(kEdgeTexts.size())];
    Control<QLineEdit>(box)->clear();
    Type(Control(box), text);
    return "type '" + text + "' into " + box;
  }
  if (kind < 75) {
    const QString box = QStringLiteral("Text2(%1)").arg(random_.bounded(3));
    QTest::mouseClick(Control(box), Qt::LeftButton);
    return "click " + box;
  }
  if (kind < 84) {
    const QString option = QStringLiteral("Option1(%1)").arg(random_.bounded(3));
    QTest::mouseClick(Control(option), Qt::LeftButton);
    return "click " + option;
  }
  const QString button = QStringLiteral("Command1(%1)").arg(kind < 95 ? 0 : 1);
  QTest::mouseClick(Control(button), Qt::LeftButton);
  return "click " + button;
}

QString MonkeyTest::Broken(const QString& resultBefore) const {
  if (!form_ || !form_->isVisible()) return "the window is gone";
  for (const char* box : {"Text2(0)", "Text2(1)"}) {
    if (Control<QLineEdit>(box)->text().size() > 5) return QString(box) + " holds more than 5";
  }
  const QString result = Control<QLineEdit>("Text2(2)")->text();
  if (!result.isEmpty() && !result.endsWith('%')) return "result '" + result + "' lacks %";
  const int checked = Control<QRadioButton>("Option1(0)")->group()->checkedId();
  const QStringList labels = {Control<QLabel>("Label2(0)")->text(),
                              Control<QLabel>("Label2(1)")->text(),
                              Control<QLabel>("Label2(2)")->text()};
  if (labels != kLabels[checked >= 0 ? checked : 0]) {
    return "labels " + labels.join('/') + " with option " + QString::number(checked);
  }
  if (result != resultBefore && calculations_ == 0 && clears_ == 0) {
    return "result changed from '" + resultBefore + "' to '" + result + "' without a button";
  }
  return {};
}

void MonkeyTest::randomSessionKeepsTheWindowsPromises() {
  const auto seed = static_cast<quint64>(EnvironmentNumber("VELTARO_MONKEY_SEED", kDefaultSeed));
  const int events = EnvironmentNumber("VELTARO_MONKEY_EVENTS", kDefaultEvents);
  random_.seed(seed);
  form_ = std::make_unique<app::FormWindow>();
  form_->Load();
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  connect(Control<QPushButton>("Command1(0)"), &QPushButton::clicked, this,
          [this] { ++calculations_; });
  connect(Control<QPushButton>("Command1(1)"), &QPushButton::clicked, this, [this] { ++clears_; });

  for (int event = 0; event < events; ++event) {
    // A report opened by this event is dismissed from its own event loop.
    QTimer::singleShot(0, this, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++reportsDismissed_;
        modal->close();
      }
    });
    const QString resultBefore = Control<QLineEdit>("Text2(2)")->text();
    calculations_ = clears_ = 0;
    const QString what = Perform();
    QCoreApplication::processEvents();
    const QString broken = Broken(resultBefore);
    if (!broken.isEmpty()) {
      QFAIL(qPrintable(
          QStringLiteral("seed %1, event %2 (%3): %4").arg(seed).arg(event).arg(what, broken)));
    }
  }
  qInfo("seed %llu: %d events, %d error reports dismissed", seed, events, reportsDismissed_);
  QVERIFY2(reportsDismissed_ > 0, "the session should reach an error report at least once");
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
