// Where the main window starts: centred on the screen, even when that puts it
// partly off a screen smaller than the window.
#pragma once

namespace zentavi {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// C++ integer division truncates toward zero, as the placement wants.
constexpr Point centredPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace zentavi
