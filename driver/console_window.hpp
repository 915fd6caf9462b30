#pragma once

namespace sferonda {

struct Run;

// When the console window is the program's own (a double click, a file
// dropped on the program), it would close with the run before its last
// lines could be read: asks for Enter first and waits for it, or for the
// end of the console's input. Nothing otherwise.
void keep_own_window_until_enter(Run& run);

}  // namespace sferonda
