// Stand-ins of the web-service managers of MoxWebServicesManagers:
// recording fakes (see journal/StandIn.h) that call no server.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>

#include "holders/MOXDataInterfaces.h"
#include "journal/StandIn.h"

/// Classes: namespace, class.
#define KV_MOXWEBSERVICESMANAGERS_CLASSES(X)                            \
  X(MOXWEBSERVICESMANAGERS::PROJFUNCTIONTIP, CVxProjFunctionTipMgr)     \
  X(MOXWEBSERVICESMANAGERS::VIEWPORTSERVICE, CVxwsViewPortMgr)          \
  X(MOXWEBSERVICESMANAGERS::CLIENTCFGSERVICE, CVxwsCConfigMgr)          \
  X(MOXWEBSERVICESMANAGERS::DIMMARK, CVxDimMarkServiceMgr)              \
  X(MOXWEBSERVICESMANAGERS::AUTHSERVICE, CVxAuthSerciceMgr)             \
  X(MOXWEBSERVICESMANAGERS::PROJECTSERVICE, CVxProjectServiceMgr)       \
  X(MOXWEBSERVICESMANAGERS::UPLOADPROJ, CVxUploadProjServiceMgr)        \
  X(MOXWEBSERVICESMANAGERS::QUILLORGSERVICE, CVxQuillOrgSerciceMgr)     \
  X(MOXWEBSERVICESMANAGERS::DATAEXTRACT, CVxDataExtractServiceMgr)      \
  X(MOXWEBSERVICESMANAGERS::COMPSEARCH, CVxCompSearchServiceMgr)        \
  X(MOXWEBSERVICESMANAGERS::ORGS, CVxwsOrgMgr)                          \
  X(MOXWEBSERVICESMANAGERS::WORKSETSERVICE, CVxwsWorkSetMgr)            \
  X(MOXWEBSERVICESMANAGERS::MOXLOG, CVxwsMoxLogMgr)                     \
  X(MOXWEBSERVICESMANAGERS::COLORTMP, CVxColorTmpServiceMgr)            \
  X(MOXWEBSERVICESMANAGERS::COMPIMAGE, CVxCompImageServiceMgr)          \
  X(MOXWEBSERVICESMANAGERS::TEKLAATTR, CVxTeklaAttrMgr)                 \
  X(MOXWEBSERVICESMANAGERS::REVITATTR, CVxRevitAttrMgr)                 \
  X(MOXWEBSERVICESMANAGERS::CUSTOMATTR, CVxCompCustomAttrMgr)

/// Classes of the global namespace.
#define KV_MOXWEBSERVICESMANAGERS_GLOBAL_CLASSES(X) \
  X(CMOXProjMgr)                                    \
  X(CVxwsProjectMgr)                                \
  X(CVxwsFileAddressMgr)                            \
  X(CVxwsCdsMgr)                                    \
  X(CMOXDocMgr)

KV_MOXWEBSERVICESMANAGERS_CLASSES(KV_OUTSIDE_DECLARE_CLASS)
KV_MOXWEBSERVICESMANAGERS_GLOBAL_CLASSES(KV_OUTSIDE_DECLARE_GLOBAL_CLASS)

namespace MOXWEBSERVICESMANAGERS::PROJSTATUS {

/// The project-status service "MOX_VxProjStatusService_MGR".
class IVxProjStatusServiceMgr {
 public:
  virtual ~IVxProjStatusServiceMgr() {}
  /// The names of the projects updated since the user's last login, into
  /// `holder` (synchronous).
  virtual void ServiceGetProjUpdateLog(boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &holder) = 0;
};

/// Answers from "ServiceGetProjUpdateLog" (names separated by ';', none
/// when empty) and "ServiceGetProjUpdateLog.failed" (the holder's state
/// flag, default false).
class CVxProjStatusServiceMgr : public IVxProjStatusServiceMgr, public ::KVOUTSIDE::CRecordingMgr {
 public:
  explicit CVxProjStatusServiceMgr(const std::wstring &name);
  void ServiceGetProjUpdateLog(boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> &holder) override;
};

}  // namespace MOXWEBSERVICESMANAGERS::PROJSTATUS
