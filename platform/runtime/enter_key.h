#pragma once
// Return and Enter press the focused command button of a window of the system,
// as Space does; in a text box they stay what they are there.

namespace forms {

// Installs the application-wide key handling once; every window calls it.
void pressFocusedButtonOnEnter();

} // namespace forms
