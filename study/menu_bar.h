#pragma once

namespace forms {
class Window;
}

namespace study {

// Gives a study window the menu bar that belongs to it (looked up by the
// window's name); windows without a menu bar are left as they are.
void installMenuBar(forms::Window* window);

} // namespace study
