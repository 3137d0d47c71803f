// Reads the running program's window from its X server, as a user sees it under the
// desktop's own theme: first that the theme reached it (the help text's field is dark),
// then that every text reads on its background at 4.5:1, and that each control the
// keyboard reaches shows a focus mark that stands out at 3:1 from what is beside it.
// Prints one line per control and a closing count; exits non-zero on any failure.
// usage: running_window_contrast WINDOW-ID
#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "app/tests/pixel_contrast.h"
#include "app/window_style.h"
#include "window/contrast.h"
#include "window/control_error.h"
#include "window/layout.h"

namespace {

int passed = 0;
int failed = 0;

void Report(bool ok, const std::string& line) {
  ok ? ++passed : ++failed;
  std::printf("%s%s\n", ok ? "" : "FAIL: ", line.c_str());
}

const window::ControlLayout& Control(std::string_view name) {
  // The layout's controls outlive the span; cppcheck 2.17 takes an element of a span that is
  // itself a temporary for a temporary.
  const std::span<const window::ControlLayout> controls = window::MainWindowControls();
  for (const window::ControlLayout& control : controls) {
    if (window::ControlNameOf(control) == name) return control;
  }
  qFatal("no control %s in the layout", std::string(name).c_str());
}

QString Ratio(double ratio) { return QString::number(ratio, 'f', 2) + ":1"; }

class RunningWindow {
 public:
  explicit RunningWindow(WId id) : id_(id) {}

  QImage Area(const QRect& rect) const {
    return QGuiApplication::primaryScreen()->grabWindow(id_).toImage().copy(rect);
  }

  QImage TextArea(const window::ControlLayout& control) const {
    return Area(app_test::InWindow(control).marginsRemoved(
        app_test::NoTextEdge(control, *QApplication::style())));
  }

 private:
  WId id_;
};

// A real key press, as the user's keyboard gives it, to the window that has the focus.
void PressKey(const QString& key) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("key"), key});
  if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0) qFatal("xdotool key failed");
}

// The help text stands on the desktop's own field colour: dark only if the theme took.
bool ThemeIsDark(const RunningWindow& window) {
  const QColor field = app_test::ReadText(window.TextArea(Control("Text1(0)"))).background;
  const bool dark = app_test::Contrast(field, Qt::black) < app_test::Contrast(field, Qt::white);
  Report(dark,
         "the help text's field is " + field.name().toStdString() +
             (dark ? ", dark: the desktop's theme took" : ", not dark: the theme did not take"));
  return dark;
}

void EveryTextReads(const RunningWindow& window) {
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    if (!control.visible || control.kind == window::ControlKind::kFrame) continue;
    const app_test::TextReading text = app_test::ReadText(window.TextArea(control));
    Report(text.ratio >= window::kReadableText,
           (QString::fromStdString(window::ControlNameOf(control)) + ": " + Ratio(text.ratio) +
            " on " + text.background.name())
               .toStdString());
  }
}

// From the result box, where a calculation leaves the focus: each key, and the control it
// reaches. The mark must reach at least twice the control's height, more than a caret.
void EveryFocusMarkIsSeen(const RunningWindow& window) {
  constexpr std::pair<const char*, std::string_view> kSteps[] = {
      {"Tab", "Command1(0)"}, {"Tab", "Command1(1)"}, {"Tab", "Text1(0)"},
      {"Tab", "Option1(0)"},  {"Down", "Option1(1)"}, {"Down", "Option1(2)"},
      {"Tab", "Text2(0)"},    {"Tab", "Text2(1)"},    {"Tab", "Text2(2)"}};
  for (const auto& [key, name] : kSteps) {
    const QRect area = app_test::InWindow(Control(name)).adjusted(-2, -2, 2, 2);
    const QImage unfocused = window.Area(area);
    PressKey(QString::fromLatin1(key));
    const int needed = 2 * area.height();
    int seen = 0;
    for (QDeadlineTimer limit(10000); !limit.hasExpired(); QThread::msleep(50)) {
      seen = app_test::SeenMarkPixels(unfocused, window.Area(area));
      if (seen >= needed) break;
    }
    Report(seen >= needed, std::string(name) + " focused by " + key + ": " + std::to_string(seen) +
                               " pixels of its mark stand out at " +
                               Ratio(window::kVisibleMark).toStdString() + ", " +
                               std::to_string(needed) + " needed");
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: running_window_contrast WINDOW-ID\n");
    return 2;
  }
  // The program's own style, whose metrics say what of each control holds no text.
  app::InstallWindowStyle();
  const RunningWindow window(QString::fromLatin1(argv[1]).toULongLong());
  if (ThemeIsDark(window)) {
    EveryTextReads(window);
    EveryFocusMarkIsSeen(window);
  }
  std::printf("running window's contrast: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
