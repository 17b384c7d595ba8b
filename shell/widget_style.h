// Styling a widget from a small CSS text of its own.
#pragma once

#include <gtk/gtk.h>

namespace zentavi {

// Gives `widget` the style class `className`, with `css` (a string literal,
// parsed once for the whole process) as its style.
void styleWidget(GtkWidget* widget, const char* css, const char* className);

}  // namespace zentavi
