// An Xvfb server of the test's own, with openbox on it when asked.
#pragma once

#include <memory>
#include <string>

#include "tests/support/process.h"

namespace zentavi::test {

struct DisplayOptions {
  int width = 1280;
  int height = 1024;
  bool windowManager = true;
};

class VirtualDisplay {
 public:
  explicit VirtualDisplay(DisplayOptions options = {});
  ~VirtualDisplay();  // the window manager first, then the server

  const std::string& name() const { return name_; }  // ":N"

 private:
  std::unique_ptr<Process> server_;
  std::unique_ptr<Process> windowManager_;
  std::string name_;
};

}  // namespace zentavi::test
