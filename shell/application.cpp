#include "shell/application.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "shell/failed_start.h"
#include "shell/main_window.h"
#include "shell/texts.h"

namespace zentavi {

int runApplication(const Description& description) {
  g_set_prgname(kApplicationId);
  // The viewer takes no arguments: GTK is given none to parse.
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fprintf(stderr, "%s\n", std::string(kNoDisplayMessage).c_str());
    return kExitFailedStart;
  }
  // The window class the desktop matches to the installed desktop entry; GTK
  // would capitalise it.
  gdk_set_program_class(kApplicationId);
  std::unique_ptr<MainWindow> main = MainWindow::build(description);
  if (main == nullptr) {
    showFailedStart();
    return kExitFailedStart;
  }
  main->show();
  if (main->alive()) gtk_main();
  main->events().suspend();
  return kExitOk;
}

}  // namespace zentavi
