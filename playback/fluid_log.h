#pragma once
// FluidSynth's messages go through us: quiet by default, the last error kept
// so that a failure can say what FluidSynth reported.

#include <string>

namespace lyrova {

// Installs the handlers (once; later calls only change verbosity). Verbose
// prints errors and warnings on stderr.
void InstallFluidLog(bool verbose = false);
// The last error FluidSynth reported, "" when none; clears it.
std::string TakeFluidError();

}  // namespace lyrova
