#pragma once

namespace process {

/// Makes a write past the file-size limit (`ulimit -f`) fail with EFBIG, "File too large", like any
/// other failed write, instead of ending the program with SIGXFSZ and losing the window's settings.
/// Called first thing in main(); a child process in a test calls it to run as the program does.
void ignoreFileSizeSignal();

} // namespace process
