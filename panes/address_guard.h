// Which texts the player may be sent to. A script address would run inside
// the page the player shows, with that page's rights, and local files or the
// engine's own pages are no channel; so only web addresses and texts with no
// scheme at all (which the engine shows as a blank or an error page) pass.
// The text itself is never changed: this only decides.
#pragma once

#include <string_view>

namespace zentavi {

bool mayOpenInPlayer(std::string_view text);

}  // namespace zentavi
