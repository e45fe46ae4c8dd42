#pragma once

namespace app {

// Makes every window of the system known to the window registry, with its menu
// bar, and connects the buttons whose procedures belong to another subsystem.
void registerWindows();

} // namespace app
