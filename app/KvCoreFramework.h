// CKvCoreFramework: the program's framework object. Its one job of its own
// is to make the program's core data (CKvCoreData). Made once by the
// application, never deleted by the program.
#pragma once

#include <string>

#include "keel/frame/KeelData.h"
#include "moxmanagers/MoxKeelFramework.h"
#include "ui/Wnd.h"

class CKvCoreFramework : public MOXMANAGERS::MOXFRAME::CMoxKeelFramework {
 public:
  /// `mainWnd` is the main frame, `view` the view (null in this program);
  /// neither is owned.
  CKvCoreFramework(CWnd *mainWnd, CView *view);
  ~CKvCoreFramework() override;
  /// A new CKvCoreData with this framework's windows, also kept in
  /// g_pKvCoreData.
  KEEL::FRAME::IKeelData *CreateCoreData() override;

  CWnd *m_pMainWnd;
  CView *m_pView;
};

/// One function-use log entry (a, b) through "AppFunctionLogMgr"; nothing
/// when the framework, its core data or that manager is missing.
void LogFunctionUse(KEEL::FRAME::CKeelFramework *framework, const std::wstring &a, const std::wstring &b);
/// One operation log entry (a, b), then a second one (b, ""); nothing when
/// "AppFunctionLogMgr" is missing.
void LogOperation(KEEL::FRAME::CKeelFramework *framework, const std::wstring &a, const std::wstring &b);
