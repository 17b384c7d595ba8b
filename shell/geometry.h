// Whole-pixel rectangles in the main window's client coordinates, and the
// clamping every geometry write goes through.
#pragma once

#include <algorithm>
#include <cstdint>

namespace zentavi {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Not 32767: the limit the original toolkit applied to child geometry.
inline constexpr int kCoordinateLimit = 32627;

constexpr int clampPosition(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, -kCoordinateLimit, kCoordinateLimit));
}
constexpr int clampExtent(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, 0, kCoordinateLimit));
}
constexpr Rect clampRect(const Rect& r) {
  return {clampPosition(r.left), clampPosition(r.top), clampExtent(r.width), clampExtent(r.height)};
}

}  // namespace zentavi
