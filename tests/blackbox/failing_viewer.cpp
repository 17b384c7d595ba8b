// The viewer's start-up with a main window whose second control is of a kind
// that does not exist, so building it fails as a real failure would.
#include "shell/application.h"
#include "shell/window_description.h"

namespace {

constexpr std::array kBrokenControls{
    zentavi::kControls[0],
    zentavi::ControlEntry{.id = zentavi::ControlId::ListPane,
                          .name = zentavi::kListPaneName,
                          .kind = static_cast<zentavi::ControlKind>(99),
                          .rect = {808, 0, 210, 600},
                          .flags = {},
                          .tabOrder = 0,
                          .view = {},
                          .button = {}},
    zentavi::kControls[2],
};
constexpr zentavi::Description kBroken{zentavi::kMainWindow.window, kBrokenControls, zentavi::kBindings};

}  // namespace

int main() { return zentavi::runApplication(kBroken); }
