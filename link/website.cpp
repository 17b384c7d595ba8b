#include "link/website.h"

#include <gtk/gtk.h>

#include <string>

#include "shell/owned.h"
#include "shell/texts.h"

namespace zentavi {
namespace {

void dropLaunchResult(GObject*, GAsyncResult* result, gpointer) {
  GError* error = nullptr;
  g_app_info_launch_default_for_uri_finish(result, &error);
  GErrorPtr owned(error);
}

}  // namespace

Answer onWebsiteClick(MainWindow&) {
  openUrl(kWebsiteUrl);
  return std::nullopt;
}

void openUrl(std::string_view url) {
  const std::string uri(url);
  // The display's launch context gives the browser start-up notification.
  GObjectPtr<GdkAppLaunchContext> context(gdk_display_get_app_launch_context(gdk_display_get_default()));
  g_app_info_launch_default_for_uri_async(uri.c_str(), G_APP_LAUNCH_CONTEXT(context.get()), nullptr,
                                          dropLaunchResult, nullptr);
}

}  // namespace zentavi
