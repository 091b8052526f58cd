// The export through which the host obtains one runner per operation.
#pragma once

#include <list>

#include "runner/IWebRunner.h"

extern "C" {
/// Appends the 55 runners, in catalogue order, to `runners`; the caller
/// owns them.
void GetWebServices(std::list<KEEL::WEB::IWebRunner *> &runners);
}
