// The derived wire classes of the nine services: X(PREFIX, Class, Base) for
// PREFIX__Class deriving from PREFIX__Base. Keep in step with soap/types.
#pragma once

#define KV_DERIVED_CLASSES(X) \
  X(DEVICE, device4Edit, device4Add) \
  X(DEVICE, device, device4Edit) \
  X(WALKPATH, path4Edit, path4Add) \
  X(WALKPATH, path, path4Edit) \
  X(CLASHRESULTVIEW, clashResultFloorInfo, clashResultUnique) \
  X(CLASHRESULTVIEW, clashResultOverview, clashResultUnique) \
  X(CLASHRESULTRELATED, clashResultFloor, clashResultUnique) \
  X(CLASHRESULTRELATED, clashResultRemarks, clashResultUnique) \
  X(CLASHRESULTRELATED, clashResultDisposeState, clashResultUnique) \
  X(CLASHRESULTRELATED, clashResultPicViewport, clashResultUnique) \
  X(HOLECHECKSITUATION, holeCheckSituation, affiliateQueryParam) \
  X(HOLERESULTFLOOR, holeResultFloorInfo, affiliateQueryParam) \
  X(HOLERESULT, holeResultRemarks, affiliateQueryParam) \
  X(HOLERESULT, holeResultPicViewport, affiliateQueryParam) \
  X(HOLERESULT, holeResultDigState, affiliateQueryParam) \
  X(HOLERESULT, holeResultHoleSize, affiliateQueryParam) \
  X(HOLERESULT, holeResultState, affiliateQueryParam) \
  X(HOLERESULT, holeResultFloor, affiliateQueryParam)
