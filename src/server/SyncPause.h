#pragma once
// The pause of the server protocol between looks at a lock held by another client. Tests count
// the pauses instead of waiting.

#include <functional>

void SyncPause(int nMilliseconds);
// Replaces the waiting (null restores it).
void SetSyncPauseForTesting(std::function<void(int)> pause);
