#pragma once

#include <optional>
#include <string>

namespace app {

// Keeps the toolkit to the session the desktop gives, so that starting the program starts
// no other process and makes no file. Made before the application object, while the
// program has its one thread; LookedForRuntimeDirectory() once that object is made.
class GivenSession {
 public:
  GivenSession();
  GivenSession(const GivenSession&) = delete;
  GivenSession& operator=(const GivenSession&) = delete;
  ~GivenSession() { LookedForRuntimeDirectory(); }

  // Gives the environment back the temporary directory it held while Qt looked.
  void LookedForRuntimeDirectory();

 private:
  bool withheld_ = false;
  std::optional<std::string> temporaryDirectory_;
};

}  // namespace app
