// The program's reaction to a failed web-service operation: the server's
// info code (KEEL::WEB::CSoapException) decides. 1000 shows the message;
// 1002 and 1007 (the server ended the login), the first time either comes,
// show the message, start the program anew and end the process at once
// with exit code 0. Other codes, unparsable texts and every error after
// closing has begun are ignored. Runs on the user-interface thread.
#pragma once

#include "keel/frame/KeelData.h"
#include "keel/web/IWebServ.h"

namespace KVREACT {

/// Info codes of the fault text the program acts on.
constexpr int kInfoShowMessage = 1000;
constexpr int kInfoLoginEnded = 1002;
constexpr int kInfoLoginTakenOver = 1007;

/// Reacts to the failed operation `failed` (null: nothing); `data` is the
/// core data the restart is made with.
void ReactToWebError(KEEL::FRAME::IKeelData *data, KEEL::WEB::IWebServ *failed);

}  // namespace KVREACT
