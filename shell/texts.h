// The viewer's own texts, in UTF-8. The captions are composed from the
// branding chosen at build time, so they are string literals in the binary.
#pragma once

#include <string_view>

#include "branding.h"

namespace zentavi {

inline constexpr std::string_view kMakerName = ZENTAVI_MAKER_NAME;
inline constexpr std::string_view kMakerHost = ZENTAVI_MAKER_HOST;
inline constexpr std::string_view kServiceHost = ZENTAVI_SERVICE_HOST;
// The program's name for the desktop: its window class, desktop entry and icon.
inline constexpr const char* kApplicationId = ZENTAVI_APP_ID;

inline constexpr std::string_view kChannelListUrl = "http://" ZENTAVI_SERVICE_HOST "/index.asp?action=list";
inline constexpr std::string_view kWebsiteUrl = "http://" ZENTAVI_MAKER_HOST;

inline constexpr std::string_view kWindowCaption =
    "Zentavi网络电视台 v1.01  —  " ZENTAVI_MAKER_NAME "(" ZENTAVI_MAKER_HOST ")版权所有";
inline constexpr std::string_view kWebsiteButtonCaption = ZENTAVI_MAKER_NAME ZENTAVI_MAKER_HOST " 版权所有";

inline constexpr std::string_view kFailedStartMessage = "启动窗口加载失败。";
inline constexpr std::string_view kNoDisplayMessage =
    "zentavi-tv: cannot open the display; the viewer needs a graphical desktop";

}  // namespace zentavi
