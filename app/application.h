#pragma once

namespace app {

// The application as the program runs it: its name (the title of the message
// boxes), the Greek number conventions, its own rule for when it ends, and a
// file-size limit that fails a write instead of ending the program.
void setUpApplication();

} // namespace app
