// Every operation of the nine managers through the real host against the
// independent test server: both call forms with a default input, a server
// that cannot be reached, and a response handed to the wrong manager.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <thread>
#include <typeinfo>

#include "PeerHost.h"
#include "PeerOperationCases.h"

namespace kv::test {
namespace {

using ManagerOperationPeerTest = PeerHostTest;

std::string Utf8(const std::wstring &text) { return WRENCH::UnicodeToAnsi(text); }

// A synchronous request is complete when the call returns, so its manager
// may go at once; the host's completion report must not reach it after.
TEST_F(ManagerOperationPeerTest, AManagerMayGoAsSoonAsItsSynchronousCallHasReturned) {
  using namespace KVWEBSERVICEMANAGER;
  using namespace KEEL::KVWEBSERVICE;
  for (int i = 0; i < 10; ++i) {
    // Managers of several classes on the heap, so that a stale one shows.
    auto rules = std::make_unique<CLASHRULE::CClashRuleMgr>();
    boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> ruleList;
    rules->ServiceListClashRules(ruleList);
    rules.reset();
    auto devices = std::make_unique<DEVICE::CDeviceMgr>();
    boost::shared_ptr<MOXAPP::IMOXUserDataArray<StDevice>> deviceList;
    devices->ServiceListDevice(deviceList);
    devices.reset();
    ASSERT_TRUE(ruleList && deviceList);
    EXPECT_TRUE(ruleList->GetState());
    EXPECT_TRUE(deviceList->GetState());
  }
  // Completions are reported in order on one thread: once a later request
  // has been reported, so have those above (as far as they were queued).
  KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr last;
  QueryLog<KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery> log;
  last.ServiceListClashRules(&log);
  EXPECT_TRUE(log.WaitForCalls(1));
  EXPECT_TRUE(WaitUntil([&] { return last.PendingRequests() == 0; }));
}

TEST_F(ManagerOperationPeerTest, SynchronousCallsGiveAFinishedHolderOfTheOperationsClass) {
  std::set<std::wstring> names;
  for (const PeerOperationCase &c : PeerOperationCases()) {
    SCOPED_TRACE(c.method);
    names.insert(c.name);
    SyncResult r = c.sync();
    EXPECT_NE(r.handle, nullptr);
    ASSERT_NE(r.holder, nullptr);
    EXPECT_EQ(typeid(*r.holder), c.holderClass);
    EXPECT_TRUE(r.holder->IsFinished());
    EXPECT_EQ(r.holder->GetState(), r.holder->GetCode() == L"0")
        << "code " << Utf8(r.holder->GetCode()) << ": " << Utf8(r.holder->GetText());
    EXPECT_EQ(r.pending, 0u);
  }
  EXPECT_EQ(names.size(), 55u);
}

TEST_F(ManagerOperationPeerTest, AsynchronousCallsReachExactlyTheirOwnCallbackOnce) {
  for (const PeerOperationCase &c : PeerOperationCases()) {
    SCOPED_TRACE(c.method);
    AsyncResult r = c.async();
    ASSERT_NE(r.handle, nullptr);
    EXPECT_TRUE(r.drained);
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0].callback, c.callback);
    EXPECT_EQ(r.calls[0].handle, r.handle);
    EXPECT_NE(r.calls[0].thread, std::this_thread::get_id());
    EXPECT_TRUE(r.holderIsInterface);
    ASSERT_NE(r.calls[0].holder, nullptr);
    EXPECT_EQ(typeid(*r.calls[0].holder), c.holderClass);
    EXPECT_TRUE(r.calls[0].holder->IsFinished());
    EXPECT_EQ(r.calls[0].holder->GetState(), r.calls[0].holder->GetCode() == L"0");
  }
}

TEST_F(ManagerOperationPeerTest, AnUnreachableServerFailsEveryOperationInBothForms) {
  ClosedPort closed;
  ASSERT_NE(closed.Port(), 0);
  host.Session().SetDefaultServAddr(closed.Address());
  auto expectRefused = [](const boost::shared_ptr<KEEL::WEB::IServiceObject> &holder) {
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->IsFinished());
    EXPECT_FALSE(holder->GetState());
    EXPECT_EQ(holder->GetCode(), L"28");  // the runtime's TCP error
    EXPECT_FALSE(holder->GetText().empty());
  };
  for (const PeerOperationCase &c : PeerOperationCases()) {
    SCOPED_TRACE(c.method);
    SyncResult sync = c.sync();
    expectRefused(sync.holder);
    EXPECT_EQ(sync.pending, 0u);

    AsyncResult async = c.async();
    EXPECT_TRUE(async.drained);
    ASSERT_EQ(async.calls.size(), 1u);
    EXPECT_EQ(async.calls[0].callback, c.callback);
    expectRefused(async.calls[0].holder);
  }
  EXPECT_TRUE(peer.Get("/control/requests").empty());
}

// A manager makes holders only for its own operations: a finished request
// of any other manager's operation gives an empty holder.
TEST_F(ManagerOperationPeerTest, ResponsesOfAnotherManagersOperationAreEmpty) {
  const std::vector<ManagerProbe> &probes = ManagerProbes();
  ASSERT_EQ(probes.size(), 9u);
  for (const PeerOperationCase &c : PeerOperationCases()) {
    SCOPED_TRACE(c.method);
    boost::shared_ptr<KEEL::WEB::IWebServ> request = host.GetWebServ(c.name);
    ASSERT_NE(request, nullptr);
    c.setInput(request->GetInput());
    request->Start();
    request->Wait();
    for (const ManagerProbe &probe : probes) {
      SCOPED_TRACE(probe.service);
      bool own = std::find(probe.names.begin(), probe.names.end(), c.name) != probe.names.end();
      EXPECT_EQ(own, std::string(probe.service) == c.service);
      boost::shared_ptr<KEEL::WEB::IServiceObject> holder = probe.respond(request.get());
      if (own) {
        ASSERT_NE(holder, nullptr);
        EXPECT_EQ(typeid(*holder), c.holderClass);
      } else {
        EXPECT_EQ(holder, nullptr);
      }
    }
  }
}

}  // namespace
}  // namespace kv::test
