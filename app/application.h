#pragma once

namespace app {

// The application as the program runs it: its name (the title of the message
// boxes), the Greek number conventions and its own rule for when it ends.
void setUpApplication();

} // namespace app
