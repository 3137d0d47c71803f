#pragma once

#include <QtGlobal>

namespace app {

// From construction until Release(), Qt's messages are held back, and a windowing
// platform that cannot start ends the program with one line on the standard error,
// saying that it needs a graphical desktop and which display it tried, or which of Qt's
// plugins is missing and the package that brings it, and exit status 1, instead of Qt's
// advice to reinstall and an abort. Release() passes on what was held.
class PlatformStart {
 public:
  PlatformStart();
  PlatformStart(const PlatformStart&) = delete;
  PlatformStart& operator=(const PlatformStart&) = delete;
  ~PlatformStart() { Release(); }

  void Release();

 private:
  QtMessageHandler previous_;
  bool released_ = false;
};

}  // namespace app
