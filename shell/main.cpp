// zentavi-tv: the channel list on the right, the playing channel on the left.
#include "shell/application.h"
#include "shell/window_description.h"

int main() { return zentavi::runApplication(zentavi::kMainWindow); }
