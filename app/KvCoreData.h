// CKvCoreData: the program's core data. Its one job of its own is to make,
// in a fixed order, every manager the program uses (CreateMgrs); keeping
// them and finding them by name is the registry's.
#pragma once

#include <list>

#include "keel/frame/MgrObject.h"
#include "moxmanagers/MoxKeelFramework.h"
#include "ui/Wnd.h"

class CKvCoreData : public MOXMANAGERS::MOXFRAME::CMoxKeelData {
 public:
  CKvCoreData();
  ~CKvCoreData() override;
  /// Appends the program's managers to `managers`, in their fixed order.
  /// A row whose class or factory yields nothing (or no manager) is
  /// skipped; one that throws is skipped and logged with its name.
  void CreateMgrs(std::list<KEEL::FRAME::IMgrObject *> &managers) override;
  /// Nothing: the window managers are in the list of CreateMgrs.
  void CreateMFCMgrs(std::list<KEEL::FRAME::IMgrObject *> &managers) override;

  CWnd *m_pMainWnd = nullptr;
  CView *m_pView = nullptr;
};

/// The one core data, set by CKvCoreFramework::CreateCoreData; not owned.
extern CKvCoreData *g_pKvCoreData;
