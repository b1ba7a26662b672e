#include "ReadingCommand.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
#ifdef SIGPIPE
    // A reader that has gone is a failed write like any other, reported below, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    errno = 0;
    const int status = kesto::runReadingCommand(args, std::cout, std::cerr);
    std::cout.flush();
    if (std::cout)
        return status;
    // A stream stops writing once a write has failed, so errno still says why it failed.
    const int error = errno;
    std::cerr << "kesto-reading: cannot write the output";
    if (error != 0)
        std::cerr << ": " << std::strerror(error);
    std::cerr << '\n';
    return 1;
}
