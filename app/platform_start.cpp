#include "app/platform_start.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace app {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// Filled only while the application object is made, long after static initialisation.
QList<HeldMessage> held;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The platforms Qt is told to try, X11 when it is told nothing; as given, before any is
// left out.
std::string GivenPlatforms() {
  const std::string platforms = Environment("QT_QPA_PLATFORM");
  return platforms.empty() ? "xcb" : platforms;
}
std::string givenPlatforms;

std::vector<std::string> Split(const std::string& platforms) {
  std::vector<std::string> each;
  std::size_t start = 0;
  while (start <= platforms.size()) {
    const std::size_t end = std::min(platforms.find(';', start), platforms.size());
    each.push_back(platforms.substr(start, end - start));
    start = end + 1;
  }
  return each;
}

// libwayland finds a display by name only in XDG_RUNTIME_DIR, and where that is not set
// says so in English on the standard error itself, before Qt could: such a platform is not
// tried at all.
bool WaylandDisplayUnplaceable() {
  const std::string display = Environment("WAYLAND_DISPLAY");
  return Environment("WAYLAND_SOCKET").empty() && !display.starts_with('/') &&
         !Environment("XDG_RUNTIME_DIR").starts_with('/');
}

// Qt's own words when it has no plugin of the platform's name, rather than one that failed.
bool PluginMissing(const std::string& platform) {
  const QString notFound =
      QStringLiteral("Could not find the Qt platform plugin \"%1\"").arg(platform.c_str());
  return std::any_of(held.cbegin(), held.cend(),
                     [&](const HeldMessage& message) { return message.text.startsWith(notFound); });
}

// Qt's plugins for Wayland come in a package of their own, which Debian only recommends.
std::string PluginFor(const std::string& platform) {
  if (platform.starts_with("wayland")) return "Wayland от пакета qt6-wayland";
  return "платформата „" + platform + "“";
}

std::string WhatFailedWith(const std::string& platform) {
  if (PluginMissing(platform)) return "липсва приставката на Qt за " + PluginFor(platform);
  if (platform.starts_with("wayland")) {
    const std::string display = Environment("WAYLAND_DISPLAY");
    const std::string named = "дисплеят на Wayland „" + (display.empty() ? "wayland-0" : display);
    if (WaylandDisplayUnplaceable()) return named + "“ не е намерен: XDG_RUNTIME_DIR не е зададена";
    return named + "“ не отговаря";
  }
  if (platform.starts_with("xcb")) {
    const std::string display = Environment("DISPLAY");
    return display.empty() ? "не е зададен дисплей на X11 (DISPLAY е празна)"
                           : "дисплеят на X11 „" + display + "“ не отговаря";
  }
  return "платформата „" + platform + "“ не тръгна";
}

// What went wrong with each platform Qt was told to try, from the environment Qt reads
// and from what Qt said; X11 when it was told nothing.
std::string WhatFailed() {
  std::string failed;
  for (const std::string& platform : Split(givenPlatforms)) {
    failed += (failed.empty() ? "" : "; ") + WhatFailedWith(platform);
  }
  return failed;
}

[[noreturn]] void EndForWantOfADesktop() {
  std::fprintf(stderr, "Велтаро се нуждае от графичен работен плот: %s.\n", WhatFailed().c_str());
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held.append({type, context.category, text});
    return;
  }
  // Qt's fatal message at start-up means no windowing platform could start.
  EndForWantOfADesktop();
}

// Leaves out of Qt's list the Wayland platforms that cannot find their display; ends the
// program as Qt's failure would where none is left.
void LeaveOutUnplaceableWayland() {
  if (!WaylandDisplayUnplaceable()) return;
  std::string tried;
  for (const std::string& platform : Split(givenPlatforms)) {
    if (!platform.starts_with("wayland")) tried += (tried.empty() ? "" : ";") + platform;
  }
  if (tried == givenPlatforms) return;
  if (tried.empty()) EndForWantOfADesktop();
  setenv("QT_QPA_PLATFORM", tried.c_str(), 1);
}

}  // namespace

PlatformStart::PlatformStart() : previous_(qInstallMessageHandler(HoldOrEnd)) {
  givenPlatforms = GivenPlatforms();
  LeaveOutUnplaceableWayland();
}

void PlatformStart::Release() {
  if (released_) return;
  released_ = true;
  qInstallMessageHandler(previous_);
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  held.clear();
}

}  // namespace app
