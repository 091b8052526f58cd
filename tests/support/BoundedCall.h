// Runs a call on a thread of its own and waits for it at most `bound`, so
// that a call that hangs fails its test instead of the whole run. A call
// that ends is joined before its result is handed back: nothing it holds
// (the runtime's per-thread state among it) outlives the test.
#pragma once

#include <chrono>
#include <future>
#include <optional>
#include <thread>
#include <utility>

namespace kv::test {

/// The call's result, or nothing when it had not ended within `bound`;
/// such a call is left running (detached), and the caller fails the test.
template <class Call>
auto CallWithin(std::chrono::seconds bound, Call call) -> std::optional<decltype(call())> {
  using Result = decltype(call());
  std::packaged_task<Result()> task(std::move(call));
  std::future<Result> result = task.get_future();
  std::thread thread(std::move(task));
  if (result.wait_for(bound) != std::future_status::ready) {
    thread.detach();
    return std::nullopt;
  }
  thread.join();
  return result.get();
}

}  // namespace kv::test
