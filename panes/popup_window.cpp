#include "panes/popup_window.h"

namespace zentavi {
namespace {

void onReadyToShow(WebKitWebView* view, gpointer window) {
  WebKitWindowProperties* properties = webkit_web_view_get_window_properties(view);
  GdkRectangle geometry;
  webkit_window_properties_get_geometry(properties, &geometry);
  if (geometry.width > 0 && geometry.height > 0)
    gtk_window_set_default_size(GTK_WINDOW(window), geometry.width, geometry.height);
  gtk_widget_show_all(GTK_WIDGET(window));
}

void onClose(WebKitWebView*, gpointer window) { gtk_widget_destroy(GTK_WIDGET(window)); }

void onTitleChanged(WebKitWebView* view, GParamSpec*, gpointer window) {
  const char* title = webkit_web_view_get_title(view);
  gtk_window_set_title(GTK_WINDOW(window), title ? title : "");
}

}  // namespace

GtkWidget* openPopupWindow(WebKitWebView* opener) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), 800, 600);
  GtkWidget* view = webkit_web_view_new_with_related_view(opener);
  gtk_container_add(GTK_CONTAINER(window), view);
  g_signal_connect(view, "ready-to-show", G_CALLBACK(onReadyToShow), window);
  g_signal_connect(view, "close", G_CALLBACK(onClose), window);
  g_signal_connect(view, "notify::title", G_CALLBACK(onTitleChanged), window);
  return view;
}

}  // namespace zentavi
