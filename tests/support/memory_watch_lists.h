// The watch's work lists and counts in memory, for the tests and benchmarks
// that run a WatchEngine without the main window. Each member bears the
// name the engine gives it.
#pragma once

#include "engine/window_watch.h"
#include "platform/memory_controls.h"
#include "ui/model/option_handlers.h"

namespace vantrel::test {

struct MemoryWatchLists {
  MemoryList activeWindows, activeSources, titlesToDestroy, destructionTimes,
      sizeRules, browserHeaders;
  MemoryLabel recordedCount, activeCount, toDestroyCaption;

  void AddBuiltInHeaders() {
    for (const char* header : kBuiltInHeaders) browserHeaders.Add(header);
  }
  WatchLists Lists() {
    return WatchLists{.activeWindows = activeWindows,
                      .activeSources = activeSources,
                      .titlesToDestroy = titlesToDestroy,
                      .destructionTimes = destructionTimes,
                      .sizeRules = sizeRules,
                      .browserHeaders = browserHeaders,
                      .recordedCount = recordedCount,
                      .activeCount = activeCount,
                      .toDestroyCaption = toDestroyCaption};
  }
};

}  // namespace vantrel::test
