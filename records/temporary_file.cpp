#include "records/temporary_file.hpp"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sferonda {

namespace {

constexpr int ENDING_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

// The handler may call only async-signal-safe functions: it finds the name
// here, in a fixed buffer that is changed only while those signals wait.
// No longer name can be opened.
char pending_removal[PATH_MAX];

extern "C" void remove_and_end(int signal_number) {
    if (pending_removal[0] != '\0') ::unlink(pending_removal);
    ::signal(signal_number, SIG_DFL);
    ::raise(signal_number);
}

sigset_t ending_signals() {
    sigset_t set;
    ::sigemptyset(&set);
    for (int signal_number : ENDING_SIGNALS) ::sigaddset(&set, signal_number);
    return set;
}

// A signal that the run was started to ignore (nohup) stays ignored.
void install_handlers_once() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = remove_and_end;
    action.sa_mask = ending_signals();
    for (int signal_number : ENDING_SIGNALS) {
        struct sigaction previous {};
        if (::sigaction(signal_number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signal_number, &action, nullptr);
    }
}

// Holds the ending signals back while the file and its recorded name change together.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        const sigset_t held = ending_signals();
        ::sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~EndingSignalsHeld() {
        const int saved = errno;
        ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
        errno = saved;
    }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

int create_recorded(const std::string& name) {
    if (name.size() >= sizeof pending_removal) {
        errno = ENAMETOOLONG;
        return -1;
    }
    EndingSignalsHeld held;
    std::memcpy(pending_removal, name.c_str(), name.size() + 1);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) pending_removal[0] = '\0';
    return fd;
}

}  // namespace

// A name that no other run and no user file is likely to hold: the target's
// name with the process number; if it exists all the same, the next number.
int create_temporary_beside(const std::string& target, std::string& created) {
    install_handlers_once();
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = create_recorded(created);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool rename_temporary(const std::string& created, const std::string& target) {
    EndingSignalsHeld held;
    const bool renamed = std::rename(created.c_str(), target.c_str()) == 0;
    if (renamed) pending_removal[0] = '\0';
    return renamed;
}

void remove_temporary(const std::string& created) {
    EndingSignalsHeld held;
    std::remove(created.c_str());
    pending_removal[0] = '\0';
}

}  // namespace sferonda
