// Event delivery: handlers are called synchronously, and not at all while
// delivery is suspended (the main window suspends it while it is built).
#pragma once

#include "shell/description.h"

namespace zentavi {

struct Outcome {
  bool handled = false;  // a handler ran
  Answer answer;         // what it answered, if anything

  // Only a handler that ran and answered false stops a new window.
  bool cancelsNewWindow() const { return handled && answer == false; }
};

class EventDelivery {
 public:
  void suspend() { ++suspensions_; }
  void resume() {
    if (suspensions_ > 0) --suspensions_;
  }
  bool suspended() const { return suspensions_ > 0; }

  template <class Context>
  Outcome raise(Answer (*handler)(Context&), Context& context) const {
    if (handler == nullptr || suspended()) return {};
    return {true, handler(context)};
  }

 private:
  int suspensions_ = 0;
};

}  // namespace zentavi
