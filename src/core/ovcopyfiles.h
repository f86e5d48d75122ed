// Copies a list of files with a few threads while the caller's per-file steps (progress lines,
// error reports) run on the calling thread in list order, so the output reads exactly as a
// one-by-one copy would.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "core/ovstring.h"

struct OvCopyJob {
  TOvString<char> source;
  TOvString<char> target;
};

// For each job in order: announce(i), then, once job i's copy (ovfs' replacing copy) is done,
// report(i, copied). Copies run ahead of the announcements on up to threads workers; with
// threads 0 (or when no thread can be started) everything runs on the calling thread.
void OvCopyFilesInOrder(const std::vector<OvCopyJob>& jobs, const std::function<void(size_t)>& announce,
                        const std::function<void(size_t, bool)>& report, unsigned threads = 4);
