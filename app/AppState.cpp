#include "AppState.h"

bool g_bAppRunning = true;
bool g_bLoginEndHandled = false;
int g_nLoginEnded = 0;
