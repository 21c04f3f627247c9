#include "spd/testing/uruchom.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace mirta::spd::testing {

std::vector<char*> Argv(const std::vector<std::string>& argumenty) {
    std::vector<char*> argv;
    for (const std::string& a : argumenty)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

int Uruchom(const std::vector<std::string>& argumenty, const std::string& wejscie,
            std::string* wyjscie) {
    // A program that ends without reading its input must not take the test with it.
    ::signal(SIGPIPE, SIG_IGN);
    int doDziecka[2];
    int odDziecka[2];
    if (::pipe2(doDziecka, O_CLOEXEC) != 0 || ::pipe2(odDziecka, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_adddup2(&akcje, doDziecka[0], 0);
    posix_spawn_file_actions_adddup2(&akcje, odDziecka[1], 1);
    pid_t pid = -1;
    std::vector<char*> argv = Argv(argumenty);
    const int blad = posix_spawnp(&pid, argv[0], &akcje, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&akcje);
    ::close(doDziecka[0]);
    ::close(odDziecka[1]);
    if (blad == 0)
        (void)!::write(doDziecka[1], wejscie.data(), wejscie.size());
    ::close(doDziecka[1]);
    std::string tekst;
    char bufor[4096];
    for (ssize_t n; (n = ::read(odDziecka[0], bufor, sizeof bufor)) > 0;)
        tekst.append(bufor, static_cast<size_t>(n));
    ::close(odDziecka[0]);
    if (wyjscie)
        *wyjscie = tekst;
    int status = 0;
    if (blad != 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace mirta::spd::testing
