#include "panes/html_view.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "panes/popup_window.h"
#include "shell/widget_style.h"

namespace zentavi {
namespace {

constexpr const char* kHostStyle = ".zentavi-pane { background-color: #ffffff; }";

}  // namespace

double textZoomFactor(int textSize) {
  return kTextSizeFactors[std::clamp(textSize, 0, static_cast<int>(std::size(kTextSizeFactors)) - 1)];
}

bool isNetworkUri(const char* uri) {
  const char* scheme = uri ? g_uri_peek_scheme(uri) : nullptr;
  if (scheme == nullptr) return false;
  static constexpr std::array kNetworkSchemes{"http", "https", "ws", "wss", "ftp"};
  return std::any_of(kNetworkSchemes.begin(), kNetworkSchemes.end(),
                     [scheme](const char* s) { return std::strcmp(s, scheme) == 0; });
}

std::unique_ptr<HtmlView> HtmlView::create(const HtmlViewSettings& settings, WebKitWebContext* context) {
  GtkWidget* engine = webkit_web_view_new_with_context(context);
  if (engine == nullptr) return nullptr;
  GtkWidget* host = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  styleWidget(host, kHostStyle, "zentavi-pane");
  gtk_box_pack_start(GTK_BOX(host), engine, TRUE, TRUE, 0);
  gtk_widget_show(engine);
  std::unique_ptr<HtmlView> view(new HtmlView(host, WEBKIT_WEB_VIEW(engine), settings));
  if (!settings.address.empty()) view->navigate(settings.address);
  return view;
}

HtmlView::HtmlView(GtkWidget* host, WebKitWebView* engine, const HtmlViewSettings& settings)
    : host_(host), engine_(engine), settings_(settings) {
  g_object_add_weak_pointer(G_OBJECT(engine_), reinterpret_cast<gpointer*>(&engine_));
  g_object_add_weak_pointer(G_OBJECT(host_), reinterpret_cast<gpointer*>(&host_));
  // Offline, then silent, then the text size.
  g_signal_connect(engine_, "decide-policy", G_CALLBACK(onDecidePolicy), this);
  g_signal_connect(engine_, "script-dialog", G_CALLBACK(onScriptDialog), this);
  WebKitSettings* engineSettings = webkit_web_view_get_settings(engine_);
  webkit_settings_set_zoom_text_only(engineSettings, TRUE);
  // A view that may not go fullscreen refuses the page's request outright.
  webkit_settings_set_enable_fullscreen(engineSettings, settings.fullscreen);
  g_signal_connect(engine_, "enter-fullscreen", G_CALLBACK(onEnterFullscreen), this);
  g_signal_connect(engine_, "leave-fullscreen", G_CALLBACK(onLeaveFullscreen), this);
  webkit_web_view_set_zoom_level(engine_, textZoomFactor(settings.textSize));
  g_signal_connect(engine_, "mouse-target-changed", G_CALLBACK(onMouseTargetChanged), this);
  g_signal_connect(engine_, "load-changed", G_CALLBACK(onLoadChanged), this);
  g_signal_connect(engine_, "web-process-terminated", G_CALLBACK(onWebProcessTerminated), this);
  g_signal_connect(engine_, "notify::is-web-process-responsive", G_CALLBACK(onResponsiveChanged), this);
  g_signal_connect(engine_, "create", G_CALLBACK(onCreate), this);
}

HtmlView::~HtmlView() {
  if (reloadSource_ != 0) g_source_remove(reloadSource_);
  if (watchdogSource_ != 0) g_source_remove(watchdogSource_);
  if (engine_ != nullptr) {
    g_signal_handlers_disconnect_by_data(engine_, this);
    g_object_remove_weak_pointer(G_OBJECT(engine_), reinterpret_cast<gpointer*>(&engine_));
  }
  if (host_ != nullptr) g_object_remove_weak_pointer(G_OBJECT(host_), reinterpret_cast<gpointer*>(&host_));
}

void HtmlView::navigate(std::string_view address) {
  if (engine_ == nullptr) return;
  const std::string copy(address);
  webkit_web_view_load_uri(engine_, copy.c_str());
}

std::optional<std::string> HtmlView::statusText() const {
  if (statusText_.empty()) return std::nullopt;
  return statusText_;
}

void HtmlView::focus() {
  if (engine_ != nullptr) gtk_widget_grab_focus(GTK_WIDGET(engine_));
}

// WebKitGTK reports the link under the pointer here and nowhere else; any
// report without a link empties the text.
void HtmlView::onMouseTargetChanged(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer self) {
  auto* view = static_cast<HtmlView*>(self);
  const char* link =
      webkit_hit_test_result_context_is_link(hit) ? webkit_hit_test_result_get_link_uri(hit) : nullptr;
  view->statusText_ = link ? link : "";
}

void HtmlView::exitFullscreen() {
  // In a world of its own, so no script of the page can stand in the way.
  if (engine_ != nullptr)
    webkit_web_view_evaluate_javascript(engine_, "document.exitFullscreen()", -1, "zentavi-shell", nullptr,
                                        nullptr, nullptr, nullptr);
}

// TRUE: the host fullscreens the window its own way, with the page's element
// over all of it (by default the toplevel would go fullscreen unchanged).
gboolean HtmlView::onEnterFullscreen(WebKitWebView*, gpointer self) {
  auto* view = static_cast<HtmlView*>(self);
  if (view->fullscreenChanged_) view->fullscreenChanged_(true);
  return TRUE;
}

gboolean HtmlView::onLeaveFullscreen(WebKitWebView*, gpointer self) {
  auto* view = static_cast<HtmlView*>(self);
  if (view->fullscreenChanged_) view->fullscreenChanged_(false);
  return TRUE;
}

void HtmlView::onLoadChanged(WebKitWebView* engine, WebKitLoadEvent event, gpointer self) {
  if (event != WEBKIT_LOAD_COMMITTED) return;
  const char* uri = webkit_web_view_get_uri(engine);
  static_cast<HtmlView*>(self)->lastUri_ = uri ? uri : "";
}

// The view keeps its last frame but no longer answers the pointer: load the
// page again, after a delay that grows when it keeps dying.
void HtmlView::onWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self) {
  auto* view = static_cast<HtmlView*>(self);
  if (view->watchdogSource_ != 0) g_source_remove(view->watchdogSource_);
  view->watchdogSource_ = 0;
  if (view->reloadSource_ != 0 || view->lastUri_.empty()) return;
  const auto delay = view->recovery_.onDeath(g_get_monotonic_time() / 1000);
  if (!delay) return;
  view->reloadSource_ = g_timeout_add(
      static_cast<guint>(*delay),
      [](gpointer data) -> gboolean {
        auto* v = static_cast<HtmlView*>(data);
        v->reloadSource_ = 0;
        v->navigate(v->lastUri_);
        return G_SOURCE_REMOVE;
      },
      view);
}

void HtmlView::onResponsiveChanged(WebKitWebView* engine, GParamSpec*, gpointer self) {
  auto* view = static_cast<HtmlView*>(self);
  if (webkit_web_view_get_is_web_process_responsive(engine)) {
    if (view->watchdogSource_ != 0) g_source_remove(view->watchdogSource_);
    view->watchdogSource_ = 0;
    return;
  }
  if (view->watchdogSource_ != 0) return;
  view->watchdogSource_ = g_timeout_add(
      kUnresponsiveLimitMs,
      [](gpointer data) -> gboolean {
        auto* v = static_cast<HtmlView*>(data);
        v->watchdogSource_ = 0;
        if (v->engine_ != nullptr && !webkit_web_view_get_is_web_process_responsive(v->engine_))
          webkit_web_view_terminate_web_process(v->engine_);  // reported as a termination
        return G_SOURCE_REMOVE;
      },
      view);
}

// Returning no view cancels the new window.
GtkWidget* HtmlView::onCreate(WebKitWebView* engine, WebKitNavigationAction*, gpointer self) {
  auto* view = static_cast<HtmlView*>(self);
  const Outcome outcome = view->raiseNewWindow_ ? view->raiseNewWindow_() : Outcome{};
  if (outcome.cancelsNewWindow()) return nullptr;
  return openPopupWindow(engine);
}

// A silent view shows no dialogs; a leave-page question is answered "leave",
// or it would hold up every later navigation.
gboolean HtmlView::onScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self) {
  if (!static_cast<HtmlView*>(self)->settings_.silent) return FALSE;
  if (webkit_script_dialog_get_dialog_type(dialog) == WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM)
    webkit_script_dialog_confirm_set_confirmed(dialog, TRUE);
  return TRUE;
}

gboolean HtmlView::onDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                  WebKitPolicyDecisionType type, gpointer self) {
  if (!static_cast<HtmlView*>(self)->settings_.offline) return FALSE;
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
  auto* action =
      webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (!isNetworkUri(uri)) return FALSE;
  webkit_policy_decision_ignore(decision);
  return TRUE;
}

}  // namespace zentavi
