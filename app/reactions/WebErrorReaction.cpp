#include "WebErrorReaction.h"

#include "AppState.h"
#include "OutsideCall.h"
#include "keel/web/SoapException.h"
#include "moxcommands/Login.h"
#include "ui/Hooks.h"
#include "ui/MessageBox.h"

namespace KVREACT {

void ReactToWebError(KEEL::FRAME::IKeelData *data, KEEL::WEB::IWebServ *failed) {
  if (!g_bAppRunning || !failed) return;
  KEEL::WEB::WebServError error;
  failed->GetServError(error);
  KEEL::WEB::CSoapException fault;
  if (!fault.Parse(error.faultMessage)) return;
  switch (fault.GetInfoCode()) {
    case kInfoShowMessage:
      FACET::ShowMessageBox(fault.GetMessageW(), 0);
      return;
    case kInfoLoginEnded:
    case kInfoLoginTakenOver: {
      if (g_bLoginEndHandled) return;
      g_bLoginEndHandled = true;
      g_nLoginEnded = 1;
      FACET::ShowMessageBox(fault.GetMessageW(), 0);
      // The process ends all the same.
      TryOutsideStep(L"the restart after the login ended", [data] {
        MOXCOMMANDS::LOGIN::CReStartUp restart(data);
        restart.StartUp();
      });
      TerminateProcess(GetCurrentProcess(), 0);
      return;
    }
    default:
      return;
  }
}

}  // namespace KVREACT
