#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process may grow past `bytes`: a write
// beyond fails as on a full disk (EFBIG instead of ENOSPC, the same road
// through the save). The signal the limit sends is ignored, so the write
// itself reports the failure. Keep its scope to the save: any other file the
// process writes meanwhile, a log included, fails too.
class VollerDatentraeger {
public:
    explicit VollerDatentraeger(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &vorher_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = vorher_;
        grenze.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &grenze) == 0;
    }
    ~VollerDatentraeger() {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        std::signal(SIGXFSZ, signal_);
    }
    VollerDatentraeger(const VollerDatentraeger&) = delete;
    VollerDatentraeger& operator=(const VollerDatentraeger&) = delete;
    bool ok() const { return ok_; }

private:
    rlimit vorher_{};
    void (*signal_)(int) = nullptr;
    bool ok_ = false;
};
