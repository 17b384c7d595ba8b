// The main window: a top-level window whose client area holds the controls of
// a description, delivers their events to the description's handlers, and
// owns its keys and focus. Handlers reach the controls through it.
#pragma once

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <memory>
#include <optional>
#include <vector>

#include "panes/html_view.h"
#include "shell/client_area.h"
#include "shell/description.h"
#include "shell/events.h"
#include "shell/owned.h"

namespace zentavi {

class MainWindow {
 public:
  // Builds the window and its controls, hidden, then resumes event delivery
  // and raises the start-up events. nullptr when the window or a control
  // cannot be created.
  static std::unique_ptr<MainWindow> build(const Description& description);

  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Shows the window with the focus on the first control of the Tab cycle.
  void show();
  // Asks the window to close, as its close button does.
  void close();
  bool alive() const { return window_ != nullptr; }
  GtkWindow* window() const { return window_; }

  // Client area size; before the window is mapped, the size it will get.
  int clientWidth() const;
  int clientHeight() const;

  Rect geometry(ControlId id) const;
  void setLeft(ControlId id, int left);
  void setWidth(ControlId id, int width);
  void setHeight(ControlId id, int height);

  GtkWidget* controlWidget(ControlId id) const;
  HtmlView* pane(ControlId id) const;  // null when the control is no HTML view

  Outcome raise(EventSource source, Event event);
  EventDelivery& events() { return events_; }

  // The pane whose page is shown fullscreen, if any.
  std::optional<ControlId> fullscreenPane() const { return fullscreenPane_; }

  std::optional<ControlId> focusedControl() const;
  void focusControl(ControlId id);

 private:
  struct Control {
    const ControlEntry* entry;
    GtkWidget* widget;  // owned by the client area
    std::unique_ptr<HtmlView> view;
  };

  explicit MainWindow(const Description& description);
  bool createWindow();
  bool createControls();
  bool createControl(const ControlEntry& entry);
  void stackControls();
  void showControls();
  void raiseStartupEvents();

  const Control* find(ControlId id) const;
  std::optional<ControlId> idOf(GtkWidget* widget) const;
  void moveFocus(bool forward);
  void setRect(ControlId id, Rect rect);
  void setFullscreenPane(std::optional<ControlId> id);

  static gboolean onKeyPress(GtkWidget*, GdkEventKey* key, gpointer self);
  static gboolean onConfigure(GtkWidget*, GdkEventConfigure* configure, gpointer self);
  static gboolean onDelete(GtkWidget*, GdkEvent*, gpointer self);
  static void onDestroy(GtkWidget*, gpointer self);
  static void onButtonClicked(GtkButton* button, gpointer self);

  const Description& description_;
  EventDelivery events_;
  GObjectPtr<WebKitWebContext> webContext_;
  GtkWindow* window_ = nullptr;              // weak: the toplevel owns itself
  ZentaviClientArea* clientArea_ = nullptr;  // owned by window_
  std::vector<Control> controls_;
  GdkRectangle lastConfigure_{};
  std::optional<ControlId> fullscreenPane_;
};

}  // namespace zentavi
