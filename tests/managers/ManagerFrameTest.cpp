// The call frame of every operation of the nine managers: which operation
// object each call asks for, the holder each form hands back, the callback
// each asynchronous call reaches, and what a foreign or missing operation
// gives.
#include <gtest/gtest.h>

#include <boost/pointer_cast.hpp>
#include <cwctype>
#include <set>
#include <typeinfo>

#include "FakeHost.h"
#include "OperationCases.h"

namespace kv::test {
namespace {

std::string Utf8(const std::wstring &w) { return std::string(w.begin(), w.end()); }

// A handle names one request for the life of the process: never null,
// never handed out twice.
TEST(ManagerFrame, SyncCallFillsTheOperationsHolderAndUnregisters) {
  std::set<void *> handles;
  for (auto &c : OperationCases()) {
    SCOPED_TRACE(c.method);
    FakeHost host;
    SyncOutcome out = c.sync();
    EXPECT_EQ(host.requested, std::vector<std::wstring>{c.name});
    ASSERT_EQ(host.served.size(), 1u);
    EXPECT_NE(out.handle, nullptr);
    EXPECT_TRUE(handles.insert(out.handle).second);
    ASSERT_TRUE(out.holder);
    EXPECT_EQ(typeid(*out.holder), c.holderClass);
    EXPECT_TRUE(out.holdsDefaultResult);
    // The base set the status on the holder the manager made.
    EXPECT_TRUE(out.holder->IsFinished());
    EXPECT_TRUE(out.holder->GetState());
    EXPECT_EQ(out.pending, 0u);
  }
}

TEST(ManagerFrame, AsyncCallReachesItsOwnCallbackAfterReturning) {
  std::set<void *> handles;
  for (auto &c : OperationCases()) {
    SCOPED_TRACE(c.method);
    FakeHost host;
    AsyncOutcome out = c.async(host, true);
    ASSERT_EQ(host.served.size(), 1u);
    EXPECT_NE(out.handle, nullptr);
    EXPECT_TRUE(handles.insert(out.handle).second);
    EXPECT_EQ(out.callsBeforeCompletion, 0u);
    ASSERT_EQ(out.calls.size(), 1u);
    EXPECT_EQ(out.calls[0].callback, c.callback);
    EXPECT_EQ(out.calls[0].handle, out.handle);
    ASSERT_TRUE(out.calls[0].holder);
    EXPECT_EQ(typeid(*out.calls[0].holder), c.holderClass);
    EXPECT_EQ(out.pending, 0u);
  }
}

TEST(ManagerFrame, AsyncCallWithoutObserverStillRuns) {
  for (auto &c : OperationCases()) {
    SCOPED_TRACE(c.method);
    FakeHost host;
    AsyncOutcome out = c.async(host, false);
    ASSERT_EQ(host.served.size(), 1u);
    EXPECT_TRUE(host.served[0]->IsFinished());
    EXPECT_EQ(out.pending, 0u);
  }
}

// The operation object reports a name the manager must not take as its
// operation: the response yields no holder.
TEST(ManagerFrame, ForeignOperationNamesYieldNoHolder) {
  for (auto &c : OperationCases()) {
    std::wstring lowerFirst = c.name;
    lowerFirst[0] = static_cast<wchar_t>(towlower(lowerFirst[0]));
    const std::wstring otherManagers =
        c.name.rfind(L"ClashRule_", 0) == 0 ? L"HoleRule_listHoleRules" : L"ClashRule_listClashRules";
    for (const std::wstring &reported : {std::wstring(L"test"), otherManagers, lowerFirst, c.name + L" "}) {
      SCOPED_TRACE(std::string(c.method) + " reported as " + Utf8(reported));
      FakeHost host;
      host.reportedName = reported;
      SyncOutcome sync = c.sync();
      EXPECT_NE(sync.handle, nullptr);
      EXPECT_FALSE(sync.holder) << "the stale holder is replaced by an empty one";
      EXPECT_EQ(sync.pending, 0u);

      AsyncOutcome async = c.async(host, true);
      ASSERT_EQ(async.calls.size(), 1u) << "an observer is called with an empty holder";
      EXPECT_EQ(async.calls[0].callback, c.callback);
      EXPECT_FALSE(async.calls[0].holder);
    }
  }
}

// A flag holder's value is the call's outcome, in both forms; its status
// fields are the host's as before.
TEST(ManagerFrame, FlagHolderSaysWhetherTheCallSucceeded) {
  const struct {
    const char *what;
    int code;
  } kOutcomes[] = {{"success", 0}, {"server fault", 12}, {"HTTP 500", 500}, {"refused", 28}, {"not run", -1}};
  std::size_t flagOperations = 0;
  for (auto &c : OperationCases()) {
    if (c.holderClass != typeid(MOXAPP::CMOXBaseData<bool>)) continue;
    ++flagOperations;
    for (auto &outcome : kOutcomes) {
      SCOPED_TRACE(std::string(c.method) + ", " + outcome.what);
      FakeHost host;
      host.errorCode = outcome.code;
      auto sync = boost::dynamic_pointer_cast<MOXAPP::IMOXBaseData<bool>>(c.sync().holder);
      ASSERT_TRUE(sync);
      EXPECT_EQ(sync->GetValue(), outcome.code == 0);
      EXPECT_EQ(sync->GetState(), outcome.code == 0);
      EXPECT_EQ(sync->GetCode(), std::to_wstring(outcome.code));

      AsyncOutcome async = c.async(host, true);
      ASSERT_EQ(async.calls.size(), 1u);
      auto reported = boost::dynamic_pointer_cast<MOXAPP::IMOXBaseData<bool>>(async.calls[0].holder);
      ASSERT_TRUE(reported);
      EXPECT_EQ(reported->GetValue(), outcome.code == 0);
      EXPECT_EQ(reported->GetState(), outcome.code == 0);
    }
  }
  EXPECT_GT(flagOperations, 0u);
}

TEST(ManagerFrame, MissingOperationRunsNothing) {
  for (auto &c : OperationCases()) {
    SCOPED_TRACE(c.method);
    FakeHost host;
    host.refuse = true;
    SyncOutcome sync = c.sync();
    EXPECT_EQ(sync.handle, nullptr);
    EXPECT_FALSE(sync.holder);
    EXPECT_EQ(sync.pending, 0u);

    AsyncOutcome async = c.async(host, true);
    EXPECT_EQ(async.handle, nullptr);
    EXPECT_TRUE(async.calls.empty());
    EXPECT_EQ(async.pending, 0u);
    EXPECT_EQ(host.requested, (std::vector<std::wstring>{c.name, c.name}));
  }
}

TEST(ManagerFrame, WithoutAHostNothingRuns) {
  const OperationCase &c = OperationCases().front();
  SyncOutcome sync = c.sync();
  EXPECT_EQ(sync.handle, nullptr);
  EXPECT_FALSE(sync.holder);
}

}  // namespace
}  // namespace kv::test
