#include "shell/widget_style.h"

#include <map>

namespace zentavi {

void styleWidget(GtkWidget* widget, const char* css, const char* className) {
  // Keyed by the literal's address; the providers live as long as the process.
  static std::map<const char*, GtkCssProvider*> providers;
  GtkCssProvider*& provider = providers[css];
  if (provider == nullptr) {
    provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
  }
  GtkStyleContext* style = gtk_widget_get_style_context(widget);
  gtk_style_context_add_provider(style, GTK_STYLE_PROVIDER(provider),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  gtk_style_context_add_class(style, className);
}

}  // namespace zentavi
