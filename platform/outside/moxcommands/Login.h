// Stand-ins of the login start-up classes of MoxCommands: the launcher
// hand-over object and the restart class. They record their calls in the
// journal; no instance is guarded, no launcher is told anything and
// nothing restarts. An answer of "create" for the class makes its
// constructor fail (KVOUTSIDE::FailCreateIfAnswered).
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"
#include "keel/frame/KeelData.h"

namespace MOXCOMMANDS::LOGIN {

/// The launcher hand-over at start-up (single instance, synchronisation).
class CStartUpEve {
 public:
  CStartUpEve();
  ~CStartUpEve();
  void EnabeMultiInstance(bool enable);
  void SetMutexName(const std::wstring &name);
  void SetSynEventName(const std::wstring &name);
  void SetSynFileName(const std::wstring &name);
  void StartFromShell(bool fromShell);
  /// Whether a change of user is under way (answer "IsChangeingUser" of
  /// "MOXCOMMANDS::LOGIN::CStartUpEve", default false).
  static bool IsChangeingUser();
};

/// Starts the program anew after the login ended.
class CReStartUp {
 public:
  explicit CReStartUp(KEEL::FRAME::IKeelData *data);
  /// Starts a new program (recorded only) when m_bEnableStart is set.
  void StartUp();
  /// Whether a restart may happen.
  static bool m_bEnableStart;

 private:
  KEEL::FRAME::IKeelData *data_;
};

/// The login command "APP_LOGINMOX_CMD". Its parameter is the login text
/// (a JSON object of "UserName", "Password" and "ServAddr", or empty). It
/// records the user and the server (never the password), makes the server
/// the web host's default address, and fails with the code answered for
/// "Fault" of "APP_LOGINMOX_CMD" (default 0). No login reaches a server.
class CLoginMoxCmd : public KEEL::CMD::CCmdObject {
 public:
  CLoginMoxCmd();
  std::wstring GetName() override;
  bool Executing() override;
};

}  // namespace MOXCOMMANDS::LOGIN
