#include "shell/client_area.h"

#include <algorithm>
#include <vector>

namespace {

using zentavi::Rect;

// Each child lives in a GdkWindow of its own: restacking those windows is what
// makes one child lie above another for the pointer as well as on screen.
struct Slot {
  GtkWidget* child;
  Rect rect;
  GdkWindow* window;
};

}  // namespace

struct _ZentaviClientArea {
  GtkContainer parent_instance;
  std::vector<Slot>* slots;  // bottom to top
  GtkWidget* solo;           // shown alone over the whole area, or null
};

G_DEFINE_TYPE(ZentaviClientArea, zentavi_client_area, GTK_TYPE_CONTAINER)

namespace {

Slot* findSlot(ZentaviClientArea* area, GtkWidget* child) {
  auto& slots = *area->slots;
  auto it = std::find_if(slots.begin(), slots.end(), [child](const Slot& s) { return s.child == child; });
  return it == slots.end() ? nullptr : &*it;
}

// Where a slot is shown: its own rectangle, or all of the area for the solo
// child. The stored rectangles stay as they are while a child is solo.
Rect shownRect(ZentaviClientArea* area, const Slot& s) {
  if (area->solo == nullptr) return s.rect;
  if (area->solo != s.child) return {};
  return {0, 0, gtk_widget_get_allocated_width(GTK_WIDGET(area)),
          gtk_widget_get_allocated_height(GTK_WIDGET(area))};
}

bool slotShowsSomething(ZentaviClientArea* area, const Slot& s) {
  const Rect r = shownRect(area, s);
  return gtk_widget_get_visible(s.child) && r.width > 0 && r.height > 0;
}

void createSlotWindow(ZentaviClientArea* area, Slot& slot) {
  GtkWidget* widget = GTK_WIDGET(area);
  GdkWindowAttr attributes{};
  attributes.window_type = GDK_WINDOW_CHILD;
  attributes.wclass = GDK_INPUT_OUTPUT;
  attributes.visual = gtk_widget_get_visual(widget);
  attributes.event_mask = gtk_widget_get_events(widget) | GDK_EXPOSURE_MASK;
  attributes.x = slot.rect.left;
  attributes.y = slot.rect.top;
  attributes.width = std::max(slot.rect.width, 1);
  attributes.height = std::max(slot.rect.height, 1);
  slot.window =
      gdk_window_new(gtk_widget_get_window(widget), &attributes, GDK_WA_X | GDK_WA_Y | GDK_WA_VISUAL);
  gtk_widget_register_window(widget, slot.window);
  gtk_widget_set_parent_window(slot.child, slot.window);
}

void destroySlotWindow(ZentaviClientArea* area, Slot& slot) {
  if (slot.window == nullptr) return;
  if (gtk_widget_get_realized(slot.child)) gtk_widget_unrealize(slot.child);
  gtk_widget_unregister_window(GTK_WIDGET(area), slot.window);
  gdk_window_destroy(slot.window);
  slot.window = nullptr;
}

void restackSlotWindows(ZentaviClientArea* area) {
  for (Slot& s : *area->slots)
    if (s.window != nullptr) gdk_window_raise(s.window);
}

// A window of zero width or height is hidden: GDK cannot make one smaller than 1.
void placeSlotWindow(ZentaviClientArea* area, Slot& s) {
  if (s.window == nullptr) return;
  if (!slotShowsSomething(area, s)) {
    gdk_window_hide(s.window);
    return;
  }
  const Rect r = shownRect(area, s);
  gdk_window_move_resize(s.window, r.left, r.top, r.width, r.height);
  if (gtk_widget_get_mapped(GTK_WIDGET(area))) gdk_window_show_unraised(s.window);
}

// The child fills its own window, so it sits at 0, 0 within it.
void allocateChild(ZentaviClientArea* area, const Slot& s) {
  GtkRequisition minimum;
  gtk_widget_get_preferred_size(s.child, &minimum, nullptr);
  const Rect r = area->solo != nullptr && area->solo != s.child ? s.rect : shownRect(area, s);
  GtkAllocation childAllocation{0, 0, r.width, r.height};
  gtk_widget_size_allocate(s.child, &childAllocation);
}

void clientAreaRealize(GtkWidget* widget) {
  auto* area = ZENTAVI_CLIENT_AREA(widget);
  GtkAllocation allocation;
  gtk_widget_get_allocation(widget, &allocation);
  gtk_widget_set_realized(widget, TRUE);
  GdkWindowAttr attributes{};
  attributes.window_type = GDK_WINDOW_CHILD;
  attributes.wclass = GDK_INPUT_OUTPUT;
  attributes.visual = gtk_widget_get_visual(widget);
  attributes.event_mask = gtk_widget_get_events(widget) | GDK_EXPOSURE_MASK;
  attributes.x = allocation.x;
  attributes.y = allocation.y;
  attributes.width = allocation.width;
  attributes.height = allocation.height;
  GdkWindow* window =
      gdk_window_new(gtk_widget_get_parent_window(widget), &attributes, GDK_WA_X | GDK_WA_Y | GDK_WA_VISUAL);
  gtk_widget_set_window(widget, window);
  gtk_widget_register_window(widget, window);
  for (Slot& s : *area->slots) createSlotWindow(area, s);
  restackSlotWindows(area);
}

void clientAreaUnrealize(GtkWidget* widget) {
  auto* area = ZENTAVI_CLIENT_AREA(widget);
  for (Slot& s : *area->slots) destroySlotWindow(area, s);
  GTK_WIDGET_CLASS(zentavi_client_area_parent_class)->unrealize(widget);
}

void clientAreaMap(GtkWidget* widget) {
  GTK_WIDGET_CLASS(zentavi_client_area_parent_class)->map(widget);
  for (Slot& s : *ZENTAVI_CLIENT_AREA(widget)->slots)
    if (s.window != nullptr && slotShowsSomething(ZENTAVI_CLIENT_AREA(widget), s))
      gdk_window_show_unraised(s.window);
}

void clientAreaSizeAllocate(GtkWidget* widget, GtkAllocation* allocation) {
  gtk_widget_set_allocation(widget, allocation);
  if (gtk_widget_get_realized(widget))
    gdk_window_move_resize(gtk_widget_get_window(widget), allocation->x, allocation->y, allocation->width,
                           allocation->height);
  auto* area = ZENTAVI_CLIENT_AREA(widget);
  for (Slot& s : *area->slots) {
    placeSlotWindow(area, s);
    allocateChild(area, s);
  }
}

// Uncovered parts show the window's own background, the theme's face colour.
gboolean clientAreaDraw(GtkWidget* widget, cairo_t* cr) {
  if (gtk_cairo_should_draw_window(cr, gtk_widget_get_window(widget))) {
    GtkWidget* toplevel = gtk_widget_get_toplevel(widget);
    gtk_render_background(gtk_widget_get_style_context(toplevel), cr, 0, 0,
                          gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget));
  }
  auto* area = ZENTAVI_CLIENT_AREA(widget);
  for (const Slot& s : *area->slots)
    if (slotShowsSomething(area, s)) gtk_container_propagate_draw(GTK_CONTAINER(widget), s.child, cr);
  return FALSE;
}

// No minimum and no natural size: the window's default size decides.
void clientAreaPreferredSize(GtkWidget*, gint* minimum, gint* natural) { *minimum = *natural = 0; }

void clientAreaAdd(GtkContainer* container, GtkWidget* child) {
  zentavi::clientAreaPut(ZENTAVI_CLIENT_AREA(container), child, {});
}

void clientAreaRemove(GtkContainer* container, GtkWidget* child) {
  auto* area = ZENTAVI_CLIENT_AREA(container);
  Slot* slot = findSlot(area, child);
  if (slot == nullptr) return;
  const bool wasVisible = gtk_widget_get_visible(child);
  destroySlotWindow(area, *slot);
  gtk_widget_unparent(child);
  auto& slots = *area->slots;
  slots.erase(slots.begin() + (slot - slots.data()));
  if (area->solo == child) area->solo = nullptr;
  if (wasVisible) gtk_widget_queue_resize(GTK_WIDGET(area));
}

void clientAreaForall(GtkContainer* container, gboolean, GtkCallback callback, gpointer data) {
  // The callback may remove children (destroy does), so walk a copy.
  std::vector<GtkWidget*> children;
  for (const Slot& s : *ZENTAVI_CLIENT_AREA(container)->slots) children.push_back(s.child);
  for (GtkWidget* child : children) callback(child, data);
}

GType clientAreaChildType(GtkContainer*) { return GTK_TYPE_WIDGET; }

void clientAreaFinalize(GObject* object) {
  delete ZENTAVI_CLIENT_AREA(object)->slots;
  G_OBJECT_CLASS(zentavi_client_area_parent_class)->finalize(object);
}

}  // namespace

static void zentavi_client_area_class_init(ZentaviClientAreaClass* klass) {
  G_OBJECT_CLASS(klass)->finalize = clientAreaFinalize;
  auto* widgetClass = GTK_WIDGET_CLASS(klass);
  widgetClass->realize = clientAreaRealize;
  widgetClass->unrealize = clientAreaUnrealize;
  widgetClass->map = clientAreaMap;
  widgetClass->size_allocate = clientAreaSizeAllocate;
  widgetClass->draw = clientAreaDraw;
  widgetClass->get_preferred_width = clientAreaPreferredSize;
  widgetClass->get_preferred_height = clientAreaPreferredSize;
  auto* containerClass = GTK_CONTAINER_CLASS(klass);
  containerClass->add = clientAreaAdd;
  containerClass->remove = clientAreaRemove;
  containerClass->forall = clientAreaForall;
  containerClass->child_type = clientAreaChildType;
}

static void zentavi_client_area_init(ZentaviClientArea* area) {
  area->slots = new std::vector<Slot>();
  gtk_widget_set_has_window(GTK_WIDGET(area), TRUE);
}

namespace zentavi {

ZentaviClientArea* clientAreaNew() {
  return ZENTAVI_CLIENT_AREA(g_object_new(ZENTAVI_TYPE_CLIENT_AREA, nullptr));
}

void clientAreaPut(ZentaviClientArea* area, GtkWidget* child, Rect rect) {
  area->slots->push_back({child, clampRect(rect), nullptr});
  Slot& slot = area->slots->back();
  if (gtk_widget_get_realized(GTK_WIDGET(area))) createSlotWindow(area, slot);
  gtk_widget_set_parent(child, GTK_WIDGET(area));
}

void clientAreaStack(ZentaviClientArea* area, GtkWidget* child, GtkWidget* sibling) {
  auto& slots = *area->slots;
  Slot* moving = findSlot(area, child);
  if (moving == nullptr || child == sibling) return;
  const Slot taken = *moving;
  slots.erase(slots.begin() + (moving - slots.data()));
  auto at = slots.end();
  if (Slot* below = sibling ? findSlot(area, sibling) : nullptr) at = slots.begin() + (below - slots.data());
  slots.insert(at, taken);
  restackSlotWindows(area);
  gtk_widget_queue_draw(GTK_WIDGET(area));
}

void clientAreaSetRect(ZentaviClientArea* area, GtkWidget* child, Rect rect) {
  if (Slot* slot = findSlot(area, child)) {
    slot->rect = clampRect(rect);
    gtk_widget_queue_allocate(GTK_WIDGET(area));
  }
}

void clientAreaSetSolo(ZentaviClientArea* area, GtkWidget* child) {
  area->solo = child;
  gtk_widget_queue_allocate(GTK_WIDGET(area));
  gtk_widget_queue_draw(GTK_WIDGET(area));
}

Rect clientAreaRect(ZentaviClientArea* area, GtkWidget* child) {
  const Slot* slot = findSlot(area, child);
  return slot ? slot->rect : Rect{};
}

}  // namespace zentavi
