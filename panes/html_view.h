// An HTML view: a white host widget holding one WebKit web view that fills it.
// It keeps the engine's status text (the link under the pointer) and turns the
// engine's new-window request into the system's event.
#pragma once

#include <webkit2/webkit2.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "panes/recovery_policy.h"
#include "shell/description.h"
#include "shell/events.h"

namespace zentavi {

class HtmlView {
 public:
  using NewWindowRaiser = std::function<Outcome()>;

  // Builds the host and its engine with `settings` and starts loading the
  // settings' address, if any. nullptr when no engine can be embedded.
  static std::unique_ptr<HtmlView> create(const HtmlViewSettings& settings, WebKitWebContext* context);

  HtmlView(const HtmlView&) = delete;
  HtmlView& operator=(const HtmlView&) = delete;
  ~HtmlView();

  GtkWidget* host() const { return host_; }
  WebKitWebView* engine() const { return engine_; }

  // Loads `address` exactly as given; returns at once.
  void navigate(std::string_view address);

  // A copy of the last status text the engine reported; no text when empty.
  std::optional<std::string> statusText() const;

  // Called on every new-window request; its outcome decides whether the
  // window opens. Without a raiser the window opens.
  void setNewWindowRaiser(NewWindowRaiser raiser) { raiseNewWindow_ = std::move(raiser); }

  // Gives the keyboard focus to the engine.
  void focus();

  // Told when the page's fullscreen element comes and goes; the host takes
  // care of the window. Only views whose settings allow fullscreen get it.
  void setFullscreenHandler(std::function<void(bool entered)> handler) {
    fullscreenChanged_ = std::move(handler);
  }
  // Asks the page to leave fullscreen, as its own control would.
  void exitFullscreen();

 private:
  HtmlView(GtkWidget* host, WebKitWebView* engine, const HtmlViewSettings& settings);

  static void onMouseTargetChanged(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer self);
  static GtkWidget* onCreate(WebKitWebView* engine, WebKitNavigationAction*, gpointer self);
  static gboolean onScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self);
  static gboolean onEnterFullscreen(WebKitWebView*, gpointer self);
  static gboolean onLeaveFullscreen(WebKitWebView*, gpointer self);
  static void onLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self);
  static void onWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self);
  static void onResponsiveChanged(WebKitWebView*, GParamSpec*, gpointer self);
  static gboolean onDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer self);

  GtkWidget* host_;        // owned by the widget tree
  WebKitWebView* engine_;  // owned by host_; weak, cleared when it dies
  HtmlViewSettings settings_;
  std::string statusText_;
  NewWindowRaiser raiseNewWindow_;
  std::function<void(bool)> fullscreenChanged_;

  // Bringing the page back after its web process died or hung.
  RecoveryPolicy recovery_;
  std::string lastUri_;       // the last page committed
  guint reloadSource_ = 0;    // pending reload
  guint watchdogSource_ = 0;  // pending end of a hung process
};

// How long a web process may stay unresponsive (after the engine noticed,
// itself a few seconds) before it is ended and its page loaded again.
inline constexpr guint kUnresponsiveLimitMs = 3000;

// Zoom factor of each text size, smallest to largest; level 2 is 100 %.
inline constexpr double kTextSizeFactors[] = {0.6, 0.8, 1.0, 1.2, 1.5};
double textZoomFactor(int textSize);

// The request would fetch from the network (refused by an offline view).
bool isNetworkUri(const char* uri);

}  // namespace zentavi
