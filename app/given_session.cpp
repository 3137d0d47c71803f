#include "app/given_session.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <string>

namespace app {
namespace {

bool IsSet(const char* name) {
  const char* const value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Given in the environment, or as the user's bus in the runtime directory, where D-Bus
// looks next.
bool SessionBusGiven() {
  if (IsSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  if (!IsSet("XDG_RUNTIME_DIR")) return false;
  const std::string bus = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus";
  struct stat status {};
  return stat(bus.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == getuid();
}

QtMessageHandler nextHandler = nullptr;

// Qt then warns that it could not make a runtime directory: nothing the user can act on.
void WithoutRuntimeDirectoryWarnings(QtMsgType type, const QMessageLogContext& context,
                                     const QString& message) {
  if (!message.startsWith(QLatin1String("QStandardPaths: "))) nextHandler(type, context, message);
}

}  // namespace

void KeepToTheGivenSession() {
  // With no session bus, D-Bus would launch one for the accessibility bridge: a daemon
  // that outlives the program, and files under ~/.dbus. There is then no screen reader to
  // reach, so the bridge gets an address that fails at once, with no process started.
  if (!SessionBusGiven()) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  // Qt 6.4 looks in the runtime directory for a sandbox's mark as it starts, and where none
  // is given, or the one given is unfit, it first makes one in the temporary directory. The
  // program keeps no temporary files, so that directory is one where nothing can be made.
  setenv("TMPDIR", "/dev/null", 1);
  nextHandler = qInstallMessageHandler(WithoutRuntimeDirectoryWarnings);
}

}  // namespace app
