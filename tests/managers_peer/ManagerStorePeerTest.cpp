// The managers end to end against the test server's store: results that
// match what was stored, faults and time-outs in the holder's status, and
// each request sending only its own input.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <chrono>
#include <string>
#include <vector>

#include "PeerHost.h"
#include "QueryLog.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;
using namespace KVWEBSERVICEMANAGER;
template <class T>
using Ptr = boost::shared_ptr<T>;
template <class T>
using List = std::vector<boost::shared_ptr<T>>;

using ManagerStorePeerTest = PeerHostTest;

const char kClashRulePath[] = "/RUVU/webservice/clash/VXClashRuleWebService";
const char kDevicePath[] = "/RUVU/webservice/pathwalk/VXBeingExtractedDeviceWebService";
const char kHoleResultPath[] = "/RUVU/webservice/hole/VXHoleResultWebService";

std::string Utf8(const std::wstring &text) { return WRENCH::UnicodeToAnsi(text); }

// The status of a holder, for messages.
std::string Status(KEEL::WEB::IServiceObject &holder) {
  return "code " + Utf8(holder.GetCode()) + ": " + Utf8(holder.GetText());
}

template <class H>
void ExpectSucceeded(const Ptr<H> &holder) {
  ASSERT_NE(holder, nullptr);
  EXPECT_TRUE(holder->IsFinished());
  EXPECT_TRUE(holder->GetState()) << Status(*holder);
  EXPECT_EQ(holder->GetCode(), L"0");
}

template <class T>
List<T> Items(MOXAPP::IMOXUserDataArray<T> &holder) {
  List<T> items;
  for (holder.First(); !holder.IsDone(); holder.Next()) items.push_back(holder.CurrentItem());
  return items;
}

std::vector<std::pair<std::wstring, std::wstring>> RuleIdsAndNames(CLASHRULE::CClashRuleMgr &mgr) {
  Ptr<MOXAPP::IMOXUserDataArray<StClashRule>> holder;
  mgr.ServiceListClashRules(holder);
  std::vector<std::pair<std::wstring, std::wstring>> rules;
  if (!holder || !holder->GetState()) return rules;
  for (const Ptr<StClashRule> &rule : Items(*holder)) rules.emplace_back(rule->ruleId, rule->ruleName);
  return rules;
}

using Rules = std::vector<std::pair<std::wstring, std::wstring>>;

TEST_F(ManagerStorePeerTest, ClashRulesAddRenameCloneRemove) {
  CLASHRULE::CClashRuleMgr mgr;
  EXPECT_EQ(RuleIdsAndNames(mgr), (Rules{{L"clashrule-1", L"Default clash rule"}}));

  auto rule = boost::make_shared<StClashRule4Add>();
  rule->ruleFile = boost::make_shared<StMoxFileAttribute>(StMoxFileAttribute{L"md5", 4096, L"uuid-a"});
  rule->ruleName = L"碰撞规则甲";
  Ptr<MOXAPP::IMOXBaseData<std::wstring>> added;
  mgr.ServiceAddClashRule(rule, added);
  ExpectSucceeded(added);
  const std::wstring id = added->GetValue();
  EXPECT_EQ(id, L"clashrule-2");
  EXPECT_EQ(RuleIdsAndNames(mgr), (Rules{{L"clashrule-1", L"Default clash rule"}, {id, L"碰撞规则甲"}}));

  StRenameClashRule rename{id, L"改名规则"};
  Ptr<MOXAPP::IMOXBaseData<bool>> renamed;
  mgr.ServiceRenameClashRule(rename, renamed);
  ExpectSucceeded(renamed);
  EXPECT_TRUE(renamed->GetValue());
  EXPECT_EQ(RuleIdsAndNames(mgr), (Rules{{L"clashrule-1", L"Default clash rule"}, {id, L"改名规则"}}));

  StCloneClashRule cloneInput{id, L"克隆规则"};
  Ptr<MOXAPP::IMOXUserData<StClashRule>> cloned;
  mgr.ServiceCloneClashRule(cloneInput, cloned);
  ExpectSucceeded(cloned);
  ASSERT_NE(cloned->GetDataPtr(), nullptr);
  const std::wstring cloneId = cloned->GetDataPtr()->ruleId;
  EXPECT_EQ(cloneId, L"clashrule-3");
  EXPECT_EQ(cloned->GetDataPtr()->ruleName, L"克隆规则");
  EXPECT_FALSE(cloned->GetDataPtr()->isDefaultRule);
  ASSERT_NE(cloned->GetDataPtr()->ruleFile, nullptr);
  EXPECT_EQ(cloned->GetDataPtr()->ruleFile->uuid, L"uuid-a");
  EXPECT_EQ(cloned->GetDataPtr()->ruleFile->size, 4096);
  EXPECT_EQ(RuleIdsAndNames(mgr),
            (Rules{{L"clashrule-1", L"Default clash rule"}, {id, L"改名规则"}, {cloneId, L"克隆规则"}}));

  std::wstring removeId = id;
  Ptr<MOXAPP::IMOXBaseData<bool>> removed;
  mgr.ServiceRemoveClashRule(removeId, removed);
  ExpectSucceeded(removed);
  EXPECT_TRUE(removed->GetValue());
  EXPECT_EQ(RuleIdsAndNames(mgr), (Rules{{L"clashrule-1", L"Default clash rule"}, {cloneId, L"克隆规则"}}));

  // Removing it again is the server's fault, and the holder says so.
  mgr.ServiceRemoveClashRule(removeId, removed);
  ASSERT_NE(removed, nullptr);
  EXPECT_FALSE(removed->GetValue());
  EXPECT_TRUE(removed->IsFinished());
  EXPECT_FALSE(removed->GetState());
  EXPECT_NE(removed->GetCode(), L"0");
  EXPECT_NE(removed->GetText().find(L"clashrule-2"), std::wstring::npos) << Utf8(removed->GetText());
}

Ptr<StPoint> Point(double x, double y, double z) { return boost::make_shared<StPoint>(StPoint{x, y, z}); }

Ptr<StHoleResult> Hole(int i) {
  auto hole = boost::make_shared<StHoleResult>();
  hole->holeId = L"hole-" + std::to_wstring(100 + i);
  hole->clashPoint = Point(i, -i * 0.5, 1e9 + i);
  hole->holePoint = Point(0.125 * i, 0, -3);
  hole->normalVector = Point(0, 0, 1);
  hole->directionVector = boost::make_shared<StDirection>(StDirection{Point(i, 1, 1), Point(0, 0, i)});
  hole->pipelineVector = boost::make_shared<StDirection>(StDirection{Point(2, 0, 0), Point(-2, 0, 0)});
  hole->elevation = boost::make_shared<StElevation>(StElevation{-1.5 * i, 2.25 * i});
  hole->holeShape = i % 3;
  hole->majorFloor = L"B1";
  hole->size = L"300×300";
  hole->remarks = L"第" + std::to_wstring(i) + L"个洞口";
  return hole;
}

TEST_F(ManagerStorePeerTest, HoleResultsSavedInPagesAreFoundInPages) {
  HOLERESULT::CHoleResultMgr mgr;
  auto set = boost::make_shared<StAffiliateQueryParam>(StAffiliateQueryParam{31, 32});
  const int kPageSize = 10;
  for (int page = 1; page <= 3; ++page) {
    StSaveAllHoleResults save;
    for (int i = (page - 1) * kPageSize; i < std::min(25, page * kPageSize); ++i) save.holeResults.push_back(Hole(i));
    save.queryParam = set;
    save.all = boost::make_shared<StBasicPage>(StBasicPage{page, kPageSize});
    Ptr<MOXAPP::IMOXBaseData<bool>> saved;
    mgr.ServiceSaveAllHoleResults(save, saved);
    ExpectSucceeded(saved);
  }

  const struct {
    int page;
    int first;
    int count;
  } pages[] = {{1, 0, 10}, {2, 10, 10}, {3, 20, 5}, {4, 25, 0}};
  for (const auto &p : pages) {
    SCOPED_TRACE("page " + std::to_string(p.page));
    StFindHoleResults find{set, boost::make_shared<StBasicPage>(StBasicPage{p.page, kPageSize})};
    Ptr<MOXAPP::IMOXUserDataArray<StHoleResult>> found;
    mgr.ServiceFindHoleResults(find, found);
    ExpectSucceeded(found);
    List<StHoleResult> holes = Items(*found);
    ASSERT_EQ(holes.size(), static_cast<size_t>(p.count));
    for (int k = 0; k < p.count; ++k) {
      const int i = p.first + k;
      SCOPED_TRACE(i);
      const StHoleResult &h = *holes[k];
      const Ptr<StHoleResult> want = Hole(i);
      EXPECT_EQ(h.holeId, want->holeId);
      EXPECT_EQ(h.remarks, want->remarks);
      EXPECT_EQ(h.size, L"300×300");
      EXPECT_EQ(h.holeShape, i % 3);
      ASSERT_TRUE(h.clashPoint && h.holePoint && h.directionVector && h.directionVector->start &&
                  h.directionVector->end && h.pipelineVector && h.pipelineVector->start && h.elevation);
      EXPECT_EQ(h.clashPoint->x, i);
      EXPECT_EQ(h.clashPoint->y, -i * 0.5);
      EXPECT_EQ(h.clashPoint->z, 1e9 + i);
      EXPECT_EQ(h.holePoint->x, 0.125 * i);
      EXPECT_EQ(h.directionVector->end->x, i);
      EXPECT_EQ(h.directionVector->start->z, i);
      EXPECT_EQ(h.pipelineVector->start->x, -2);
      EXPECT_EQ(h.elevation->bottom, -1.5 * i);
      EXPECT_EQ(h.elevation->top, 2.25 * i);
    }
  }
}

TEST_F(ManagerStorePeerTest, DevicePicturesComeBackAsTheSameBytes) {
  DEVICE::CDeviceMgr mgr;
  const std::string picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\xff\0", 20);
  auto device = boost::make_shared<StDevice4Add>();
  device->attribute = boost::make_shared<StDeviceAttribute>();
  device->deviceName = L"带图设备";
  device->picFile.isOctetStream = true;
  device->picFile.ptr = reinterpret_cast<const unsigned char *>(picture.data());
  device->picFile.size = static_cast<int>(picture.size());
  device->picFileLength = static_cast<std::int64_t>(picture.size());
  std::vector<Ptr<StDevice4Add>> devices{device};
  Ptr<MOXAPP::IMOXUserDataArray<StDevice>> added;
  mgr.ServiceAddDevice(devices, added);
  ExpectSucceeded(added);
  ASSERT_EQ(added->Count(), 1u);
  const std::wstring id = added->CurrentItem()->deviceId;
  EXPECT_EQ(added->CurrentItem()->deviceName, L"带图设备");

  std::vector<std::wstring> ids{L"device-1", id};
  Ptr<MOXAPP::IMOXUserDataArray<StDevicePicFile>> pictures;
  mgr.ServiceGetListDevicePicFile(ids, pictures);
  ExpectSucceeded(pictures);
  List<StDevicePicFile> got = Items(*pictures);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0]->deviceId, L"device-1");
  EXPECT_EQ(got[0]->picFile.bytes, "default device picture");
  EXPECT_EQ(got[1]->deviceId, id);
  EXPECT_EQ(got[1]->picFile.bytes, picture);
  EXPECT_EQ(got[1]->picFileLength, static_cast<std::int64_t>(picture.size()));
}

// A fault's text and a time-out reach the holder of either call form.
TEST_F(ManagerStorePeerTest, FaultsAndTimeOutsShowInTheHoldersStatus) {
  const std::string soap11 =
      "<soap:Envelope "
      "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/"
      "\"><soap:Body><soap:Fault>"
      "<faultcode>soap:Server</faultcode><faultstring>规则库暂不可用</"
      "faultstring></soap:Fault></soap:Body>"
      "</soap:Envelope>";
  const std::string soap12 =
      "<env:Envelope "
      "xmlns:env=\"http://www.w3.org/2003/05/"
      "soap-envelope\"><env:Body><env:Fault>"
      "<env:Code><env:Value>env:Sender</env:Value></"
      "env:Code><env:Reason><env:Text xml:lang=\"zh\">设备编号错误"
      "</env:Text></env:Reason></env:Fault></env:Body></env:Envelope>";
  // Each call gives the holder, after the canned reply for its path.
  using Call = std::function<Ptr<KEEL::WEB::IServiceObject>(bool async)>;
  CLASHRULE::CClashRuleMgr rules;
  DEVICE::CDeviceMgr devices;
  HOLERESULT::CHoleResultMgr holes;
  auto await = [](CallLog &log, KEEL::WEB::CServMgrBase &mgr) -> Ptr<KEEL::WEB::IServiceObject> {
    bool called = log.WaitForCalls(1);
    EXPECT_TRUE(WaitUntil([&] { return mgr.PendingRequests() == 0; }));
    return called ? log.Calls()[0].holder : nullptr;
  };
  Call listRules = [&](bool async) -> Ptr<KEEL::WEB::IServiceObject> {
    if (async) {
      QueryLog<CLASHRULE::IClashRuleQuery> log;
      rules.ServiceListClashRules(&log);
      return await(log, rules);
    }
    Ptr<MOXAPP::IMOXUserDataArray<StClashRule>> holder;
    rules.ServiceListClashRules(holder);
    return holder;
  };
  Call listDevices = [&](bool async) -> Ptr<KEEL::WEB::IServiceObject> {
    if (async) {
      QueryLog<DEVICE::IDeviceQuery> log;
      devices.ServiceListDevice(&log);
      return await(log, devices);
    }
    Ptr<MOXAPP::IMOXUserDataArray<StDevice>> holder;
    devices.ServiceListDevice(holder);
    return holder;
  };
  Call findHoles = [&](bool async) -> Ptr<KEEL::WEB::IServiceObject> {
    StFindHoleResults find{boost::make_shared<StAffiliateQueryParam>(), boost::make_shared<StBasicPage>()};
    if (async) {
      QueryLog<HOLERESULT::IHoleResultQuery> log;
      holes.ServiceFindHoleResults(find, &log);
      return await(log, holes);
    }
    Ptr<MOXAPP::IMOXUserDataArray<StHoleResult>> holder;
    holes.ServiceFindHoleResults(find, holder);
    return holder;
  };

  const struct {
    const char *name;
    const char *path;
    Call call;
    std::string body;
    const char *mode;
    std::wstring code;    // the runtime's code
    const wchar_t *text;  // null: not looked at
    bool clientFault;
  } cases[] = {
      {"server fault", kClashRulePath, listRules, soap11, "", L"2", L"规则库暂不可用", false},
      {"client fault", kDevicePath, listDevices, soap12, "", L"1", L"设备编号错误", true},
      // The runtime ends a receive time-out as end of input (SOAP_EOF), with
      // no fault and so no text.
      {"time-out", kHoleResultPath, findHoles, "", "stall", L"-1", nullptr, false},
  };
  for (const auto &c : cases) {
    for (bool async : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (async ? " (asynchronous)" : " (synchronous)"));
      peer.Post("/control/reset");
      Json::Value canned;
      canned["status"] = c.body.empty() ? 200 : 500;
      canned["path"] = c.path;
      canned["body"] = c.body;
      if (*c.mode) canned["mode"] = c.mode;
      peer.Post("/control/canned", canned);
      const auto start = std::chrono::steady_clock::now();
      Ptr<KEEL::WEB::IServiceObject> holder = c.call(async);
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
      ASSERT_NE(holder, nullptr);
      EXPECT_TRUE(holder->IsFinished());
      EXPECT_FALSE(holder->GetState());
      EXPECT_EQ(holder->GetCode(), c.code);
      if (c.text) EXPECT_EQ(holder->GetText(), c.text);
      EXPECT_EQ(holder->GetFlag(), c.clientFault);

      // The canned reply was used once: the next call succeeds.
      Ptr<KEEL::WEB::IServiceObject> next = c.call(async);
      ASSERT_NE(next, nullptr);
      EXPECT_TRUE(next->GetState()) << Status(*next);
    }
  }
  EXPECT_TRUE(
      WaitUntil([&] { return rules.PendingRequests() + devices.PendingRequests() + holes.PendingRequests() == 0; }));
}

// Every request runs on its own operation object: a second request of the
// same operation sends its own input and nothing of the first one's.
TEST_F(ManagerStorePeerTest, EachRequestSendsOnlyItsOwnInput) {
  DEVICE::CDeviceMgr mgr;
  for (bool async : {false, true}) {
    SCOPED_TRACE(async ? "asynchronous" : "synchronous");
    peer.Post("/control/reset");
    const std::vector<std::wstring> first{L"gone-device-a1"}, second{L"gone-device-b2"};
    if (async) {
      QueryLog<DEVICE::IDeviceQuery> log;
      std::vector<std::wstring> a = first, b = second;
      mgr.ServiceRemoveDevice(a, &log);
      mgr.ServiceRemoveDevice(b, &log);
      ASSERT_TRUE(log.WaitForCalls(2));
      ASSERT_TRUE(WaitUntil([&] { return mgr.PendingRequests() == 0; }));
    } else {
      std::vector<std::wstring> a = first, b = second;
      Ptr<MOXAPP::IMOXBaseDataArray<std::wstring>> removed;
      mgr.ServiceRemoveDevice(a, removed);
      ExpectSucceeded(removed);
      EXPECT_EQ(removed->Count(), 0u);  // unknown ids are skipped
      mgr.ServiceRemoveDevice(b, removed);
      ExpectSucceeded(removed);
    }
    Json::Value requests = peer.Get("/control/requests?last=2");
    ASSERT_EQ(requests.size(), 2u);
    int withFirst = 0, withSecond = 0;
    for (const Json::Value &request : requests) {
      const std::string body = request["body"].asString();
      EXPECT_EQ(request["path"].asString(), kDevicePath);
      const bool a = body.find("gone-device-a1") != std::string::npos;
      const bool b = body.find("gone-device-b2") != std::string::npos;
      EXPECT_NE(a, b) << body;
      withFirst += a;
      withSecond += b;
    }
    EXPECT_EQ(withFirst, 1);
    EXPECT_EQ(withSecond, 1);
    if (!async) {
      EXPECT_NE(requests[1]["body"].asString().find("gone-device-b2"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kv::test
