#include "panes/channel_selection.h"

#include <string>

#include "panes/address_guard.h"
#include "shell/main_window.h"

namespace zentavi {
namespace {

// Both panes' requests are answered alike, and both read the list's status
// text: a pop-up of the player's page is no channel of the list. The navigate
// happens here, before the answer: deferring it would let a page that opens
// windows in a loop run ahead of it.
Answer sendPlayerToListStatus(MainWindow& main) {
  HtmlView* list = main.pane(ControlId::ListPane);
  HtmlView* player = main.pane(ControlId::Player);
  if (list == nullptr || player == nullptr) return false;
  const std::string text = list->statusText().value_or(std::string());
  if (mayOpenInPlayer(text)) player->navigate(text);
  return false;
}

}  // namespace

Answer onListPaneNewWindow(MainWindow& main) { return sendPlayerToListStatus(main); }
Answer onPlayerNewWindow(MainWindow& main) { return sendPlayerToListStatus(main); }

}  // namespace zentavi
