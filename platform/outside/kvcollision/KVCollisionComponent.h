// Stand-ins of the clash-checking managers of KVCollisionComponent:
// recording fakes (see journal/StandIn.h); nothing is checked.
#pragma once

#include <string>

#include "journal/StandIn.h"
#include "keel/cmd/CmdObject.h"

/// Classes: namespace, class.
#define KV_KVCOLLISION_CLASSES(X) X(KVCOLLISION::RESULT, KvCollisionResultMgr)

KV_KVCOLLISION_CLASSES(KV_OUTSIDE_DECLARE_CLASS)

namespace KVCOLLISION::LOGIC {

/// The clash-check manager's operations the program calls.
class IKvCollisionCheckMgr {
 public:
  virtual ~IKvCollisionCheckMgr() {}
  /// Whether a clash check runs (answer "GetIsChecking", default false).
  virtual bool GetIsChecking() = 0;
};

/// "APP_COLLISION_MODEL_MGR".
class KvCollisionCheckMgr : public IKvCollisionCheckMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit KvCollisionCheckMgr(const std::wstring &name);
  bool GetIsChecking() override;
};

}  // namespace KVCOLLISION::LOGIC

namespace CollisionCommand {

/// The clash-result command "APP_CLASH_RESULT_CMD"; records each call as
/// class "CollisionCommand::CClashResultCmd" under its name.
class CClashResultCmd : public KEEL::CMD::CPushPullMsgCmdObj {
 public:
  std::wstring GetName() override;
  /// Shows the clash results full screen or in their pane.
  void SetFullScreen(bool fullScreen);
};

}  // namespace CollisionCommand
