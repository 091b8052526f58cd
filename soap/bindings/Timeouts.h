// The runtime's time-out values: > 0 seconds, < 0 microseconds, 0 none.
#pragma once

namespace kv::wire {

/// A time-out value of the runtime in microseconds (0: none).
constexpr long long TimeoutMicros(int timeout) {
  return timeout > 0 ? 1000000LL * timeout : -static_cast<long long>(timeout);
}

}  // namespace kv::wire
