#include "shell/events.h"

#include <gtest/gtest.h>

namespace zentavi {
namespace {

struct Calls {
  int count = 0;
};
Answer answersFalse(Calls& c) {
  ++c.count;
  return false;
}
Answer answersTrue(Calls& c) {
  ++c.count;
  return true;
}
Answer answersNothing(Calls& c) {
  ++c.count;
  return std::nullopt;
}

TEST(EventDelivery, OnlyAHandlerThatRanAndAnsweredFalseCancelsANewWindow) {
  struct Case {
    Answer (*handler)(Calls&);
    bool suspended;
    bool handled;
    bool cancels;
  };
  const Case cases[] = {
      {answersFalse, false, true, true},    {answersTrue, false, true, false},
      {answersNothing, false, true, false}, {nullptr, false, false, false},
      {answersFalse, true, false, false},
  };
  for (const Case& c : cases) {
    EventDelivery delivery;
    if (c.suspended) delivery.suspend();
    Calls calls;
    const Outcome outcome = delivery.raise(c.handler, calls);
    EXPECT_EQ(outcome.handled, c.handled);
    EXPECT_EQ(outcome.cancelsNewWindow(), c.cancels);
    EXPECT_EQ(calls.count, c.handled ? 1 : 0);
  }
}

TEST(EventDelivery, SuspensionsNestAndResumingNeverGoesBelowZero) {
  EventDelivery delivery;
  Calls calls;
  delivery.resume();  // below zero would leave the next suspend without effect
  delivery.suspend();
  delivery.suspend();
  delivery.resume();
  EXPECT_FALSE(delivery.raise(answersFalse, calls).handled);
  delivery.resume();
  EXPECT_TRUE(delivery.raise(answersFalse, calls).handled);
  delivery.suspend();
  EXPECT_FALSE(delivery.raise(answersFalse, calls).handled);
  EXPECT_EQ(calls.count, 1);
}

}  // namespace
}  // namespace zentavi
