#include "ui/Object.h"

#include "ui/CmdUI.h"

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass *base) const {
  for (const CRuntimeClass *c = this; c; c = c->m_pBaseClass)
    if (c == base) return true;
  return false;
}

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};
const CRuntimeClass *CObject::GetRuntimeClass() const { return &classCObject; }

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP *CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP *CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) {
  for (const AFX_MSGMAP *map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY *e = map->lpEntries; e->pfn; ++e) {
      if (e->nMessage != WM_COMMAND || e->nCode != UINT(nCode) || nID < e->nID || nID > e->nLastID)
        continue;
      if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        return TRUE;
      }
      KVUI::MsgCall call;
      call.message = WM_COMMAND;
      call.nID = nID;
      call.pExtra = pExtra;
      e->pfn(this, call);
      // An update handler may pass the element on to the next handler.
      CCmdUI *ui = nCode == CN_UPDATE_COMMAND_UI ? static_cast<CCmdUI *>(pExtra) : nullptr;
      if (ui && ui->m_bContinueRouting) {
        ui->m_bContinueRouting = FALSE;
        continue;
      }
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CCmdTarget::DispatchMapMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) {
  for (const AFX_MSGMAP *map = GetMessageMap(); map;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY *e = map->lpEntries; e->pfn; ++e) {
      if (e->nMessage != message || message == WM_COMMAND) continue;
      KVUI::MsgCall call;
      call.message = message;
      call.wParam = wParam;
      call.lParam = lParam;
      e->pfn(this, call);
      *result = call.result;
      return TRUE;
    }
  }
  return FALSE;
}
