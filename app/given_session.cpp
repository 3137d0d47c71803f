#include "app/given_session.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdlib>

namespace app {
namespace {

bool IsSet(const char* name) {
  const char* const value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// A directory of the user's own that only the user may enter, as Qt wants its runtime
// directory; anything else Qt would make, or mend, itself.
bool IsPrivateDirectory(const std::string& path, mode_t type) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == type &&
         status.st_uid == getuid() && (type != S_IFDIR || (status.st_mode & 07777) == 0700);
}

bool RuntimeDirectoryGiven() {
  return IsSet("XDG_RUNTIME_DIR") && IsPrivateDirectory(std::getenv("XDG_RUNTIME_DIR"), S_IFDIR);
}

// Given in the environment, or as the user's bus in the runtime directory, where D-Bus
// looks next.
bool SessionBusGiven() {
  if (IsSet("DBUS_SESSION_BUS_ADDRESS")) return true;
  if (!IsSet("XDG_RUNTIME_DIR")) return false;
  return IsPrivateDirectory(std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus", S_IFSOCK);
}

QtMessageHandler nextHandler = nullptr;

// Qt then warns that it could not make a runtime directory: nothing the user can act on.
void WithoutRuntimeDirectoryWarnings(QtMsgType type, const QMessageLogContext& context,
                                     const QString& message) {
  if (!message.startsWith(QLatin1String("QStandardPaths: "))) nextHandler(type, context, message);
}

}  // namespace

GivenSession::GivenSession() {
  // With no session bus, D-Bus would launch one for the accessibility bridge: a daemon
  // that outlives the program, and files under ~/.dbus. There is then no screen reader to
  // reach, so the bridge gets an address that fails at once, with no process started.
  if (!SessionBusGiven()) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  if (RuntimeDirectoryGiven()) return;
  // Qt 6.4 looks in the runtime directory for a sandbox's mark while the application object
  // is made, and where none is given, or the one given is unfit, it first makes or mends one
  // under the temporary directory. The program keeps no temporary files, so for that while
  // the temporary directory is one where nothing can be made.
  if (IsSet("TMPDIR")) temporaryDirectory_ = std::getenv("TMPDIR");
  setenv("TMPDIR", "/dev/null", 1);
  withheld_ = true;
  nextHandler = qInstallMessageHandler(WithoutRuntimeDirectoryWarnings);
}

void GivenSession::LookedForRuntimeDirectory() {
  if (!withheld_) return;
  withheld_ = false;
  if (temporaryDirectory_) {
    setenv("TMPDIR", temporaryDirectory_->c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

}  // namespace app
