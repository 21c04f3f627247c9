#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace mirta::cli::testing {

struct Wynik {
    int kod = -1;
    std::string wyjscie;  // stdout and stderr together, in order
};

// Runs the built `mirta` with `argumenty` (already quoted for the shell) and `env`
// assignments in front.
inline Wynik Uruchom(const std::string& argumenty, const std::string& env = "") {
    const std::string polecenie =
        env + " " + MIRTA_BINARY_DIR "/cli/mirta " + argumenty + " </dev/null 2>&1";
    Wynik w;
    FILE* p = popen(polecenie.c_str(), "r");
    if (!p)
        return w;
    char bufor[4096];
    size_t n;
    while ((n = fread(bufor, 1, sizeof bufor, p)) > 0)
        w.wyjscie.append(bufor, n);
    const int status = pclose(p);
    w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return w;
}

}  // namespace mirta::cli::testing
