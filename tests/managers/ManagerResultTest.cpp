// What the managers carry between their callers and the catalogue's real
// input and output objects: converted results, inputs as given, observer
// replacement, names and copies.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <functional>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "QueryRecorders.h"
#include "catalogue/ServClasses.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
using KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr;
using KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery;
using ClashRecorder = QueryRecorder<IClashRuleQuery>;

template <class Out>
Out &OutputOf(FakeServ &serv) {
  return dynamic_cast<Out &>(*serv.GetOutput());
}

template <class In>
In &InputOf(FakeServ &serv) {
  return dynamic_cast<In &>(*serv.GetInput());
}

TEST(ManagerResults, RecordListKeepsTheResponsesOrderAndText) {
  std::string ids[] = {"r1", "r2"}, names[] = {"默认规则", "管线"}, md5 = "d41d8c";
  bool isDefault = true;
  LONG64 size = 9007199254740993LL;
  CLASHRULE__moxFileAttribute file{};
  file.md5 = &md5;
  file.size = &size;
  CLASHRULE__clashRule wire[2]{};
  for (int i = 0; i < 2; ++i) {
    wire[i].ruleId = &ids[i];
    wire[i].ruleName = &names[i];
  }
  wire[0].isDefaultRule = &isDefault;
  wire[0].ruleFile = &file;

  FakeHost host;
  host.filler = [&](FakeServ &serv) {
    auto &out = OutputOf<KEEL::CLASHRULE::COut_listClashRules>(serv);
    out.return_ = {&wire[0], &wire[1]};
  };
  CClashRuleMgr mgr;
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> rules;
  mgr.ServiceListClashRules(rules);
  ASSERT_TRUE(rules);
  ASSERT_EQ(rules->Count(), 2u);
  auto first = rules->CurrentItem();
  EXPECT_EQ(first->ruleId, L"r1");
  EXPECT_EQ(first->ruleName, L"默认规则");
  EXPECT_TRUE(first->isDefaultRule);
  ASSERT_TRUE(first->ruleFile);
  EXPECT_EQ(first->ruleFile->size, 9007199254740993LL);
  EXPECT_EQ(rules->CurrentItem(), first) << "entries are shared, not copied";
  rules->Next();
  EXPECT_EQ(rules->CurrentItem()->ruleName, L"管线");
  EXPECT_FALSE(rules->CurrentItem()->isDefaultRule);
}

TEST(ManagerResults, TextRecordAndTextListResults) {
  std::string added = "规则-9", ruleId = "h7", ruleName = "复制";
  std::vector<std::string> failed = {"d1", "设备2"};
  HOLERULE__holeRule cloned{};
  cloned.ruleId = &ruleId;
  cloned.ruleName = &ruleName;

  FakeHost host;
  host.filler = [&](FakeServ &serv) {
    const std::wstring name = serv.GetServName();
    if (name == L"ClashRule_addClashRule") OutputOf<KEEL::CLASHRULE::COut_addClashRule>(serv).return_ = &added;
    if (name == L"HoleRule_cloneHoleRule") OutputOf<KEEL::HOLERULE::COut_cloneHoleRule>(serv).return_ = &cloned;
    if (name == L"Device_removeDevice") OutputOf<KEEL::DEVICE::COut_removeDevice>(serv).return_ = failed;
  };

  auto rule = boost::make_shared<StClashRule4Add>();
  boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> text;
  CClashRuleMgr().ServiceAddClashRule(rule, text);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->GetValue(), L"规则-9");

  StCloneHoleRule clone;
  boost::shared_ptr<MOXAPP::IMOXUserData<StHoleRule>> record;
  KVWEBSERVICEMANAGER::HOLERULE::CHoleRuleMgr().ServiceCloneHoleRule(clone, record);
  ASSERT_TRUE(record);
  ASSERT_TRUE(record->GetData());
  EXPECT_EQ(record->GetDataPtr(), record->GetData().get());
  EXPECT_EQ(record->GetData()->ruleId, L"h7");
  EXPECT_EQ(record->GetData()->ruleName, L"复制");

  std::vector<std::wstring> ids = {L"d1", L"d2"};
  boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> texts;
  KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr().ServiceRemoveDevice(ids, texts);
  ASSERT_TRUE(texts);
  EXPECT_EQ(*texts->GetArray(), (std::vector<std::wstring>{L"d1", L"设备2"}));
}

// Each case calls one operation and then reads what its input object got.
struct InputCase {
  const char *name;
  std::function<void()> call;
  std::function<void(FakeServ &)> check;
};

TEST(ManagerResults, InputReachesTheOperationsInputObjectAsGiven) {
  std::wstring ruleId = L"规则1";
  auto edit = boost::make_shared<StClashRule4Edit>();
  edit->ruleId = L"e1";
  edit->ruleName = L"改名";
  StRenameDevice rename;
  rename.deviceId = L"dev";
  rename.newName = L"新名";
  std::vector<std::wstring> deviceIds = {L"a", L"b"};
  std::vector<boost::shared_ptr<StDevice4Add>> devices = {boost::make_shared<StDevice4Add>(),
                                                          boost::make_shared<StDevice4Add>()};
  devices[1]->deviceName = L"泵";
  const auto devicesBefore = devices;

  const InputCase kCases[] = {
      {"text",
       [&] {
         boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> r;
         CClashRuleMgr().ServiceRemoveClashRule(ruleId, r);
       },
       [](FakeServ &serv) {
         auto &in = InputOf<KEEL::CLASHRULE::CIn_removeClashRule>(serv);
         ASSERT_TRUE(in.ruleId);
         EXPECT_EQ(*in.ruleId, "规则1");
       }},
      {"record",
       [&] {
         boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> r;
         CClashRuleMgr().ServiceEditClashRule(edit, r);
       },
       [](FakeServ &serv) {
         auto &in = InputOf<KEEL::CLASHRULE::CIn_editClashRule>(serv);
         ASSERT_TRUE(in.clashRule && in.clashRule->ruleId && in.clashRule->ruleName);
         EXPECT_EQ(*in.clashRule->ruleId, "e1");
         EXPECT_EQ(*in.clashRule->ruleName, "改名");
       }},
      {"record by reference",
       [&] {
         KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr().ServiceRenameDevice(
             rename, static_cast<KVWEBSERVICEMANAGER::DEVICE::IDeviceQuery *>(nullptr));
       },
       [](FakeServ &serv) {
         auto &in = InputOf<KEEL::DEVICE::CIn_renameDevice>(serv);
         ASSERT_TRUE(in.deviceId && in.newName);
         EXPECT_EQ(*in.deviceId, "dev");
         EXPECT_EQ(*in.newName, "新名");
       }},
      {"text list",
       [&] {
         boost::shared_ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> r;
         KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr().ServiceRemoveDevice(deviceIds, r);
       },
       [](FakeServ &serv) {
         EXPECT_EQ(InputOf<KEEL::DEVICE::CIn_removeDevice>(serv).deviceIds, (std::vector<std::string>{"a", "b"}));
       }},
      {"record list",
       [&] {
         boost::shared_ptr<MOXAPP::IMOXUserDataArray<StDevice>> r;
         KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr().ServiceAddDevice(devices, r);
       },
       [](FakeServ &serv) {
         auto &in = InputOf<KEEL::DEVICE::CIn_addDevice>(serv);
         ASSERT_EQ(in.devices.size(), 2u);
         ASSERT_TRUE(in.devices[1] && in.devices[1]->deviceName);
         EXPECT_EQ(*in.devices[1]->deviceName, "泵");
       }},
  };
  for (auto &c : kCases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    c.call();
    host.CompleteAll();
    ASSERT_EQ(host.served.size(), 1u);
    c.check(host.Last());
  }
  // The managers neither copy nor change what they are given.
  EXPECT_EQ(ruleId, L"规则1");
  EXPECT_EQ(edit->ruleName, L"改名");
  EXPECT_EQ(rename.newName, L"新名");
  EXPECT_EQ(deviceIds, (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_EQ(devices, devicesBefore);
  EXPECT_EQ(devices[1]->deviceName, L"泵");
}

TEST(ManagerResults, ReSetObserverDecidesWhoHearsOfThePendingRequest) {
  // Each case: what to reset the first request's observer to.
  const struct {
    const char *name;
    std::function<void(CClashRuleMgr &, void *handle, IClashRuleQuery *other)> reset;
    std::size_t oldCalls, otherCalls;
  } kCases[] = {
      {"no reset", [](CClashRuleMgr &, void *, IClashRuleQuery *) {}, 1, 0},
      {"another observer", [](CClashRuleMgr &m, void *h, IClashRuleQuery *other) { m.ReSetObserver(h, other); }, 0, 1},
      {"null observer", [](CClashRuleMgr &m, void *h, IClashRuleQuery *) { m.ReSetObserver(h, nullptr); }, 0, 0},
      {"back to the first",
       [](CClashRuleMgr &m, void *h, IClashRuleQuery *other) {
         m.ReSetObserver(h, nullptr);
         m.ReSetObserver(h, other);
       },
       0, 1},
      {"unknown handle", [](CClashRuleMgr &m, void *, IClashRuleQuery *other) { m.ReSetObserver(&m, other); }, 1, 0},
  };
  for (auto &c : kCases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    CClashRuleMgr mgr;
    ClashRecorder old, other;
    StCloneClashRule clone;
    void *handle = mgr.ServiceCloneClashRule(clone, &old);
    c.reset(mgr, handle, &other);
    host.CompleteAll();
    EXPECT_EQ(old.calls.size(), c.oldCalls);
    ASSERT_EQ(other.calls.size(), c.otherCalls);
    for (auto &call : other.calls) {
      EXPECT_EQ(call.callback, "OnServiceCloneClashRule");
      EXPECT_EQ(call.handle, handle);
    }
    EXPECT_EQ(mgr.PendingRequests(), 0u);
  }
}

TEST(ManagerResults, TwoPendingRequestsAreTwoRecords) {
  FakeHost host;
  CClashRuleMgr mgr;
  ClashRecorder observer;
  std::wstring id = L"r";
  void *list = mgr.ServiceListClashRules(&observer);
  void *remove = mgr.ServiceRemoveClashRule(id, &observer);
  EXPECT_NE(list, remove);
  EXPECT_EQ(mgr.PendingRequests(), 2u);
  host.CompleteAll();
  ASSERT_EQ(observer.calls.size(), 2u);
  EXPECT_EQ(observer.calls[0].callback, "OnServiceListClashRules");
  EXPECT_EQ(observer.calls[0].handle, list);
  EXPECT_EQ(observer.calls[1].callback, "OnServiceRemoveClashRule");
  EXPECT_EQ(observer.calls[1].handle, remove);
}

TEST(ManagerResults, OutputOfAnotherOperationYieldsNoHolder) {
  // The operation object claims to be remove but carries list's output.
  FakeHost host;
  host.reportedName = L"ClashRule_removeClashRule";
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> rules;
  CClashRuleMgr().ServiceListClashRules(rules);
  EXPECT_FALSE(rules);
}

TEST(ManagerResults, AFailedRequestsHolderSaysSo) {
  FakeHost host;
  host.errorCode = 500;
  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> done;
  std::wstring id = L"r";
  CClashRuleMgr().ServiceRemoveClashRule(id, done);
  ASSERT_TRUE(done);
  EXPECT_TRUE(done->IsFinished());
  EXPECT_FALSE(done->GetState());
}

TEST(ManagerResults, RegistryNamesAndCopies) {
  const struct {
    std::wstring expected;
    std::function<KEEL::FRAME::IMgrObject *()> make;
  } kManagers[] = {
      {L"MOX_ClashRule_MGR", [] { return new KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr; }},
      {L"MOX_HoleCheckSituation_MGR",
       [] { return new KVWEBSERVICEMANAGER::HOLECHECKSITUATION::CHoleCheckSituationMgr; }},
      {L"MOX_Device_MGR", [] { return new KVWEBSERVICEMANAGER::DEVICE::CDeviceMgr; }},
      {L"MOX_WalkPath_MGR", [] { return new KVWEBSERVICEMANAGER::WALKPATH::CWalkPathMgr; }},
      {L"MOX_ClashResultRelated_MGR",
       [] { return new KVWEBSERVICEMANAGER::CLASHRESULTRELATED::CClashResultRelatedMgr; }},
      {L"MOX_ClashResultView_MGR", [] { return new KVWEBSERVICEMANAGER::CLASHRESULTVIEW::CClashResultViewMgr; }},
      {L"MOX_HoleResult_MGR", [] { return new KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr; }},
      {L"MOX_HoleResultFloor_MGR", [] { return new KVWEBSERVICEMANAGER::HOLERESULTFLOOR::CHoleResultFloorMgr; }},
      {L"MOX_HoleRule_MGR", [] { return new KVWEBSERVICEMANAGER::HOLERULE::CHoleRuleMgr; }},
  };
  for (auto &m : kManagers) {
    std::unique_ptr<KEEL::FRAME::IMgrObject> manager(m.make());
    EXPECT_EQ(manager->GetName(), m.expected);
  }

  CClashRuleMgr named(L"其它名");
  EXPECT_EQ(named.GetName(), L"其它名");
  CClashRuleMgr copy(named);
  EXPECT_EQ(copy.GetName(), L"其它名");
  CClashRuleMgr assigned;
  assigned = named;
  EXPECT_EQ(assigned.GetName(), L"其它名");
  named.ReleaseObject();
  EXPECT_EQ(named.GetName(), L"其它名");
}

TEST(ManagerResults, ManagersAreFoundInTheRegistryByTheirInterface) {
  CClashRuleMgr mgr;
  KEEL::FRAME::RegisterManager(&mgr);
  auto *found =
      dynamic_cast<KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleMgr *>(KEEL::FRAME::FindManager(L"MOX_ClashRule_MGR"));
  KEEL::FRAME::UnregisterManager(&mgr);
  EXPECT_EQ(found, &mgr);
}

}  // namespace
}  // namespace kv::test
