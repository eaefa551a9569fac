#pragma once
// The pauses of the server protocol: between looks at a lock held by another client, and
// between the files of a folder being sent. Tests count them instead of waiting.

#include <functional>

void SyncPause(int nMilliseconds);
// Replaces the waiting (null restores it).
void SetSyncPauseForTesting(std::function<void(int)> pause);
