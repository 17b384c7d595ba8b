// A plain top-level window for a page that the engine was allowed to open in a
// new window, as a browser would show it.
#pragma once

#include <webkit2/webkit2.h>

namespace zentavi {

// Returns the new window's web view, related to `opener`, for WebKit's
// `create` signal; the window shows itself when the page is ready and goes away
// when the page closes it or the user does.
GtkWidget* openPopupWindow(WebKitWebView* opener);

}  // namespace zentavi
