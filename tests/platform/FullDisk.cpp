#include "platform/FullDisk.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace sorvak::test {

bool holdsOnAFullDisk(long limitBytes, const std::function<bool()>& checks) {
    pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit small{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
        _exit(setrlimit(RLIMIT_FSIZE, &small) == 0 && checks() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace sorvak::test
