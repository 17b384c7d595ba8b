// The main window's client area: a container that puts each child at exactly
// the rectangle it was given, keeps the children in a stacking order for both
// painting and the pointer, and never asks for a minimum size of its own, so
// the window can shrink to whatever the desktop allows.
#pragma once

#include <gtk/gtk.h>

#include "shell/geometry.h"

G_BEGIN_DECLS
#define ZENTAVI_TYPE_CLIENT_AREA (zentavi_client_area_get_type())
G_DECLARE_FINAL_TYPE(ZentaviClientArea, zentavi_client_area, ZENTAVI, CLIENT_AREA, GtkContainer)
G_END_DECLS

namespace zentavi {

ZentaviClientArea* clientAreaNew();

// Adds `child` on top of the others at `rect` (clamped).
void clientAreaPut(ZentaviClientArea* area, GtkWidget* child, Rect rect);

// Moves `child` directly below `sibling`, or to the top when `sibling` is null.
void clientAreaStack(ZentaviClientArea* area, GtkWidget* child, GtkWidget* sibling);

// Stores the clamped rectangle at once; the child follows on the next allocation.
void clientAreaSetRect(ZentaviClientArea* area, GtkWidget* child, Rect rect);
Rect clientAreaRect(ZentaviClientArea* area, GtkWidget* child);

// Shows `child` alone over the whole area (a fullscreen video), or, with
// null, every child at its rectangle again.
void clientAreaSetSolo(ZentaviClientArea* area, GtkWidget* child);

}  // namespace zentavi
