// Process-wide state of the running program, one value each.
#pragma once

/// True while the program runs; cleared by the main frame once closing goes
/// ahead. While it is false, web errors are ignored.
extern bool g_bAppRunning;
/// Set when the first login-ending web error is handled; later ones are
/// ignored.
extern bool g_bLoginEndHandled;
/// 1 once the server has ended the login; closing then skips its
/// confirmation.
extern int g_nLoginEnded;
