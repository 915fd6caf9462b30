#pragma once

namespace sferonda {

// The whole run: asks for the main input file, then reads and runs its
// cases until a negative display type.
void run_cases();

}  // namespace sferonda
