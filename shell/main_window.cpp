#include "shell/main_window.h"

#include "shell/keys.h"
#include "shell/placement.h"
#include "shell/tab_cycle.h"
#include "shell/widget_style.h"

namespace zentavi {
namespace {

constexpr const char* kIconResources[] = {"/org/zentavi/tv/icons/32x32.png",
                                          "/org/zentavi/tv/icons/16x16.png"};

void setIcons(GtkWindow* window) {
  GList* icons = nullptr;
  for (const char* path : kIconResources)
    if (GdkPixbuf* icon = gdk_pixbuf_new_from_resource(path, nullptr)) icons = g_list_append(icons, icon);
  gtk_window_set_icon_list(window, icons);
  g_list_free_full(icons, g_object_unref);
}

GdkRectangle screenGeometry() {
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  GdkRectangle geometry{0, 0, 0, 0};
  if (monitor != nullptr) gdk_monitor_get_geometry(monitor, &geometry);
  return geometry;
}

unsigned modifiersOf(guint state) {
  unsigned m = kNoModifier;
  if (state & GDK_SHIFT_MASK) m |= kShift;
  if (state & GDK_CONTROL_MASK) m |= kControl;
  if (state & GDK_MOD1_MASK) m |= kAlt;
  return m;
}

// Controls take the desktop's font at its small size, as dialog controls do,
// so a caption fits a button one line high when it can.
constexpr const char* kButtonStyle = ".zentavi-button { font-size: smaller; padding: 0 4px; }";

GtkWidget* createPushButton(const PushButtonSettings& settings) {
  const std::string caption(settings.caption);
  GtkWidget* button = gtk_button_new_with_label(caption.c_str());
  styleWidget(button, kButtonStyle, "zentavi-button");
  if (GtkWidget* label = gtk_bin_get_child(GTK_BIN(button)); GTK_IS_LABEL(label)) {
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
    gtk_label_set_justify(GTK_LABEL(label), GTK_JUSTIFY_CENTER);
    // Without this a wrapping label asks for its unwrapped width.
    gtk_label_set_width_chars(GTK_LABEL(label), 1);
  }
  return button;
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::build(const Description& description) {
  std::unique_ptr<MainWindow> main(new MainWindow(description));
  main->events_.suspend();
  if (!main->createWindow() || !main->createControls()) return nullptr;
  main->stackControls();
  main->showControls();
  main->events_.resume();
  main->raiseStartupEvents();
  return main;
}

MainWindow::MainWindow(const Description& description)
    : description_(description), webContext_(webkit_web_context_new_ephemeral()) {}

MainWindow::~MainWindow() {
  events_.suspend();
  controls_.clear();
  if (window_ != nullptr) {
    g_signal_handlers_disconnect_by_data(window_, this);
    g_object_remove_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
    gtk_widget_destroy(GTK_WIDGET(window_));
  }
}

bool MainWindow::createWindow() {
  const WindowSettings& settings = description_.window;
  window_ = GTK_WINDOW(gtk_window_new(GTK_WINDOW_TOPLEVEL));
  if (window_ == nullptr) return false;
  g_object_add_weak_pointer(G_OBJECT(window_), reinterpret_cast<gpointer*>(&window_));
  const std::string caption(settings.caption);
  gtk_window_set_title(window_, caption.c_str());
  gtk_window_set_default_size(window_, settings.outerWidth, settings.outerHeight);
  const GdkRectangle screen = screenGeometry();
  const Point at = centredPosition(screen.width, screen.height, settings.outerWidth, settings.outerHeight);
  gtk_window_move(window_, screen.x + at.x, screen.y + at.y);
  setIcons(window_);
  clientArea_ = clientAreaNew();
  gtk_container_add(GTK_CONTAINER(window_), GTK_WIDGET(clientArea_));
  gtk_widget_show(GTK_WIDGET(clientArea_));
  g_signal_connect(window_, "key-press-event", G_CALLBACK(onKeyPress), this);
  g_signal_connect(window_, "configure-event", G_CALLBACK(onConfigure), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
  g_signal_connect(window_, "destroy", G_CALLBACK(onDestroy), this);
  return true;
}

// Last row first, so the player exists before the list pane starts loading.
bool MainWindow::createControls() {
  for (auto it = description_.controls.rbegin(); it != description_.controls.rend(); ++it)
    if (!createControl(*it)) return false;
  return true;
}

bool MainWindow::createControl(const ControlEntry& entry) {
  Control control{&entry, nullptr, nullptr};
  switch (entry.kind) {
    case ControlKind::PushButton:
      control.widget = createPushButton(entry.button);
      g_signal_connect(control.widget, "clicked", G_CALLBACK(onButtonClicked), this);
      break;
    case ControlKind::HtmlView:
      control.view = HtmlView::create(entry.view, webContext_.get());
      if (control.view == nullptr) return false;
      control.widget = control.view->host();
      control.view->setNewWindowRaiser(
          [this, id = entry.id] { return raise(sourceOf(id), Event::NewWindow); });
      if (entry.view.fullscreen)
        control.view->setFullscreenHandler([this, id = entry.id](bool entered) {
          setFullscreenPane(entered ? std::optional(id) : std::nullopt);
        });
      break;
  }
  if (control.widget == nullptr) return false;
  gtk_widget_set_sensitive(control.widget, !entry.flags.disabled);
  clientAreaPut(clientArea_, control.widget, entry.rect);
  controls_.push_back(std::move(control));
  return true;
}

// The first row goes on top, every later one directly below the one before.
void MainWindow::stackControls() {
  GtkWidget* above = nullptr;
  for (const ControlEntry& entry : description_.controls) {
    GtkWidget* widget = controlWidget(entry.id);
    clientAreaStack(clientArea_, widget, above);
    above = widget;
  }
}

void MainWindow::showControls() {
  for (const Control& c : controls_)
    if (c.entry->flags.visible) gtk_widget_show(c.widget);
}

void MainWindow::raiseStartupEvents() {
  gtk_window_get_position(window_, &lastConfigure_.x, &lastConfigure_.y);
  gtk_window_get_size(window_, &lastConfigure_.width, &lastConfigure_.height);
  for (Event e : {Event::CreationComplete, Event::Moved, Event::SizeChanged})
    if (alive()) raise(kMainWindowSource, e);
}

void MainWindow::show() {
  if (!alive()) return;
  const std::vector<ControlId> cycle = tabCycle(description_.controls);
  if (!cycle.empty()) focusControl(cycle.front());
  gtk_widget_show(GTK_WIDGET(window_));
}

void MainWindow::close() {
  if (alive()) gtk_window_close(window_);
}

int MainWindow::clientWidth() const {
  int width = 0;
  if (alive()) gtk_window_get_size(window_, &width, nullptr);
  return width;
}

int MainWindow::clientHeight() const {
  int height = 0;
  if (alive()) gtk_window_get_size(window_, nullptr, &height);
  return height;
}

Rect MainWindow::geometry(ControlId id) const {
  const Control* c = find(id);
  return c && alive() ? clientAreaRect(clientArea_, c->widget) : Rect{};
}

void MainWindow::setRect(ControlId id, Rect rect) {
  if (const Control* c = find(id); c && alive()) clientAreaSetRect(clientArea_, c->widget, rect);
}

void MainWindow::setLeft(ControlId id, int left) {
  Rect r = geometry(id);
  r.left = left;
  setRect(id, r);
}

void MainWindow::setWidth(ControlId id, int width) {
  Rect r = geometry(id);
  r.width = width;
  setRect(id, r);
}

void MainWindow::setHeight(ControlId id, int height) {
  Rect r = geometry(id);
  r.height = height;
  setRect(id, r);
}

GtkWidget* MainWindow::controlWidget(ControlId id) const {
  const Control* c = find(id);
  return c ? c->widget : nullptr;
}

HtmlView* MainWindow::pane(ControlId id) const {
  const Control* c = find(id);
  return c ? c->view.get() : nullptr;
}

Outcome MainWindow::raise(EventSource source, Event event) {
  return events_.raise(handlerFor(description_.bindings, source, event), *this);
}

const MainWindow::Control* MainWindow::find(ControlId id) const {
  for (const Control& c : controls_)
    if (c.entry->id == id) return &c;
  return nullptr;
}

std::optional<ControlId> MainWindow::idOf(GtkWidget* widget) const {
  for (const Control& c : controls_)
    if (c.widget == widget) return c.entry->id;
  return std::nullopt;
}

// The control whose own widget has the focus, or directly contains it (a
// pane's web view sits directly in its host).
std::optional<ControlId> MainWindow::focusedControl() const {
  GtkWidget* focus = alive() ? gtk_window_get_focus(window_) : nullptr;
  if (focus == nullptr) return std::nullopt;
  if (auto id = idOf(focus)) return id;
  return idOf(gtk_widget_get_parent(focus));
}

void MainWindow::focusControl(ControlId id) {
  const Control* c = find(id);
  if (c == nullptr) return;
  if (c->view)
    c->view->focus();
  else
    gtk_widget_grab_focus(c->widget);
}

// The pane covers the whole window, which covers the screen; the other
// controls keep their places for when it ends.
void MainWindow::setFullscreenPane(std::optional<ControlId> id) {
  if (!alive() || id == fullscreenPane_) return;
  fullscreenPane_ = id;
  clientAreaSetSolo(clientArea_, id ? controlWidget(*id) : nullptr);
  if (id)
    gtk_window_fullscreen(window_);
  else
    gtk_window_unfullscreen(window_);
}

void MainWindow::moveFocus(bool forward) {
  if (fullscreenPane_) return;  // the other controls are out of sight
  const auto target = tabStep(tabCycle(description_.controls), focusedControl(),
                              forward ? TabDirection::Forward : TabDirection::Backward);
  if (target) focusControl(*target);
}

// Seen before any control, the web views included.
gboolean MainWindow::onKeyPress(GtkWidget*, GdkEventKey* key, gpointer self) {
  auto* main = static_cast<MainWindow*>(self);
  switch (keyActionFor(key->keyval, modifiersOf(key->state), main->description_.window.escCloses)) {
    case KeyAction::None:
      return FALSE;
    case KeyAction::Close:
      // Esc first ends a fullscreen video, as everywhere else on the desktop.
      if (main->fullscreenPane_)
        main->pane(*main->fullscreenPane_)->exitFullscreen();
      else
        main->close();
      return TRUE;
    case KeyAction::FocusNext:
      main->moveFocus(true);
      return TRUE;
    case KeyAction::FocusPrevious:
      main->moveFocus(false);
      return TRUE;
  }
  return FALSE;
}

// The desktop reports moves and size changes of the toplevel here; only real
// changes become events.
gboolean MainWindow::onConfigure(GtkWidget*, GdkEventConfigure* configure, gpointer self) {
  auto* main = static_cast<MainWindow*>(self);
  const bool moved = configure->x != main->lastConfigure_.x || configure->y != main->lastConfigure_.y;
  const bool resized =
      configure->width != main->lastConfigure_.width || configure->height != main->lastConfigure_.height;
  main->lastConfigure_ = {configure->x, configure->y, configure->width, configure->height};
  if (moved) main->raise(kMainWindowSource, Event::Moved);
  if (resized && main->alive()) main->raise(kMainWindowSource, Event::SizeChanged);
  return FALSE;
}

gboolean MainWindow::onDelete(GtkWidget*, GdkEvent*, gpointer self) {
  static_cast<MainWindow*>(self)->raise(kMainWindowSource, Event::CloseRequested);
  return FALSE;
}

void MainWindow::onDestroy(GtkWidget*, gpointer self) {
  auto* main = static_cast<MainWindow*>(self);
  main->raise(kMainWindowSource, Event::BeingDestroyed);
  main->controls_.clear();
  if (gtk_main_level() > 0) gtk_main_quit();
}

void MainWindow::onButtonClicked(GtkButton* button, gpointer self) {
  auto* main = static_cast<MainWindow*>(self);
  if (auto id = main->idOf(GTK_WIDGET(button))) main->raise(sourceOf(*id), Event::Click);
}

}  // namespace zentavi
