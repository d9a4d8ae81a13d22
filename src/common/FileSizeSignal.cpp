#include "common/FileSizeSignal.h"

#include <csignal>

namespace process {

void ignoreFileSizeSignal()
{
    struct sigaction action { };
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}

} // namespace process
