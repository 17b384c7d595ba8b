#include "panes/address_guard.h"

#include <gtest/gtest.h>

namespace zentavi {
namespace {

TEST(AddressGuard, WebAddressesAndSchemelessTextsPassEverythingElseStops) {
  struct Case {
    const char* text;
    bool passes;
  };
  const Case cases[] = {
      {"http://live.zentavi.example/play.asp?id=1", true},
      {"HTTPS://live.zentavi.example/", true},
      {"", true},      // the engine shows a blank page
      {"完成", true},  // a status message: the engine shows an error page
      {"play.asp?id=3", true},
      {"  http://live.zentavi.example/", true},
      {" javascript:alert(1)", false},  // the engine drops the blank and runs it
      {"java\tscript:alert(1)", false},
      {"\njavascript:alert(1)", false},
      {"javascript:alert(1)", false},
      {"JaVaScRiPt:alert(1)", false},
      {"file:///etc/passwd", false},
      {"webkit://gpu", false},
      {"data:text/html,x", false},
      {"about:blank", false},
      {"ftp://live.zentavi.example/", false},
  };
  for (const Case& c : cases) EXPECT_EQ(mayOpenInPlayer(c.text), c.passes) << c.text;
}

}  // namespace
}  // namespace zentavi
