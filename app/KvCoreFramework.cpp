#include "KvCoreFramework.h"

#include "KvCoreData.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/UiThread.h"

CKvCoreFramework::CKvCoreFramework(CWnd *mainWnd, CView *view) : m_pMainWnd(mainWnd), m_pView(view) {}

CKvCoreFramework::~CKvCoreFramework() {}

KEEL::FRAME::IKeelData *CKvCoreFramework::CreateCoreData() {
  KVUI::AssertUiThread("CKvCoreFramework::CreateCoreData");
  auto *data = new CKvCoreData();
  data->m_pMainWnd = m_pMainWnd;
  data->m_pView = m_pView;
  g_pKvCoreData = data;
  return data;
}

namespace {

MOXMANAGERS::FUNCTIONLOG::IFunctionLogMgr *FunctionLog(KEEL::FRAME::CKeelFramework *framework) {
  if (!framework) return nullptr;
  return KEEL::FRAME::GetManagerAs<MOXMANAGERS::FUNCTIONLOG::IFunctionLogMgr>(framework->GetCoreData(),
                                                                              L"AppFunctionLogMgr");
}

}  // namespace

void LogFunctionUse(KEEL::FRAME::CKeelFramework *framework, const std::wstring &a, const std::wstring &b) {
  KVUI::AssertUiThread("LogFunctionUse");
  if (auto *log = FunctionLog(framework)) log->AddLogInfo(a, b, false);
}

void LogOperation(KEEL::FRAME::CKeelFramework *framework, const std::wstring &a, const std::wstring &b) {
  KVUI::AssertUiThread("LogOperation");
  if (auto *log = FunctionLog(framework)) {
    log->AddLogInfo(a, b, false);
    log->AddLogInfo(b, std::wstring(), 0);
  }
}
