// Stand-ins of the walk commands of KVWalkProc. Each is a push-pull command
// under its own name whose state queries answer what a test or script set
// under the command's name and the query's name (default false), and
// record the call and its result. Running one walks nowhere.
#pragma once

#include <string>

#include "keel/cmd/CmdObject.h"

/// Walk commands with an enable and a check query: class, name, enable
/// query, check query.
#define KV_WALK_COMMANDS(X)                                                                 \
  X(CWalkTranscribeCmd, L"APP_RECORD_PATH_CMD", GetTranscribeEnable, IsSetCheck)            \
  X(CWalkPositionCmd, L"APP_WALK_LOCATE_CMD", GetPositionEnable, IsSetCheck)                \
  X(CWalkPromptCmd, L"APP_WALK_PROMPT_CMD", GetPromptEnable, IsSetCheck)                    \
  X(CWalkLineCmd, L"APP_CREATE_PATH_CMD", IsCurEnable, IsSetCheck)                          \
  X(CWalkExtractFacilityCmd, L"APP_PICK_EQUIPMENT_CMD", IsCurEnable, IsSetCheck)            \
  X(CWalkSwitchCmd, L"APP_WALK_SWITCH_CMD", GetSwitchEnable, GetSwitchCheck)                \
  X(CFreeWalkCmd, L"APP_WALK_CMD", IsWalkEnable, IsSetCheck)                                \
  X(CWalkCameraCmd, L"APP_WALK_LOCK_CMD", IsLockEnable, IsSetCheck)                         \
  X(CWalkCollisionCmd, L"APP_WALK_CLASH_CMD", IsCollisionEnable, IsSetCheck)                \
  X(CWalkGravityCmd, L"APP_WALK_GRAVITY_CMD", IsGravityEnable, IsSetCheck)

/// Walk commands with an enable query only: class, name, enable query.
#define KV_WALK_ENABLE_COMMANDS(X) X(CWalkAttributeCmd, L"APP_WALK_ATTRIBUTE_CMD", GetAttributeEnable)

namespace WalkModule::WalkCmd {

/// The common part: the name and the answered, recorded queries.
class CWalkCmdStandIn : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  CWalkCmdStandIn(const wchar_t *cls, const wchar_t *name);
  std::wstring GetName() override;

 protected:
  /// The answer of query `op` (default false), recorded with it.
  bool Query(const wchar_t *op) const;

 private:
  std::wstring cls_;
  std::wstring name_;
};

#define KV_WALK_DECLARE(CLS, NAME, ENABLE, CHECK) \
  class CLS : public CWalkCmdStandIn {            \
   public:                                        \
    CLS();                                        \
    bool ENABLE() const;                          \
    bool CHECK() const;                           \
  };
#define KV_WALK_DECLARE_ENABLE(CLS, NAME, ENABLE) \
  class CLS : public CWalkCmdStandIn {            \
   public:                                        \
    CLS();                                        \
    bool ENABLE() const;                          \
  };
KV_WALK_COMMANDS(KV_WALK_DECLARE)
KV_WALK_ENABLE_COMMANDS(KV_WALK_DECLARE_ENABLE)
#undef KV_WALK_DECLARE
#undef KV_WALK_DECLARE_ENABLE

}  // namespace WalkModule::WalkCmd
