#include "shell/failed_start.h"

#include <gtk/gtk.h>

#include <string>

#include "shell/texts.h"

namespace zentavi {

void showFailedStart() {
  const std::string message(kFailedStartMessage);
  GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_OK,
                                             "%s", message.c_str());
  const std::string title(kWindowCaption);
  gtk_window_set_title(GTK_WINDOW(dialog), title.c_str());
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
}

}  // namespace zentavi
