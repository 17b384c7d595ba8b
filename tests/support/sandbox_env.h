// A private desktop environment for a program under test: its own home and
// XDG folders, the system's GSettings schemas and MIME data but none of its
// desktop entries (so no real browser can be started), and the loopback proxy.
#pragma once

#include <string>
#include <vector>

#include "tests/support/process.h"

namespace zentavi::test {

class SandboxEnvironment {
 public:
  SandboxEnvironment();
  ~SandboxEnvironment();  // removes the folder

  const std::string& root() const { return root_; }

  // Makes a stand-in the default browser: it appends every URL it is given,
  // one a line, to openedUrlsFile().
  void registerBrowser() const;
  std::string openedUrlsFile() const { return root_ + "/opened-urls.txt"; }
  std::vector<std::string> openedUrls() const;
  // The environment for a child on `display`, sending http through `proxy`.
  Environment forChild(const std::string& display, const std::string& proxy) const;

 private:
  std::string root_;
};

}  // namespace zentavi::test
