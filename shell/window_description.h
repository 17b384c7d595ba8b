// The viewer's main window: its settings, its three controls and the handlers
// bound to their events, as one constant table.
#pragma once

#include <array>

#include "link/website.h"
#include "panes/channel_selection.h"
#include "shell/description.h"
#include "shell/layout.h"
#include "shell/texts.h"

namespace zentavi {

inline constexpr std::string_view kWebsiteButtonName = "按钮1";
inline constexpr std::string_view kListPaneName = "表单";
inline constexpr std::string_view kPlayerName = "播放器";

inline constexpr std::array kControls{
    ControlEntry{.id = ControlId::WebsiteButton,
                 .name = kWebsiteButtonName,
                 .kind = ControlKind::PushButton,
                 .rect = {796, 0, 211, 24},
                 .flags = {.visible = true, .disabled = false, .tabStop = true},
                 .tabOrder = 0,
                 .view = {},
                 .button = {.caption = kWebsiteButtonCaption}},
    ControlEntry{.id = ControlId::ListPane,
                 .name = kListPaneName,
                 .kind = ControlKind::HtmlView,
                 .rect = {808, 0, 210, 600},
                 .flags = {.visible = true, .disabled = false, .tabStop = true},
                 .tabOrder = 0,
                 .view = {.textSize = 2,
                          .offline = false,
                          .silent = false,
                          .address = kChannelListUrl,
                          .fullscreen = false},
                 .button = {}},
    ControlEntry{
        .id = ControlId::Player,
        .name = kPlayerName,
        .kind = ControlKind::HtmlView,
        .rect = {0, 0, 800, 600},
        .flags = {.visible = true, .disabled = false, .tabStop = true},
        .tabOrder = 0,
        .view = {.textSize = 2, .offline = false, .silent = false, .address = {}, .fullscreen = true},
        .button = {}},
};

inline constexpr std::array kBindings{
    Binding{kMainWindowSource, Event::SizeChanged, &onResize},
    Binding{sourceOf(ControlId::WebsiteButton), Event::Click, &onWebsiteClick},
    Binding{sourceOf(ControlId::ListPane), Event::NewWindow, &onListPaneNewWindow},
    Binding{sourceOf(ControlId::Player), Event::NewWindow, &onPlayerNewWindow},
};
static_assert(atMostOneHandlerPerEvent(kBindings));

inline constexpr Description kMainWindow{
    .window = {.caption = kWindowCaption, .outerWidth = 1013, .outerHeight = 626, .escCloses = true},
    .controls = kControls,
    .bindings = kBindings,
};

}  // namespace zentavi
