// Root classes of the headless window model: run-time class information
// (IsKindOf, dynamic creation by class) and the command target.
#pragma once

#include "ui/MsgMap.h"
#include "ui/WinTypes.h"

class CObject;

/// Run-time class information for `IsKindOf` and dynamic creation.
struct CRuntimeClass {
  const char *m_lpszClassName;
  const CRuntimeClass *m_pBaseClass;
  CObject *(*m_pfnCreateObject)();
  /// A new object of the class, or null when it is not dynamically creatable.
  CObject *CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  /// True when the class is `base` or derives from it.
  bool IsDerivedFrom(const CRuntimeClass *base) const;
};

/// The class information of `cls`.
#define RUNTIME_CLASS(cls) (&cls::class##cls)

/// Declares run-time class information in a class body.
#define DECLARE_DYNAMIC(cls)                                    \
 public:                                                        \
  static const CRuntimeClass class##cls;                        \
  const CRuntimeClass *GetRuntimeClass() const override;

/// Declares run-time class information and dynamic creation (CreateObject).
#define DECLARE_DYNCREATE(cls) \
  DECLARE_DYNAMIC(cls)         \
  static CObject *CreateObject();

#define KVUI_IMPLEMENT_RUNTIMECLASS(cls, base, create)                                   \
  const CRuntimeClass cls::class##cls = {#cls, RUNTIME_CLASS(base), create};             \
  const CRuntimeClass *cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

/// Defines what DECLARE_DYNAMIC declared.
#define IMPLEMENT_DYNAMIC(cls, base) KVUI_IMPLEMENT_RUNTIMECLASS(cls, base, nullptr)
/// Defines what DECLARE_DYNCREATE declared.
#define IMPLEMENT_DYNCREATE(cls, base)                       \
  CObject *cls::CreateObject() { return new cls; }           \
  KVUI_IMPLEMENT_RUNTIMECLASS(cls, base, &cls::CreateObject)

/// Root of the model's class tree.
class CObject {
 public:
  virtual ~CObject() = default;
  /// The class information of the object's most derived declared class.
  virtual const CRuntimeClass *GetRuntimeClass() const;
  /// True when the object's class is `cls` or derives from it.
  BOOL IsKindOf(const CRuntimeClass *cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
  static const CRuntimeClass classCObject;
};

/// Filled by OnCmdMsg when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget *pTarget = nullptr;
};

/// An object that receives commands through a message map.
class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  /// Runs the map's handler of command `nID` with code `nCode` (CN_COMMAND,
  /// CN_UPDATE_COMMAND_UI with the CCmdUI as `pExtra`, or a control's
  /// notification); TRUE when one ran. With `pHandlerInfo` a CN_COMMAND
  /// handler is only looked for, not run.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo);

 protected:
  /// The class's own message map (empty here).
  static const AFX_MSGMAP *GetThisMessageMap();
  /// The message map of the object's most derived class that declares one.
  virtual const AFX_MSGMAP *GetMessageMap() const;
  /// Runs the first entry for a non-command `message` in the map chain;
  /// FALSE when none handles it.
  BOOL DispatchMapMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);
};
