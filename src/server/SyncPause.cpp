#include "server/SyncPause.h"

#include <chrono>
#include <thread>

namespace {

std::function<void(int)>& PauseOverride() {
    static std::function<void(int)> pause;
    return pause;
}

} // namespace

void SyncPause(int nMilliseconds) {
    if (PauseOverride())
        PauseOverride()(nMilliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
}

void SetSyncPauseForTesting(std::function<void(int)> pause) {
    PauseOverride() = std::move(pause);
}
