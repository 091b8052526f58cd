// Command objects: ICmdObject is what the command manager "AppCommandMgr"
// holds and hands out; CCmdObject is the base of every command, with the
// default of each operation, and the four bases a command derives from:
//
//   CPushMsgCmdObj      runs once when it is run; it never becomes the
//                       current command and leaves the current one running.
//   CPushPullMsgCmdObj  becomes the current command when it is run: the
//                       current one is stopped first, and it keeps receiving
//                       the view's input until it is stopped (or Executing
//                       returned false, or it ran another such command).
//   CInitCmdObj         the initial group: runs once, like a push command;
//                       it takes the view's input by connecting to the view
//                       manager itself.
//   CIdleCmdObj         the idle group: runs once, like a push command.
//
// Threads: every operation runs on the user-interface thread.
#pragma once

#include <boost/any.hpp>

#include <string>

#include "ui/Wnd.h"

namespace KEEL::FRAME {
class IKeelData;
}

namespace KEEL::CMD {

/// The outcome of a run: code 0 is success; any other code comes with a
/// text.
struct CmdFault {
  int nCode = 0;
  std::wstring strText;
};

/// Command groups (GetGroup).
enum ECmdGroup {
  CMD_GROUP_PUSH = 1,
  CMD_GROUP_PUSHPULL = 2,
  CMD_GROUP_INIT = 3,
  CMD_GROUP_IDLE = 4,
};

/// Command states (GetStatus), kept by the command manager.
enum ECmdStatus {
  CMD_STATUS_IDLE = 0,       // loaded, not running
  CMD_STATUS_EXECUTING = 2,  // inside Execute
  CMD_STATUS_STOPPED = 3,    // stopped, or its run ended
  CMD_STATUS_RUNNING = 4,    // the current command, taking the view's input
};

class ICmdObject {
 public:
  virtual ~ICmdObject() {}
  /// Sets the command's group (ECmdGroup).
  virtual void SetGroupCmd(int group) = 0;
  /// Keeps a copy of the run's parameter.
  virtual void SetParam(const boost::any &param) = 0;
  /// The parameter of the latest run.
  virtual const boost::any &GetParam() = 0;
  /// The command's name, by which it is run.
  virtual std::wstring GetName() = 0;
  /// The command's group (ECmdGroup).
  virtual int GetGroup() = 0;
  /// The command's state (ECmdStatus).
  virtual int GetStatus() = 0;
  /// Runs the command's work (Executing); its result.
  virtual bool Execute() = 0;
  /// Ends the command's work; called when it is stopped and PreStop agreed.
  virtual void Stop() = 0;
  /// Called once when the command manager takes the command in.
  virtual bool Initialize() = 0;
  /// Called once when the command manager lets the command go.
  virtual void Release() = 0;
  /// The fault of the latest run; code 0 when it succeeded.
  virtual CmdFault GetFault() = 0;
  /// The registry through which the command finds its managers.
  virtual void SetKeelData(KEEL::FRAME::IKeelData *data) = 0;
  /// View input, as the view received it.
  virtual void OnLButtonDown(UINT flags, CPoint point) = 0;
  virtual void OnLButtonUp(UINT flags, CPoint point) = 0;
  virtual void OnLButtonDblClk(UINT flags, CPoint point) = 0;
  virtual void OnRButtonDown(UINT flags, CPoint point) = 0;
  virtual void OnRButtonUp(UINT flags, CPoint point) = 0;
  virtual void OnRButtonDblClk(UINT flags, CPoint point) = 0;
  virtual void OnMButtonDown(UINT flags, CPoint point) = 0;
  virtual void OnMButtonUp(UINT flags, CPoint point) = 0;
  virtual void OnMButtonDblClk(UINT flags, CPoint point) = 0;
  virtual void OnMouseMove(UINT flags, CPoint point) = 0;
  /// Non-zero when the wheel was handled.
  virtual int OnMouseWheel(UINT flags, short delta, CPoint point) = 0;
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags) = 0;
  virtual void OnKeyUp(UINT key, UINT repeat, UINT flags) = 0;
  /// Non-zero when the message is eaten.
  virtual int PreTranslateMessage(MSG *msg) = 0;
  /// Non-zero when the command set the cursor.
  virtual int OnSetCursor(CWnd *wnd, UINT hitTest, UINT message) = 0;
  /// The command's own work; false reports a failed run.
  virtual bool Executing() = 0;
  /// Asked before the command is stopped; true lets Stop run.
  virtual bool PreStop() = 0;
};

/// The defaults: input is ignored, Executing and PreStop return true.
class CCmdObject : public ICmdObject {
 public:
  explicit CCmdObject(int group = CMD_GROUP_PUSHPULL);
  CCmdObject(const CCmdObject &) = default;
  CCmdObject &operator=(const CCmdObject &) = default;
  ~CCmdObject() override;

  void SetGroupCmd(int group) override;
  void SetParam(const boost::any &param) override;
  const boost::any &GetParam() override;
  std::wstring GetName() override;
  int GetGroup() override;
  int GetStatus() override;
  bool Execute() override;
  void Stop() override;
  bool Initialize() override;
  void Release() override;
  CmdFault GetFault() override;
  void SetKeelData(KEEL::FRAME::IKeelData *data) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnRButtonDblClk(UINT flags, CPoint point) override;
  void OnMButtonDown(UINT flags, CPoint point) override;
  void OnMButtonUp(UINT flags, CPoint point) override;
  void OnMButtonDblClk(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  int OnMouseWheel(UINT flags, short delta, CPoint point) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
  int PreTranslateMessage(MSG *msg) override;
  int OnSetCursor(CWnd *wnd, UINT hitTest, UINT message) override;
  bool Executing() override;
  bool PreStop() override;

  /// The command manager's record of the command's state (ECmdStatus).
  void SetStatus(int status) { m_nStatus = status; }
  /// The registry given with SetKeelData, or null.
  KEEL::FRAME::IKeelData *GetKeelData() const { return m_pKeelData; }

 protected:
  /// Sets the fault that GetFault reports (code 0 clears it).
  void SetFault(int code, const std::wstring &text);

  KEEL::FRAME::IKeelData *m_pKeelData = nullptr;

 private:
  int m_nGroup;
  int m_nStatus = CMD_STATUS_IDLE;
  boost::any m_param;
  CmdFault m_fault;
};

/// Base of commands that run once.
class CPushMsgCmdObj : public CCmdObject {
 public:
  CPushMsgCmdObj() : CCmdObject(CMD_GROUP_PUSH) {}
};

/// Base of commands that stay current and take the view's input.
class CPushPullMsgCmdObj : public CCmdObject {
 public:
  CPushPullMsgCmdObj() : CCmdObject(CMD_GROUP_PUSHPULL) {}
};

/// Base of the initial command, which connects to the view itself.
class CInitCmdObj : public CCmdObject {
 public:
  CInitCmdObj() : CCmdObject(CMD_GROUP_INIT) {}
};

/// The framework's own idle command, "KEEL_IDLE_CMD": does nothing.
class CIdleCmdObj : public CCmdObject {
 public:
  CIdleCmdObj() : CCmdObject(CMD_GROUP_IDLE) {}
  std::wstring GetName() override { return L"KEEL_IDLE_CMD"; }
};

}  // namespace KEEL::CMD
