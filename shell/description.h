// The shape of a main window's description: its settings, one row per control
// and one row per event binding. The description itself is constant data
// (window_description.h); the builder takes it as a parameter.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "shell/geometry.h"

namespace zentavi {

class MainWindow;

// A handler answers true/false, or gives no answer (std::nullopt).
using Answer = std::optional<bool>;
using Handler = Answer (*)(MainWindow&);

enum class ControlId { WebsiteButton, ListPane, Player };
enum class ControlKind { PushButton, HtmlView };

enum class Event { CreationComplete, Moved, SizeChanged, CloseRequested, BeingDestroyed, Click, NewWindow };

// Who raises an event: the main window itself or one of its controls.
struct EventSource {
  std::optional<ControlId> control;  // empty: the main window
  friend constexpr bool operator==(const EventSource&, const EventSource&) = default;
};
inline constexpr EventSource kMainWindowSource{};
constexpr EventSource sourceOf(ControlId id) { return EventSource{id}; }

struct ControlFlags {
  bool visible = true;
  bool disabled = false;
  bool tabStop = true;
};

struct HtmlViewSettings {
  int textSize = 2;  // 0 (smallest) to 4 (largest)
  bool offline = false;
  bool silent = false;
  std::string_view address;  // loaded at creation; empty: none
  bool fullscreen = false;   // its page may show a video over the whole screen
};

struct PushButtonSettings {
  std::string_view caption;
};

struct ControlEntry {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  Rect rect;
  ControlFlags flags;
  int tabOrder = 0;
  HtmlViewSettings view{};
  PushButtonSettings button{};
};

struct Binding {
  EventSource source;
  Event event;
  Handler handler;
};

struct WindowSettings {
  std::string_view caption;
  int outerWidth;
  int outerHeight;
  bool escCloses;
};

struct Description {
  WindowSettings window;
  std::span<const ControlEntry> controls;  // first entry is on top
  std::span<const Binding> bindings;
};

// An event has at most one handler: no two rows bind the same source and event.
constexpr bool atMostOneHandlerPerEvent(std::span<const Binding> bindings) {
  for (std::size_t i = 0; i < bindings.size(); ++i)
    for (std::size_t j = i + 1; j < bindings.size(); ++j)
      if (bindings[i].source == bindings[j].source && bindings[i].event == bindings[j].event) return false;
  return true;
}

// The handler bound to an event of a source, or nullptr.
constexpr Handler handlerFor(std::span<const Binding> bindings, EventSource source, Event event) {
  for (const Binding& b : bindings)
    if (b.source == source && b.event == event) return b.handler;
  return nullptr;
}

const ControlEntry* findEntry(const Description& d, ControlId id);

}  // namespace zentavi
