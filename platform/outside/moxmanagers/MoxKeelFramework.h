// The framework bases of MoxManagers that the program derives from.
#pragma once

#include <string>

#include "keel/frame/KeelData.h"
#include "keel/frame/KeelFramework.h"

namespace MOXMANAGERS::MOXFRAME {

class CMoxKeelFramework : public KEEL::FRAME::CKeelFramework {
 public:
  /// Records the call, fills the registry (CKeelFramework::InitLoginInstance)
  /// and adds the login service "CENTRALAUTHENTICATIONSERVICE_MGR ". The
  /// login resources are not read: logging in to the maker's server is not
  /// modelled.
  void InitLoginInstance(const std::wstring &resFile);
};

class CMoxKeelData : public KEEL::FRAME::CKeelDataForMFC {};

}  // namespace MOXMANAGERS::MOXFRAME
