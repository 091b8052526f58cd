#include "keel/cmd/CmdObject.h"

namespace KEEL::CMD {

CCmdObject::CCmdObject(int group) : m_nGroup(group) {}
CCmdObject::~CCmdObject() {}

void CCmdObject::SetGroupCmd(int group) { m_nGroup = group; }
void CCmdObject::SetParam(const boost::any &param) { m_param = param; }
const boost::any &CCmdObject::GetParam() { return m_param; }
std::wstring CCmdObject::GetName() { return std::wstring(); }
int CCmdObject::GetGroup() { return m_nGroup; }
int CCmdObject::GetStatus() { return m_nStatus; }
bool CCmdObject::Execute() {
  // A fault belongs to one run.
  m_fault = CmdFault();
  return Executing();
}
void CCmdObject::Stop() {}
bool CCmdObject::Initialize() { return true; }
void CCmdObject::Release() {}
CmdFault CCmdObject::GetFault() { return m_fault; }
void CCmdObject::SetKeelData(KEEL::FRAME::IKeelData *data) { m_pKeelData = data; }
void CCmdObject::OnLButtonDown(UINT, CPoint) {}
void CCmdObject::OnLButtonUp(UINT, CPoint) {}
void CCmdObject::OnLButtonDblClk(UINT, CPoint) {}
void CCmdObject::OnRButtonDown(UINT, CPoint) {}
void CCmdObject::OnRButtonUp(UINT, CPoint) {}
void CCmdObject::OnRButtonDblClk(UINT, CPoint) {}
void CCmdObject::OnMButtonDown(UINT, CPoint) {}
void CCmdObject::OnMButtonUp(UINT, CPoint) {}
void CCmdObject::OnMButtonDblClk(UINT, CPoint) {}
void CCmdObject::OnMouseMove(UINT, CPoint) {}
int CCmdObject::OnMouseWheel(UINT, short, CPoint) { return 0; }
void CCmdObject::OnKeyDown(UINT, UINT, UINT) {}
void CCmdObject::OnKeyUp(UINT, UINT, UINT) {}
int CCmdObject::PreTranslateMessage(MSG *) { return 0; }
int CCmdObject::OnSetCursor(CWnd *, UINT, UINT) { return 0; }
bool CCmdObject::Executing() { return true; }
bool CCmdObject::PreStop() { return true; }

void CCmdObject::SetFault(int code, const std::wstring &text) {
  m_fault.nCode = code;
  m_fault.strText = code ? text : std::wstring();
}

}  // namespace KEEL::CMD
