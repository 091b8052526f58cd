// The command manager "AppCommandMgr". It holds the program's command
// objects, taken from the program's exported
//   extern "C" void GetCommands(std::vector<KEEL::CMD::ICmdObject *> &);
// (found with dlsym in the running process), runs them by name or by ribbon
// id, keeps the one current command, and routes the view's input to it, or
// to the resting command when none is current.
//
// Running a command: it is looked up by name (exact, case-sensitive), its
// parameter is copied into it (SetParam) and Execute runs. A push-pull
// command first stops the current command and becomes the current one; it
// stays current after Execute when Executing returned true and nothing
// replaced or stopped it meanwhile. Other commands run once and leave the
// current command alone. A command that is still executing cannot be run
// again from inside itself.
//
// Stopping: the command is no longer current, then PreStop is asked and,
// when it agrees, Stop runs.
//
// Faults (GetLastFault, reset by every run): the command's own GetFault
// when its code is not 0; else CMD_FAULT_FAILED when Executing returned
// false; CMD_FAULT_NOT_FOUND, CMD_FAULT_BUSY and CMD_FAULT_EXCEPTION as
// named. A command's exception never leaves the manager.
//
// Threads: every operation runs on the user-interface thread (asserted).
#pragma once

#include <boost/any.hpp>
#include <boost/signals2.hpp>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "keel/cmd/CmdObject.h"
#include "keel/frame/MgrObject.h"
#include "keel/mfc/MFCViewMgr.h"

namespace KEEL::CMD {

/// Fault codes of the command manager's own.
enum ECmdFault {
  CMD_FAULT_NONE = 0,
  CMD_FAULT_NOT_FOUND = 1,  // no command of that name or id
  CMD_FAULT_BUSY = 2,       // the command is executing already
  CMD_FAULT_FAILED = 3,     // Executing returned false
  CMD_FAULT_EXCEPTION = 4,  // the command threw
};

class ICmdMgr {
 public:
  virtual ~ICmdMgr() {}
  /// The command named `name`, or null.
  virtual ICmdObject *GetCommand(const std::wstring &name) = 0;
  /// Whether a command answers to ribbon id `id`.
  virtual bool QueryCmdId(UINT id) = 0;
  /// The name of the command of ribbon id `id`, or "".
  virtual std::wstring GetCmdName(UINT id) = 0;
  /// Runs `name` with a copy of `param`; false when the run faulted.
  virtual bool RunCommand(const std::wstring &name, boost::any &param) = 0;
  /// Runs the command of ribbon id `id`, as RunCommand.
  virtual bool RunCommandById(UINT id, boost::any &param) = 0;
  /// Stops `name`, or the current command when `name` is empty; false when
  /// there is no such command.
  virtual bool StopCommand(const std::wstring &name) = 0;
  /// The view whose input goes to the current (or resting) command; null
  /// disconnects. The view manager is not owned; its connections are
  /// dropped when another is set.
  virtual void SetViewMgr(KEEL::MFC::IMFCViewMgr *view) = 0;
  /// The fault of the latest run.
  virtual CmdFault GetLastFault() = 0;
};

class CCmdMgr : public KEEL::FRAME::CMgrObject, public ICmdMgr {
 public:
  /// Commands get `data` as their registry.
  explicit CCmdMgr(KEEL::FRAME::IKeelData *data);
  /// Releases and deletes the commands, last first.
  ~CCmdMgr() override;
  CCmdMgr(const CCmdMgr &) = delete;
  CCmdMgr &operator=(const CCmdMgr &) = delete;

  ICmdObject *GetCommand(const std::wstring &name) override;
  bool QueryCmdId(UINT id) override;
  std::wstring GetCmdName(UINT id) override;
  bool RunCommand(const std::wstring &name, boost::any &param) override;
  bool RunCommandById(UINT id, boost::any &param) override;
  bool StopCommand(const std::wstring &name) override;
  void SetViewMgr(KEEL::MFC::IMFCViewMgr *view) override;
  CmdFault GetLastFault() override;
  /// Stops the current command and disconnects the view.
  void ReleaseObject() override;

  /// Takes the commands of the process's GetCommands in. False, with
  /// `error` saying why, when there is no such export or it threw.
  bool LoadCommands(std::string &error);
  /// Takes `command` over: SetKeelData, Initialize, then it can be run. A
  /// null command or a second one of a name is refused (and deleted).
  bool AddCommand(ICmdObject *command);
  /// Binds ribbon id `id` to the command `name`.
  void BindCmdId(UINT id, const std::wstring &name);
  /// Binds the ids of an XML file <KvCmdIds><Cmd id="5899" name="..."/>;
  /// false when it is missing or cannot be read (then reported).
  bool LoadCmdIds(const std::wstring &file);
  /// The command that takes the view's input while none is current
  /// (default "APP_KV_IDLE_CMD"; when it is missing, the first command of
  /// the idle group).
  void SetRestingCommand(const std::wstring &name);
  /// The current command, or null.
  ICmdObject *GetCurrentCommand();
  /// The command that takes `view`'s input now: the current command, else
  /// the resting one; null when `view` is not the manager's view.
  ICmdObject *GetInputCommand(const KEEL::MFC::IMFCViewMgr *view);
  /// The names of the commands, in the order they were taken in.
  std::vector<std::wstring> GetCommandNames();

 private:
  ICmdObject *Find(const std::wstring &name);
  ICmdObject *InputTarget();
  template <class Fn>
  void Route(const char *what, Fn fn);
  void Fault(int code, const std::wstring &text);
  static void SetStatus(ICmdObject *command, int status);

  KEEL::FRAME::IKeelData *data_;
  std::vector<ICmdObject *> commands_;
  std::map<UINT, std::wstring> ids_;
  std::wstring resting_ = L"APP_KV_IDLE_CMD";
  ICmdObject *current_ = nullptr;
  std::set<ICmdObject *> executing_;
  CmdFault lastFault_;
  std::vector<boost::signals2::scoped_connection> viewConnections_;
  KEEL::MFC::IMFCViewMgr *view_ = nullptr;
};

}  // namespace KEEL::CMD
