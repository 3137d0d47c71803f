#include "app/form_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QColorSpace>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "app/accessibility.h"
#include "app/control_widgets.h"
#include "app/standard_texts.h"
#include "app/tests/pixel_contrast.h"
#include "app/window_style.h"
#include "window/contrast.h"
#include "window/control_error.h"
#include "window/layout.h"
#include "window/pixels.h"

namespace {

const QStringList kModeCaptions = {"КПД", "рандеман", "практически добив"};
const QStringList kEfficiencyLabels = {"изходяща енергия", "подадена енергия", "КПД %"};
const QStringList kGoodProductLabels = {"годна продукция", "произведена продукция", "рандеман %"};

}  // namespace

class FormWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The colour tests run again under a dark desktop palette: light text, dark faces.
    if (qgetenv("VELTARO_TEST_PALETTE") == "dark") QApplication::setPalette(DarkPalette());
    app::InstallWindowStyle();
    app::InstallAccessibleInterfaces();
    app::UseBulgarianStandardTexts();
  }
  void init();
  void cleanup();

  void opensWithNoModeAndEmptyBoxes();
  void focusStartsOnTheHelpTextAndTabFollowsTheLayout();
  void calculatesWhateverTheMode_data();
  void calculatesWhateverTheMode();
  void wholeBelowOneChangesNothing();
  void longResultsShowTheirBeginning_data();
  void longResultsShowTheirBeginning();
  void inputBoxesRefuseASixthCharacter_data();
  void inputBoxesRefuseASixthCharacter();
  void inputBoxesKeepWholeCharacters_data();
  void inputBoxesKeepWholeCharacters();
  void typingIntoTheResultBoxDoesNothing();
  void nothingFromOutsideWritesTheResultBox_data();
  void nothingFromOutsideWritesTheResultBox();
  void theResultCanBeSelectedAndCopied();
  void assistiveTechnologyWritesOnlyTheInputBoxes_data();
  void assistiveTechnologyWritesOnlyTheInputBoxes();
  void assistiveTechnologyFindsEachCharacter_data();
  void assistiveTechnologyFindsEachCharacter();
  void windowIsAFrameNamedByItsCaption();
  void selectingAModeRelabelsAndKeepsTheNumbers_data();
  void selectingAModeRelabelsAndKeepsTheNumbers();
  void clearDeselectsAndEmptiesEverything();
  void accessibleNamesFollowTheLabels();
  void overflowIsReportedAndTheWindowGoesOn();
  void bulgarianUsersSeeADecimalComma();
  void resultsTakeTheSeparatorOfLatinDigits();
  void qtTextsAreBulgarianAndTheWindowReadsLeftToRight();
  void controlsStandWhereLaidOut_data();
  void controlsStandWhereLaidOut();
  void coloursAreDrawnAsDesigned_data();
  void coloursAreDrawnAsDesigned();
  void focusMarkShowsOnTheFocusedButtonOnly_data();
  void focusMarkShowsOnTheFocusedButtonOnly();
  void focusMarkIsSeenOnEveryControl_data();
  void focusMarkIsSeenOnEveryControl();
  void everyTextReadsOnItsBackground_data();
  void everyTextReadsOnItsBackground();
  void everyControlUsesTimesNewRoman12();
  void everyLabelsCaptionFitsOnOneLine_data();
  void everyLabelsCaptionFitsOnOneLine();
  void helpTextHasThirteenLinesEndingInCrLf();
  void windowHasAFixedSizeAndOnlyACloseButton();
  void captionNamesThePublisher();
  void iconIsTheEmbeddedCheeseburgerInEverySize_data();
  void iconIsTheEmbeddedCheeseburgerInEverySize();
  void clickToResultIsPainted();
  void failedControlOperationsRaiseErrors_data();
  void failedControlOperationsRaiseErrors();

 private:
  static QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
      dark.setColor(role, QColor(240, 240, 240));
    }
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
  }
  template <typename Widget = QWidget>
  Widget* Control(const QString& name) const {
    auto* widget = form_->findChild<Widget*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
  }
  void Type(const QString& box, const QString& text) {
    Control<QLineEdit>(box)->clear();
    QTest::keyClicks(Control(box), text);
  }
  void Click(const QString& control) { QTest::mouseClick(Control(control), Qt::LeftButton); }
  void Calculate(const QString& part, const QString& whole) {
    Type("Text2(0)", part);
    Type("Text2(1)", whole);
    Click("Command1(0)");
  }
  QString Text(const QString& box) const { return Control<QLineEdit>(box)->text(); }
  // The text a box shows from its left edge on, as it paints, and so scrolls, on screen.
  static QString VisibleText(QLineEdit& box) {
    box.grab();
    return box.text().mid(box.cursorPositionAt(QPoint(0, box.height() / 2)));
  }
  QAccessibleInterface* Accessible(const QString& control) const {
    return QAccessible::queryAccessibleInterface(Control(control));
  }
  QStringList Labels() const {
    return {Control<QLabel>("Label2(0)")->text(), Control<QLabel>("Label2(1)")->text(),
            Control<QLabel>("Label2(2)")->text()};
  }

  std::unique_ptr<app::FormWindow> form_;
  // Every message box is dismissed as a user would; its text is kept for the test to judge.
  QTimer modalGuard_;
  QStringList reports_;
  bool reportExpected_ = false;
};

void FormWindowTest::init() {
  reports_.clear();
  reportExpected_ = false;
  modalGuard_.setInterval(20);
  connect(&modalGuard_, &QTimer::timeout, this, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      const auto* box = qobject_cast<QMessageBox*>(modal);
      reports_ << (box != nullptr ? box->text() : modal->objectName());
      modal->close();
    }
  });
  modalGuard_.start();
  form_ = std::make_unique<app::FormWindow>();
  form_->Load();
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void FormWindowTest::cleanup() {
  modalGuard_.stop();
  modalGuard_.disconnect();
  form_.reset();
  if (!reportExpected_) QCOMPARE(reports_, QStringList());
}

void FormWindowTest::opensWithNoModeAndEmptyBoxes() {
  for (int i = 0; i < 3; ++i) {
    const auto* option = Control<QRadioButton>(QStringLiteral("Option1(%1)").arg(i));
    QCOMPARE(option->text(), kModeCaptions[i]);
    QVERIFY(!option->isChecked());
    QCOMPARE(Text(QStringLiteral("Text2(%1)").arg(i)), QString());
  }
  QCOMPARE(Labels(), kEfficiencyLabels);
  QCOMPARE(Control<QLabel>("Label1(0)")->text(), QStringLiteral("Велтаро, практически добив"));
  QCOMPARE(Control<QPushButton>("Command1(0)")->text(), QStringLiteral("Изчисли"));
  QCOMPARE(Control<QPushButton>("Command1(1)")->text(), QStringLiteral("Изчисти"));
  QVERIFY(Control<QLineEdit>("Text2(2)")->isReadOnly());
  QVERIFY(Control("Text1(1)")->isHidden());
}

void FormWindowTest::focusStartsOnTheHelpTextAndTabFollowsTheLayout() {
  QCOMPARE(QApplication::focusWidget(), Control("Text1(0)"));
  // The option buttons are one group and so one stop; the arrow keys move within it.
  const QStringList expected = {"Option1(0)",  "Text2(0)",    "Text2(1)", "Text2(2)",
                                "Command1(0)", "Command1(1)", "Text1(0)"};
  QStringList visited;
  for (int i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, expected);
  QVERIFY2(!Control<QPlainTextEdit>("Text1(0)")->toPlainText().contains('\t'),
           "Tab never types into the help text");
}

void FormWindowTest::calculatesWhateverTheMode_data() {
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("part");
  QTest::addColumn<QString>("whole");
  QTest::addColumn<QString>("result");
  QTest::newRow("no mode selected") << ""
                                    << "45"
                                    << "60"
                                    << "75%";
  QTest::newRow("efficiency") << "Option1(0)"
                              << "1"
                              << "3"
                              << "33.33%";
  QTest::newRow("yield, part above the whole") << "Option1(2)"
                                               << "99999"
                                               << "1"
                                               << "9999900%";
  QTest::newRow("scientific result") << "Option1(1)"
                                     << "1e13"
                                     << "1"
                                     << "1E+15%";
}

void FormWindowTest::calculatesWhateverTheMode() {
  QFETCH(QString, mode);
  QFETCH(QString, part);
  QFETCH(QString, whole);
  QFETCH(QString, result);
  if (!mode.isEmpty()) Click(mode);
  Calculate(part, whole);
  QCOMPARE(Text("Text2(2)"), result);
}

void FormWindowTest::wholeBelowOneChangesNothing() {
  Calculate("45", "60");
  Calculate("5", "0");
  QCOMPARE(Text("Text2(2)"), QStringLiteral("75%"));
}

void FormWindowTest::longResultsShowTheirBeginning_data() {
  QTest::addColumn<QString>("part");
  QTest::addColumn<QString>("whole");
  QTest::addColumn<QString>("result");
  QTest::newRow("negative, positional") << "-9999"
                                        << "1.003"
                                        << "-996909.27%";
  QTest::newRow("positive, positional") << "1e12"
                                        << "3"
                                        << "33333333333333.3%";
  QTest::newRow("positive, scientific") << "1e300"
                                        << "7"
                                        << "1.42857142857143E+301%";
  QTest::newRow("negative, scientific") << "-1e99"
                                        << "7"
                                        << "-1.42857142857143E+100%";
}

void FormWindowTest::longResultsShowTheirBeginning() {
  QFETCH(QString, part);
  QFETCH(QString, whole);
  QFETCH(QString, result);
  auto* box = Control<QLineEdit>("Text2(2)");
  // An earlier long result, read by the user to its end.
  Calculate("-1e99", "3");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_End);
  QCOMPARE(box->cursorPosition(), box->text().size());
  Calculate(part, whole);
  QCOMPARE(Text("Text2(2)"), result);
  QCOMPARE(VisibleText(*box), result);
}

void FormWindowTest::inputBoxesRefuseASixthCharacter_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<bool>("paste");
  QTest::newRow("part, typed") << "Text2(0)" << false;
  QTest::newRow("part, pasted") << "Text2(0)" << true;
  QTest::newRow("whole, typed") << "Text2(1)" << false;
  QTest::newRow("whole, pasted") << "Text2(1)" << true;
}

void FormWindowTest::inputBoxesRefuseASixthCharacter() {
  QFETCH(QString, box);
  QFETCH(bool, paste);
  auto* edit = Control<QLineEdit>(box);
  if (paste) {
    QApplication::clipboard()->setText(QStringLiteral("123456789"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  } else {
    QTest::keyClicks(edit, QStringLiteral("123456"));
  }
  QCOMPARE(edit->text(), QStringLiteral("12345"));
}

void FormWindowTest::inputBoxesKeepWholeCharacters_data() {
  QTest::addColumn<int>("box");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("kept");
  // A character outside the Basic Multilingual Plane is two UTF-16 units, one character.
  const QString face = QString::fromUcs4(U"😀");
  for (const bool paste : {false, true}) {
    const char* const how = paste ? "pasted" : "typed";
    for (int at = 0; at < 5; ++at) {
      const QString fits = QStringLiteral("1234").insert(at, face);
      QTest::addRow("at character %d of 5, %s", at + 1, how) << 0 << paste << fits << fits;
    }
    QTest::addRow("as a sixth character, %s", how)
        << 1 << paste << QStringLiteral("12345") + face << QStringLiteral("12345");
    QTest::addRow("six of them, %s", how) << 0 << paste << face.repeated(6) << face.repeated(5);
  }
}

void FormWindowTest::inputBoxesKeepWholeCharacters() {
  QFETCH(int, box);
  QFETCH(bool, paste);
  QFETCH(QString, input);
  QFETCH(QString, kept);
  auto* edit = Control<QLineEdit>(QStringLiteral("Text2(%1)").arg(box));
  edit->setFocus();
  if (paste) {
    QApplication::clipboard()->setText(input);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  } else {
    // One key event for each character, as a keyboard or an input method sends it.
    for (const char32_t character : input.toUcs4()) {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                          Qt::NoModifier);
      QVERIFY2(edit->text().isValidUtf16(), "half a character in the box");
    }
  }
  QCOMPARE(edit->text(), kept);
  QVERIFY(edit->text().isValidUtf16());
  // What the window reads is what the box shows, and what the user copies.
  window::Form& form = *form_;
  QCOMPARE(QString::fromStdString(form.Text2(static_cast<std::int16_t>(box)).Text()),
           edit->displayText());
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), kept);
}

void FormWindowTest::typingIntoTheResultBoxDoesNothing() {
  QTest::keyClicks(Control("Text2(2)"), QStringLiteral("123"));
  QCOMPARE(Text("Text2(2)"), QString());
  QCOMPARE(Control("Text2(2)")->focusPolicy(), Qt::StrongFocus);
}

void FormWindowTest::nothingFromOutsideWritesTheResultBox_data() {
  QTest::addColumn<QString>("write");
  for (const char* write : {"typed", "pasted with Ctrl+V", "pasted with Shift+Insert", "cut",
                            "deleted", "erased with Backspace", "undone", "dropped",
                            "composed by an input method", "set by assistive technology"}) {
    QTest::newRow(write) << write;
  }
}

void FormWindowTest::nothingFromOutsideWritesTheResultBox() {
  QFETCH(QString, write);
  const std::map<QString, std::function<void(QLineEdit&)>> writes = {
      {"typed", [](QLineEdit& box) { QTest::keyClicks(&box, QStringLiteral("1")); }},
      {"pasted with Ctrl+V",
       [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier); }},
      {"pasted with Shift+Insert",
       [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier); }},
      {"cut", [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier); }},
      {"deleted", [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_Delete); }},
      {"erased with Backspace", [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_Backspace); }},
      {"undone", [](QLineEdit& box) { QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier); }},
      {"dropped",
       [](QLineEdit& box) {
         QMimeData data;
         data.setText(QStringLiteral("999"));
         const QPoint centre = box.rect().center();
         QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(&box, &enter);
         QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(&box, &drop);
       }},
      {"composed by an input method",
       [](QLineEdit& box) {
         QInputMethodEvent compose;
         compose.setCommitString(QStringLiteral("999"));
         QApplication::sendEvent(&box, &compose);
       }},
      {"set by assistive technology",
       [](QLineEdit& box) {
         QAccessible::queryAccessibleInterface(&box)->setText(QAccessible::Value,
                                                              QStringLiteral("999"));
       }},
  };
  Calculate("45", "60");
  QApplication::clipboard()->setText(QStringLiteral("999"));
  auto* result = Control<QLineEdit>("Text2(2)");
  result->setFocus();
  result->selectAll();
  writes.at(write)(*result);
  QCOMPARE(result->text(), QStringLiteral("75%"));
}

void FormWindowTest::theResultCanBeSelectedAndCopied() {
  Calculate("1", "3");
  auto* result = Control<QLineEdit>("Text2(2)");
  QApplication::clipboard()->clear();
  result->setFocus();
  QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("33.33%"));
  int start = -1;
  int end = -1;
  Accessible("Text2(2)")->textInterface()->selection(0, &start, &end);
  QCOMPARE(std::pair(start, end), std::pair(0, 6));
}

void FormWindowTest::assistiveTechnologyWritesOnlyTheInputBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<bool>("editable");
  QTest::addColumn<QString>("after");
  QTest::newRow("part, cut to five characters") << "Text2(0)" << true << "12345";
  QTest::newRow("whole, cut to five characters") << "Text2(1)" << true << "12345";
  QTest::newRow("result, locked") << "Text2(2)" << false << "75%";
}

void FormWindowTest::assistiveTechnologyWritesOnlyTheInputBoxes() {
  QFETCH(QString, box);
  QFETCH(bool, editable);
  QFETCH(QString, after);
  Calculate("45", "60");
  QAccessibleInterface* accessible = Accessible(box);
  QCOMPARE(accessible->state().editable, editable);
  QCOMPARE(accessible->state().readOnly, !editable);
  QCOMPARE(accessible->editableTextInterface() != nullptr, editable);
  if (QAccessibleEditableTextInterface* edit = accessible->editableTextInterface()) {
    edit->replaceText(0, accessible->textInterface()->characterCount(), "123456");
  } else {
    accessible->setText(QAccessible::Value, QStringLiteral("123456"));
  }
  QCOMPARE(Text(box), after);
  QCOMPARE(accessible->text(QAccessible::Value), after);
}

// A screen reader's pointer and the text agree: the point in each character's box is
// that character's offset, whatever the box's alignment, scrolling and wrapping.
void FormWindowTest::assistiveTechnologyFindsEachCharacter_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("characters");
  QTest::newRow("result, centred and scrolled") << "Text2(2)" << -1;
  QTest::newRow("help text, over its first wrapped lines") << "Text1(0)" << 200;
}

void FormWindowTest::assistiveTechnologyFindsEachCharacter() {
  QFETCH(QString, box);
  QFETCH(int, characters);
  Calculate("1e13", "1");
  QAccessibleTextInterface* text = Accessible(box)->textInterface();
  QCOMPARE(text->characterCount(), Accessible(box)->text(QAccessible::Value).size());
  const int count = characters < 0 ? text->characterCount() : characters;
  QRect previous;
  for (int offset = 0; offset < count; ++offset) {
    const QRect character = text->characterRect(offset);
    QVERIFY2(character.width() > 0, qPrintable(QString::number(offset)));
    // Left to right along a line; the next line starts lower down.
    QVERIFY(offset == 0 || character.top() > previous.top() ||
            character.left() >= previous.right());
    previous = character;
    QCOMPARE(text->offsetAtPoint(character.center() - QPoint(character.width() / 4, 0)), offset);
  }
  QVERIFY(text->characterRect(text->characterCount()).isNull());
}

void FormWindowTest::windowIsAFrameNamedByItsCaption() {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
  QCOMPARE(window->role(), QAccessible::Window);
  QCOMPARE(window->text(QAccessible::Name), QStringLiteral("www.veltaro.bg Велтаро"));
  QVERIFY(!window->state().sizeable);
  QCOMPARE(Accessible("Text1(0)")->text(QAccessible::Name),
           QStringLiteral("Задачата и използваните термини"));
  QVERIFY(Accessible("Text1(0)")->state().readOnly);
}

void FormWindowTest::selectingAModeRelabelsAndKeepsTheNumbers_data() {
  QTest::addColumn<bool>("byKeyboard");
  QTest::newRow("mouse") << false;
  QTest::newRow("arrow key") << true;
}

void FormWindowTest::selectingAModeRelabelsAndKeepsTheNumbers() {
  QFETCH(bool, byKeyboard);
  Calculate("45", "60");
  Click("Option1(0)");
  if (byKeyboard) {
    QTest::keyClick(Control("Option1(0)"), Qt::Key_Down);
  } else {
    Click("Option1(1)");
  }
  QVERIFY(Control<QRadioButton>("Option1(1)")->isChecked());
  QVERIFY(!Control<QRadioButton>("Option1(0)")->isChecked());
  QCOMPARE(Labels(), kGoodProductLabels);
  QCOMPARE(Text("Text2(0)"), QStringLiteral("45"));
  QCOMPARE(Text("Text2(2)"), QStringLiteral("75%"));
}

void FormWindowTest::clearDeselectsAndEmptiesEverything() {
  Click("Option1(2)");
  Calculate("45", "60");
  Click("Command1(1)");
  for (int i = 0; i < 3; ++i) {
    QVERIFY(!Control<QRadioButton>(QStringLiteral("Option1(%1)").arg(i))->isChecked());
    QCOMPARE(Text(QStringLiteral("Text2(%1)").arg(i)), QString());
  }
  QCOMPARE(Labels(), kEfficiencyLabels);
  // Selecting again after a clear must still be possible.
  Click("Option1(1)");
  QCOMPARE(Labels(), kGoodProductLabels);
}

void FormWindowTest::accessibleNamesFollowTheLabels() {
  const auto name = [this](const char* box) {
    return QAccessible::queryAccessibleInterface(Control(box))->text(QAccessible::Name);
  };
  QCOMPARE(name("Text2(1)"), QStringLiteral("подадена енергия"));
  Click("Option1(1)");
  QCOMPARE(name("Text2(0)"), QStringLiteral("годна продукция"));
  QCOMPARE(name("Text2(1)"), QStringLiteral("произведена продукция"));
  QCOMPARE(name("Text2(2)"), QStringLiteral("рандеман %"));
  QCOMPARE(name("Command1(0)"), QStringLiteral("Изчисли"));
}

void FormWindowTest::overflowIsReportedAndTheWindowGoesOn() {
  reportExpected_ = true;
  Calculate("45", "60");
  Type("Text2(0)", "1e999");
  Click("Command1(0)");
  QCOMPARE(reports_, QStringList{"Грешка 6: Overflow"});
  QVERIFY(form_->isVisible());
  QCOMPARE(Text("Text2(0)"), QStringLiteral("1e999"));
  QCOMPARE(Text("Text2(2)"), QStringLiteral("75%"));
  Calculate("1", "8");
  QCOMPARE(Text("Text2(2)"), QStringLiteral("12.5%"));
}

void FormWindowTest::bulgarianUsersSeeADecimalComma() {
  if (!qEnvironmentVariable("LC_ALL").startsWith("bg_BG")) QSKIP("runs with LC_ALL=bg_BG.UTF-8");
  Calculate("1", "3");
  QCOMPARE(Text("Text2(2)"), QStringLiteral("33,33%"));
  // Input is read with the point only, so "1,5" is 1.
  Type("Text2(0)", "1,5");
  Click("Command1(0)");
  QCOMPARE(Text("Text2(2)"), QStringLiteral("33,33%"));
}

// CTest runs this under many locales, each with the result 1 of 3 must give there: a
// result's digits are Latin, so its separator is the one the language writes after them.
void FormWindowTest::resultsTakeTheSeparatorOfLatinDigits() {
  const QString expected = qEnvironmentVariable("VELTARO_ONE_THIRD", QStringLiteral("33.33%"));
  Calculate("1", "3");
  QCOMPARE(Text("Text2(2)"), expected);
}

// Whatever the user's language: CTest runs this again under an Arabic locale, whose own
// translation would mirror the window.
void FormWindowTest::qtTextsAreBulgarianAndTheWindowReadsLeftToRight() {
  const std::unique_ptr<QMenu> menu(Control<QLineEdit>("Text2(0)")->createStandardContextMenu());
  QStringList actions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) actions << action->text().section('\t', 0, 0);
  }
  QCOMPARE(actions, QStringList({"&Отмяна", "По&втаряне", "&Изрязване", "&Копиране", "&Поставяне",
                                 "Изтриване", "Избиране на всичко"}));
  QMessageBox report(QMessageBox::Critical, QString(), QString(), QMessageBox::Ok);
  QCOMPARE(report.button(QMessageBox::Ok)->text(), QStringLiteral("Добре"));
  QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
  for (const QWidget* widget : form_->findChildren<QWidget*>()) {
    QVERIFY2(!widget->isRightToLeft(), qPrintable(widget->objectName()));
  }
}

void FormWindowTest::controlsStandWhereLaidOut_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QRect>("pixels");
  QTest::newRow("help text") << "Text1(0)" << QRect(8, 192, 449, 145);
  QTest::newRow("hidden quotation") << "Text1(1)" << QRect(40, 216, 449, 121);
  QTest::newRow("title") << "Label1(0)" << QRect(56, 0, 353, 25);
  QTest::newRow("frame") << "Frame1" << QRect(16, 40, 169, 121);
  QTest::newRow("first option, in the frame") << "Option1(0)" << QRect(0, 8, 161, 25);
  QTest::newRow("second option") << "Option1(1)" << QRect(0, 48, 161, 25);
  QTest::newRow("third option") << "Option1(2)" << QRect(0, 88, 161, 25);
  QTest::newRow("part label") << "Label2(0)" << QRect(208, 32, 137, 25);
  QTest::newRow("part box") << "Text2(0)" << QRect(360, 32, 89, 27);
  QTest::newRow("whole label") << "Label2(1)" << QRect(208, 72, 137, 25);
  QTest::newRow("whole box") << "Text2(1)" << QRect(360, 72, 89, 27);
  QTest::newRow("result label") << "Label2(2)" << QRect(208, 112, 137, 25);
  QTest::newRow("result box") << "Text2(2)" << QRect(360, 112, 89, 27);
  QTest::newRow("calculate") << "Command1(0)" << QRect(208, 160, 97, 25);
  QTest::newRow("clear") << "Command1(1)" << QRect(344, 160, 81, 25);
}

void FormWindowTest::controlsStandWhereLaidOut() {
  QFETCH(QString, control);
  QFETCH(QRect, pixels);
  QCOMPARE(Control(control)->geometry(), pixels);
}

void FormWindowTest::coloursAreDrawnAsDesigned_data() {
  QTest::addColumn<QPoint>("point");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<int>("tolerance");
  const QColor lavender(192, 192, 255);
  const QColor cyan(192, 255, 255);
  QTest::newRow("window") << QPoint(2, 2) << lavender << 0;
  QTest::newRow("title") << QPoint(58, 22) << QColor(255, 192, 128) << 0;
  QTest::newRow("frame") << QPoint(16 + 165, 40 + 118) << lavender << 0;
  QTest::newRow("option") << QPoint(16 + 158, 40 + 8 + 22) << lavender << 0;
  QTest::newRow("label") << QPoint(208 + 134, 32 + 22) << cyan << 0;
  QTest::newRow("result label") << QPoint(208 + 134, 112 + 22) << cyan << 0;
  QTest::newRow("calculate") << QPoint(208 + 8, 160 + 12) << QColor(128, 255, 128) << 0;
  QTest::newRow("clear") << QPoint(344 + 6, 160 + 12) << QColor(255, 128, 128) << 0;
}

void FormWindowTest::coloursAreDrawnAsDesigned() {
  QFETCH(QPoint, point);
  QFETCH(QColor, colour);
  QFETCH(int, tolerance);
  const QColor drawn = form_->grab().toImage().pixelColor(point);
  const int distance =
      std::max({std::abs(drawn.red() - colour.red()), std::abs(drawn.green() - colour.green()),
                std::abs(drawn.blue() - colour.blue())});
  QVERIFY2(distance <= tolerance, qPrintable(drawn.name() + " instead of " + colour.name()));
}

void FormWindowTest::focusMarkShowsOnTheFocusedButtonOnly_data() {
  QTest::addColumn<QString>("focused");
  QTest::addColumn<QString>("other");
  QTest::newRow("Изчисли, on green") << "Command1(0)"
                                     << "Command1(1)";
  QTest::newRow("Изчисти, on red") << "Command1(1)"
                                   << "Command1(0)";
}

// What focusing a button changes: a mark inside its face, drawn in a colour that stands
// out from the face (3:1, as for any control's outline), and nothing else, on either button.
void FormWindowTest::focusMarkShowsOnTheFocusedButtonOnly() {
  QFETCH(QString, focused);
  QFETCH(QString, other);
  auto* button = Control<QPushButton>(focused);
  const QImage before = button->grab().toImage();
  const QImage otherBefore = Control(other)->grab().toImage();
  button->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(button->hasFocus());
  const QImage after = button->grab().toImage();
  QCOMPARE(Control(other)->grab().toImage(), otherBefore);
  const QColor face = button->palette().button().color();
  const QRect inside = button->rect().adjusted(2, 2, -2, -2);  // within the bevel
  int marked = 0;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      if (after.pixel(x, y) == before.pixel(x, y)) continue;
      ++marked;
      QVERIFY2(inside.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
      QVERIFY(app_test::Contrast(after.pixelColor(x, y), face) >= 3);
    }
  }
  // Along the caption, not a stray pixel: a dotted line above and one below it alone
  // come to about the button's width.
  QVERIFY2(marked >= button->width() - 16, qPrintable(QString::number(marked)));
  QCOMPARE(after.pixelColor(8, 12), face);
}

void FormWindowTest::focusMarkIsSeenOnEveryControl_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("before");
  QTest::newRow("the help text, focused at start") << "Text1(0)"
                                                   << "Command1(1)";
  QTest::newRow("КПД") << "Option1(0)"
                       << "Text1(0)";
  QTest::newRow("рандеман") << "Option1(1)"
                            << "Text1(0)";
  QTest::newRow("практически добив") << "Option1(2)"
                                     << "Text1(0)";
  QTest::newRow("the part") << "Text2(0)"
                            << "Text1(0)";
  QTest::newRow("the whole") << "Text2(1)"
                             << "Text1(0)";
  QTest::newRow("the result") << "Text2(2)"
                              << "Text1(0)";
  QTest::newRow("Изчисли") << "Command1(0)"
                           << "Text1(0)";
  QTest::newRow("Изчисти") << "Command1(1)"
                           << "Text1(0)";
}

// Each control the focus reaches shows it by a mark that stands out from the colours beside
// it (3:1): not a text cursor alone, and not a pale box on the control's colour. The mark
// must reach at least twice the control's height, so that a caret's stroke is not enough.
void FormWindowTest::focusMarkIsSeenOnEveryControl() {
  QFETCH(QString, control);
  QFETCH(QString, before);
  QWidget* const widget = Control(control);
  const QRect area(widget->mapTo(form_.get(), QPoint(-2, -2)), widget->size() + QSize(4, 4));
  Control(before)->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(Control(before)->hasFocus());
  const QImage unfocused = form_->grab(area).toImage();
  widget->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(widget->hasFocus());
  const QImage focused = form_->grab(area).toImage();
  const int seen = app_test::SeenMarkPixels(unfocused, focused);
  QVERIFY2(seen >= 2 * widget->height(),
           qPrintable(QStringLiteral("%1 pixels of the mark are seen").arg(seen)));
}

void FormWindowTest::everyTextReadsOnItsBackground_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QMargins>("edge");
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    if (!control.visible || control.kind == window::ControlKind::kFrame) continue;
    const std::string name = window::ControlNameOf(control);
    QTest::newRow(name.c_str()) << QString::fromStdString(name)
                                << app_test::NoTextEdge(control, *QApplication::style());
  }
}

// Each caption and number, read from the pixels: its darkest or lightest pixel against the
// colour most of its rectangle has reads at 4.5:1 at least, whatever the desktop's palette.
void FormWindowTest::everyTextReadsOnItsBackground() {
  QFETCH(QString, control);
  QFETCH(QMargins, edge);
  Calculate("45", "60");
  QCOMPARE(Text("Text2(2)"), QStringLiteral("75%"));
  QWidget* const widget = Control(control);
  const app_test::TextReading text =
      app_test::ReadText(widget->grab(widget->rect().marginsRemoved(edge)).toImage());
  QVERIFY2(
      text.ratio >= window::kReadableText,
      qPrintable(
          QStringLiteral("%1:1 on %2").arg(text.ratio, 0, 'f', 2).arg(text.background.name())));
}

void FormWindowTest::everyControlUsesTimesNewRoman12() {
  // Times New Roman where it is installed, else its metric twin, asked for by name.
  const QString family = QFontDatabase::families().contains(QStringLiteral("Times New Roman"))
                             ? QStringLiteral("Times New Roman")
                             : QStringLiteral("Liberation Serif");
  for (const QWidget* widget : form_->findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty()) continue;  // parts of a control, such as scroll bars
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(QFontInfo(widget->font()).family(), family);
    QCOMPARE(widget->font().pointSize(), 12);
    QCOMPARE(widget->font().weight(), QFont::Normal);
    QVERIFY(!widget->font().italic());
  }
  QVERIFY2(QFontMetrics(form_->font()).inFontUcs4(U'Ж'), "the font has Cyrillic letters");
}

void FormWindowTest::everyLabelsCaptionFitsOnOneLine_data() {
  QTest::addColumn<QStringList>("clicked");
  QTest::newRow("at the start") << QStringList();
  QTest::newRow("КПД") << QStringList{"Option1(0)"};
  QTest::newRow("рандеман, whose \"произведена продукция\" is wide") << QStringList{"Option1(1)"};
  QTest::newRow("практически добив") << QStringList{"Option1(2)"};
  QTest::newRow("рандеман, then КПД") << QStringList{"Option1(1)", "Option1(0)"};
  QTest::newRow("рандеман, then cleared") << QStringList{"Option1(1)", "Command1(1)"};
}

// A label's caption is drawn on one line of its label: in the window's font where it fits
// so, else in a smaller size of it, just small enough, never below 8 points; the label
// stays where it is laid out.
void FormWindowTest::everyLabelsCaptionFitsOnOneLine() {
  QFETCH(QStringList, clicked);
  for (const QString& control : clicked) Click(control);
  const QFont windowFont = form_->font();
  for (const window::ControlLayout& layout : window::MainWindowControls()) {
    if (layout.kind != window::ControlKind::kLabel) continue;
    auto* label = Control<QLabel>(QString::fromStdString(window::ControlNameOf(layout)));
    const QString where = label->objectName() + " \"" + label->text() + "\"";
    const int room = label->contentsRect().width();
    const auto width = [&](int pointSize) {
      QFont font = label->font();
      font.setPointSize(pointSize);
      return QFontMetrics(font).horizontalAdvance(label->text());
    };
    const int size = label->font().pointSize();
    QCOMPARE(label->font().family(), windowFont.family());
    QVERIFY2(width(size) <= room, qPrintable(where));
    QVERIFY2(size >= 8 && size <= windowFont.pointSize(), qPrintable(where));
    if (size < windowFont.pointSize()) QVERIFY2(width(size + 1) > room, qPrintable(where));
    const window::PixelRect laidOut = window::ControlPixels(layout);
    QCOMPARE(label->geometry(), QRect(laidOut.left, laidOut.top, laidOut.width, laidOut.height));
  }
  if (clicked == QStringList{"Option1(1)"}) {
    QVERIFY(Control<QLabel>("Label2(1)")->font().pointSize() < windowFont.pointSize());
  }
}

void FormWindowTest::helpTextHasThirteenLinesEndingInCrLf() {
  auto* help = Control<QPlainTextEdit>("Text1(0)");
  QVERIFY(help->isReadOnly());
  QCOMPARE(help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  // 13 lines and the empty one after the last line end.
  QCOMPARE(help->document()->blockCount(), 14);
  const QString text = help->toPlainText().replace('\n', QStringLiteral("\r\n"));
  QCOMPARE(text.count(QStringLiteral("\r\n")), 13);
  QVERIFY(text.endsWith(QStringLiteral("\r\n")));
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  QCOMPARE(lines[2], QStringLiteral("Тема на проекта: Велтаро, практически добив."));
  QCOMPARE(lines[3], QStringLiteral("Проектът да използва набор от: "));
  QCOMPARE(lines[9], QStringLiteral("В проекта са изполвани следните термини:"));
  QCOMPARE(lines[12], QStringLiteral("практически добив - получен добив, теоретичен добив."));
  QTest::keyClicks(help, QStringLiteral("x"));
  QCOMPARE(help->document()->blockCount(), 14);
}

void FormWindowTest::windowHasAFixedSizeAndOnlyACloseButton() {
  QCOMPARE(form_->size(), QSize(461, 345));
  QCOMPARE(form_->minimumSize(), form_->maximumSize());
  const Qt::WindowFlags flags = form_->windowFlags();
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(!Control<QPushButton>("Command1(0)")->isDefault());
  QVERIFY(!Control<QPushButton>("Command1(0)")->autoDefault());
}

void FormWindowTest::captionNamesThePublisher() {
  QCOMPARE(form_->windowTitle(), QStringLiteral("www.veltaro.bg Велтаро"));
}

void FormWindowTest::iconIsTheEmbeddedCheeseburgerInEverySize_data() {
  QTest::addColumn<int>("side");
  for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QTest::newRow(qPrintable(QStringLiteral("%1 x %1").arg(side))) << side;
  }
}

// Every size of the icon theme's, so that a title bar at any scale has one drawn for it,
// given once the window's first frame is drawn.
void FormWindowTest::iconIsTheEmbeddedCheeseburgerInEverySize() {
  QFETCH(int, side);
  QTRY_COMPARE(form_->windowIcon().availableSizes().size(), 8);
  QVERIFY(form_->windowIcon().availableSizes().contains(QSize(side, side)));
  // The pixmap may keep the pixels in another format; the picture is what counts.
  const QImage icon = form_->windowIcon()
                          .pixmap(side, side)
                          .toImage()
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // The same picture as the rendered PNG beside the drawing.
  const QImage rendered(
      QStringLiteral(VELTARO_SOURCE_DIR "/packaging/icons/veltaro-%1.png").arg(side));
  QImage expected = rendered.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // The pixels, whatever colour space the PNG names.
  expected.setColorSpace(icon.colorSpace());
  QCOMPARE(icon, expected);
  // The 32 x 32 one, the executable's too, in 256 colours.
  if (side == 32) {
    QCOMPARE(rendered.format(), QImage::Format_Indexed8);
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y) {
      for (int x = 0; x < icon.width(); ++x) colours.insert(icon.pixel(x, y));
    }
    QVERIFY(colours.size() <= 256);
  }
}

// From the release of "Изчисли" to the new result painted; `make bench` runs it at length.
void FormWindowTest::clickToResultIsPainted() {
  auto* part = Control<QLineEdit>("Text2(0)");
  Type("Text2(1)", "3");
  QBENCHMARK {
    // A new part each time, so that each click paints a new result.
    part->setText(part->text() == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1"));
    QTest::mouseClick(Control("Command1(0)"), Qt::LeftButton);
    Control("Text2(2)")->repaint();
  }
  QVERIFY(Text("Text2(2)").endsWith('%'));
}

void FormWindowTest::failedControlOperationsRaiseErrors_data() {
  QTest::addColumn<int>("operation");
  QTest::addColumn<int>("number");
  QTest::addColumn<QString>("description");
  QTest::newRow("missing element") << 0 << 9 << "Subscript out of range: Text2(3)";
  QTest::newRow("negative index") << 1 << 9 << "Subscript out of range: Option1(-1)";
  QTest::newRow("text longer than the box holds")
      << 2 << 380 << "Invalid property value: Text2(0).Text";
}

void FormWindowTest::failedControlOperationsRaiseErrors() {
  QFETCH(int, operation);
  QFETCH(int, number);
  QFETCH(QString, description);
  try {
    window::Form& form = *form_;
    if (operation == 0) form.Text2(3);
    if (operation == 1) form.Option1(-1);
    if (operation == 2) form.Text2(0).SetText("123456");
    QFAIL("no error");
  } catch (const calc::RuntimeError& error) {
    QCOMPARE(error.number(), number);
    QCOMPARE(QString::fromStdString(error.description()), description);
  }
}

QTEST_MAIN(FormWindowTest)
#include "form_window_test.moc"
