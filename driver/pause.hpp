#pragma once

namespace sferonda {

struct Run;

// Halts after an error until the user presses Enter; any other line typed
// is run as a command and the prompt comes again. An ended console input
// counts as Enter, so that a run without a console never waits.
void PAUSE(Run& run);

}  // namespace sferonda
