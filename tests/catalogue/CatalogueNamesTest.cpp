// The export of libKvWebService.so: 55 runners, in catalogue order, found
// with dlopen/dlsym as the host finds them.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <string>

#include "runner/IWebRunner.h"

namespace {

// Typed from the catalogue, not generated from the operation table.
const wchar_t *const kOperationNames[] = {
    L"Device_cloneDevice",
    L"Device_listDevice",
    L"Device_renameDevice",
    L"Device_addDevice",
    L"Device_editDevice",
    L"Device_editRemarks",
    L"Device_removeDevice",
    L"Device_getListDevicePicFile",
    L"ClashResultView_getListClashResultFoor",
    L"ClashResultView_removeClashResultFoor",
    L"ClashResultView_addClashResultFoor",
    L"ClashResultView_getClashResultOverview",
    L"ClashResultView_setClashResultOverview",
    L"ClashResultRelated_setResultRemarks",
    L"ClashResultRelated_setResultDisposeState",
    L"ClashResultRelated_saveAllClashResult",
    L"ClashResultRelated_clearRemovedClashResult",
    L"ClashResultRelated_setResultPicViewport",
    L"ClashResultRelated_removeSignAllClashResult",
    L"ClashResultRelated_removeFloorClashResult",
    L"ClashResultRelated_getListClashResult",
    L"ClashResultRelated_removeSignClashResultId",
    L"ClashRule_listClashRules",
    L"ClashRule_removeClashRule",
    L"ClashRule_addClashRule",
    L"ClashRule_editClashRule",
    L"ClashRule_renameClashRule",
    L"ClashRule_cloneClashRule",
    L"WalkPath_listPath",
    L"WalkPath_renamePath",
    L"WalkPath_removePath",
    L"WalkPath_addPath",
    L"WalkPath_editPath",
    L"HoleCheckSituation_getHoleCheckSitaution",
    L"HoleCheckSituation_setHoleCheckSituation",
    L"HoleResultFloor_findHoleResultFloors",
    L"HoleResultFloor_removeHoleResultFloors",
    L"HoleResultFloor_addHoleResultFloors",
    L"HoleResult_changeHoleResultHoleSize",
    L"HoleResult_changeHoleResultPicViewports",
    L"HoleResult_removeHoleResultsByWorkset",
    L"HoleResult_changeHoleResultStates",
    L"HoleResult_changeHoleResultRemarks",
    L"HoleResult_clearRemovedHoleResults",
    L"HoleResult_findHoleResults",
    L"HoleResult_removeHoleResultsByIds",
    L"HoleResult_changeHoleResultDigStats",
    L"HoleResult_saveAllHoleResults",
    L"HoleResult_removeHoleResultsByFloor",
    L"HoleRule_addHoleRule",
    L"HoleRule_cloneHoleRule",
    L"HoleRule_listHoleRules",
    L"HoleRule_editHoleRule",
    L"HoleRule_renameHoleRule",
    L"HoleRule_removeHoleRule",
};

using GetWebServicesFn = void (*)(std::list<KEEL::WEB::IWebRunner *> &);

TEST(Catalogue, ExportListsTheRunnersInOrderAfterExistingEntries) {
  void *library = dlopen(KV_WEBSERVICE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto getWebServices = reinterpret_cast<GetWebServicesFn>(dlsym(library, "GetWebServices"));
  ASSERT_NE(getWebServices, nullptr) << dlerror();

  std::list<KEEL::WEB::IWebRunner *> runners{nullptr};
  getWebServices(runners);
  ASSERT_EQ(runners.size(), 1 + std::size(kOperationNames));
  EXPECT_EQ(runners.front(), nullptr);
  runners.pop_front();

  size_t row = 0;
  for (KEEL::WEB::IWebRunner *runner : runners) {
    std::unique_ptr<KEEL::WEB::IWebRunner> owned(runner);
    SCOPED_TRACE(row + 1);
    EXPECT_EQ(runner->GetServName(), kOperationNames[row]);
    EXPECT_NE(runner->GetInput(), nullptr);
    EXPECT_NE(runner->GetOutput(), nullptr);
    EXPECT_NE(dynamic_cast<KEEL::WEB::IWebRedirect *>(runner), nullptr);
    ++row;
  }
  dlclose(library);
}

}  // namespace
