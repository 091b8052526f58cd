// Counts the name resolutions and connection attempts of the test program.
// A program that uses these functions links this file's getaddrinfo and
// connect, which stand in front of the C library's (for the runtime too)
// and pass every call on. Any thread.
#pragma once

#include <functional>
#include <string>

namespace kv::test::netcalls {

/// A name that resolves to 127.0.0.1 alone (also with a trailing dot).
extern const char kLoopbackName[];
/// A name whose resolution fails at once with EAI_NONAME, without a
/// resolver being asked.
extern const char kUnresolvable[];

/// Resolutions of `host` so far.
int Resolutions(const std::string &host);
/// Connection attempts to `port` on a loopback address so far.
int Attempts(int port);
/// Resolutions of any name, and connection attempts to any address, so far.
int AllResolutions();
int AllAttempts();
/// Runs `hook` once, right after the next attempt to `port` has failed.
void AfterFailedAttempt(int port, std::function<void()> hook);

}  // namespace kv::test::netcalls
