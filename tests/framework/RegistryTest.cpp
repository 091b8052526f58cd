// The registry of managers, the process-wide index, subjects with keys and
// the variable manager.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "keel/config/VarConfigMgr.h"
#include "keel/frame/KeelData.h"
#include "keel/utility/Subject.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"

namespace {

using KEEL::FRAME::CKeelData;
using KEEL::FRAME::IMgrObject;

// A manager that writes its life-cycle calls into a shared log.
class LogMgr : public KEEL::FRAME::CMgrObject {
 public:
  LogMgr(const std::wstring &name, std::vector<std::wstring> &log) : CMgrObject(name), log_(log) {}
  ~LogMgr() override { log_.push_back(L"delete " + GetName()); }
  bool InitObject() override { return Note(L"init"); }
  bool ConnectObject() override { return Note(L"connect"); }
  void ReleaseObject() override { Note(L"release"); }

 private:
  bool Note(const std::wstring &what) {
    log_.push_back(what + L" " + GetName());
    return true;
  }
  std::vector<std::wstring> &log_;
};

class Other : public KEEL::FRAME::CMgrObject {
 public:
  using CMgrObject::CMgrObject;
};

// A core data whose list comes from a fixed set of makers, as a program's.
class ListData : public CKeelData {
 public:
  explicit ListData(std::vector<std::wstring> &log) : log_(log) {}
  void CreateMgrs(std::list<IMgrObject *> &managers) override {
    managers.push_back(new LogMgr(L"A", log_));
    managers.push_back(nullptr);  // a factory that gave nothing
    managers.push_back(new LogMgr(L"CAS_MGR ", log_));
    managers.push_back(new LogMgr(L"A", log_));  // second of one name
    IMgrObject *b = new LogMgr(L"B", log_);
    managers.push_back(b);
    managers.push_back(b);  // a factory that gives the same manager twice
  }

 private:
  std::vector<std::wstring> &log_;
};

TEST(Registry, NamesAreExactAndCaseSensitiveAndFailedCastsCountAsMissing) {
  std::vector<std::wstring> log;
  CKeelData data;
  ASSERT_TRUE(data.AddManager(new LogMgr(L"CENTRALAUTHENTICATIONSERVICE_MGR ", log)));
  ASSERT_TRUE(data.AddManager(new Other(L"LocalDataStorgeMgr")));
  EXPECT_NE(data.GetManager(L"CENTRALAUTHENTICATIONSERVICE_MGR "), nullptr);
  EXPECT_EQ(data.GetManager(L"CENTRALAUTHENTICATIONSERVICE_MGR"), nullptr);
  EXPECT_EQ(data.GetManager(L"centralauthenticationservice_mgr "), nullptr);
  EXPECT_EQ(data.GetManager(L"LocalDataStorageMgr"), nullptr);
  EXPECT_NE(KEEL::FRAME::GetManagerAs<Other>(&data, L"LocalDataStorgeMgr"), nullptr);
  EXPECT_EQ(KEEL::FRAME::GetManagerAs<LogMgr>(&data, L"LocalDataStorgeMgr"), nullptr);
  EXPECT_EQ(KEEL::FRAME::GetManagerAs<Other>(nullptr, L"LocalDataStorgeMgr"), nullptr);
}

TEST(Registry, LifeCycleRunsInListOrderAndTheListSkipsNullsAndSecondNames) {
  std::vector<std::wstring> log;
  {
    ListData data(log);
    data.TakeMgrs();
    EXPECT_EQ(data.GetManagerNames(), (std::list<std::wstring>{L"A", L"CAS_MGR ", L"B"}));
    EXPECT_EQ(log, std::vector<std::wstring>{L"delete A"});  // the second "A"
    log.clear();
    EXPECT_TRUE(data.InitInstance());
    EXPECT_EQ(data.ExitInstance(), 0);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"init A", L"init CAS_MGR ", L"init B", L"connect A",
                                              L"connect CAS_MGR ", L"connect B", L"release A",
                                              L"release CAS_MGR ", L"release B"}));
    log.clear();
  }
  // Deleted last to first, so that early managers outlive later users.
  EXPECT_EQ(log, (std::vector<std::wstring>{L"delete B", L"delete CAS_MGR ", L"delete A"}));
}

TEST(Registry, AddAndRemoveOwnTheManagers) {
  std::vector<std::wstring> log;
  CKeelData data;
  EXPECT_FALSE(data.AddManager(nullptr));
  auto *held = new LogMgr(L"HoopsViewMgr", log);
  ASSERT_TRUE(data.AddManager(held));
  // The very manager again: refused, and it stays held.
  EXPECT_FALSE(data.AddManager(held));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(data.GetManager(L"HoopsViewMgr"), held);
  // Another of the name: refused and, being handed over, deleted.
  EXPECT_FALSE(data.AddManager(new LogMgr(L"HoopsViewMgr", log)));
  EXPECT_EQ(log, std::vector<std::wstring>{L"delete HoopsViewMgr"});
  EXPECT_EQ(data.GetManager(L"HoopsViewMgr"), held);
  log.clear();
  EXPECT_TRUE(data.RemoveManager(L"HoopsViewMgr"));
  EXPECT_EQ(log, (std::vector<std::wstring>{L"release HoopsViewMgr", L"delete HoopsViewMgr"}));
  EXPECT_EQ(data.GetManager(L"HoopsViewMgr"), nullptr);
  EXPECT_FALSE(data.RemoveManager(L"HoopsViewMgr"));
  EXPECT_TRUE(data.AddManager(new LogMgr(L"HoopsViewMgr", log)));
}

// A list that throws part-way: what it held by then is taken over.
class ThrowingListData : public CKeelData {
 public:
  explicit ThrowingListData(std::vector<std::wstring> &log) : log_(log) {}
  void CreateMgrs(std::list<IMgrObject *> &managers) override {
    managers.push_back(new LogMgr(L"A", log_));
    throw std::runtime_error("no more");
  }

 private:
  std::vector<std::wstring> &log_;
};

TEST(Registry, AListThatThrowsStillHandsOverWhatItMade) {
  std::vector<std::wstring> log;
  {
    ThrowingListData data(log);
    data.TakeMgrs();
    EXPECT_EQ(data.GetManagerNames(), std::list<std::wstring>{L"A"});
  }
  EXPECT_EQ(log, std::vector<std::wstring>{L"delete A"});
}

TEST(Registry, TheProcessIndexSeesWhatARegistryHolds) {
  std::vector<std::wstring> log;
  Other byHand(L"AppWebServiceMgr");
  KEEL::FRAME::RegisterManager(&byHand);
  {
    CKeelData data;
    auto *held = new Other(L"AppWebServiceMgr");
    ASSERT_TRUE(data.AddManager(held));
    EXPECT_EQ(KEEL::FRAME::FindManager(L"AppWebServiceMgr"), held);
    data.RemoveManager(L"AppWebServiceMgr");
    EXPECT_EQ(KEEL::FRAME::FindManager(L"AppWebServiceMgr"), &byHand);
    ASSERT_TRUE(data.AddManager(new LogMgr(L"MoxRecordLogMgr", log)));
    EXPECT_NE(KEEL::FRAME::FindManager(L"MoxRecordLogMgr"), nullptr);
  }
  // A registry that is gone leaves nothing behind in the index.
  EXPECT_EQ(KEEL::FRAME::FindManager(L"MoxRecordLogMgr"), nullptr);
  EXPECT_EQ(KEEL::FRAME::FindManager(L"AppWebServiceMgr"), &byHand);
  KEEL::FRAME::UnregisterManager(&byHand);
  EXPECT_EQ(KEEL::FRAME::FindManager(L"AppWebServiceMgr"), nullptr);
}

struct Observer {
  std::vector<int> *seen;
  int id;
};

TEST(Subject, AnObserverIsAttachedOncePerKeyAndDetachedFromAll) {
  KEEL::UTILITY::CSubject<Observer> subject;
  std::vector<int> seen;
  Observer a{&seen, 1}, b{&seen, 2};
  subject.Attach(&a, 5);
  subject.Attach(&a, 5);
  subject.Attach(&b, 5);
  subject.Attach(&a, 8);
  subject.Attach(nullptr, 5);
  EXPECT_EQ(subject.GetObservers(5), (std::vector<Observer *>{&a, &b}));
  EXPECT_EQ(subject.GetObservers(8), (std::vector<Observer *>{&a}));
  // An observer that detaches another during a notification: the other is
  // not called afterwards.
  subject.Notify(5, [&](Observer *o) {
    seen.push_back(o->id);
    if (o == &a) subject.Detach(&b);
  });
  EXPECT_EQ(seen, std::vector<int>{1});
  subject.Detach(&a);
  EXPECT_TRUE(subject.GetAllObservers().empty());
}

TEST(VarConfig, ReadsVariablesAndPathsUnderTheRoot) {
  namespace fs = std::filesystem;
  fs::path file = fs::path(::testing::TempDir()) / ("kv_vars_" + std::to_string(getpid()) + ".xml");
  std::ofstream(file) << "<KvVars><Var name=\"AppVer\">V1.2 版</Var>"
                         "<Var name=\"OpenTip\" type=\"path\">config/system/OpenTip.xml</Var>"
                         "<Var name=\"AppDimMarkColor\" type=\"path\">/abs/DimClr.xml</Var>"
                         "<Var>no name</Var></KvVars>";
  KEEL::CONFIG::CVarConfigMgr vars(WRENCH::UTF8ToUnicode(file.string()));
  EXPECT_EQ(vars.GetName(), L"AppVarConfigMgr");
  EXPECT_EQ(vars.GetVar(L"AppVer"), L"V1.2 版");
  EXPECT_EQ(vars.GetVar(L"OpenTip"), WRENCH::GetSysRoot() + L"config/system/OpenTip.xml");
  EXPECT_EQ(vars.GetVar(L"AppDimMarkColor"), L"/abs/DimClr.xml");
  EXPECT_EQ(vars.GetVar(L"Missing"), L"");
  fs::remove(file);

  KEEL::CONFIG::CVarConfigMgr none(L"/nonexistent/AppVars.xml");
  EXPECT_EQ(none.GetVar(L"OpenTip"), L"");
  none.SetVar(L"OpenTip", L"/tmp/x.xml");
  EXPECT_EQ(none.GetVar(L"OpenTip"), L"/tmp/x.xml");
}

}  // namespace
