// Walks through the managers against a server: lists, adds and renames a
// clash rule, then saves hole results and pages through them. Prints each
// step (the server's texts escaped); exits 1 when a step fails or standard
// output cannot be written, 2 for a wrong command line (a server that is no
// address among it).
//   kv_managers_demo [--server HOST:PORT] [--library PATH]
//   kv_managers_demo --help
#include <boost/make_shared.hpp>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>

#include "KvWebServiceManager.h"
#include "OutputFailure.h"
#include "ServerArg.h"
#include "keel/web/AppWebServiceMgr.h"
#include "ui/Responder.h"
#include "ui/TextEscape.h"
#include "wrench/TextConvert.h"

namespace {

using namespace KEEL::KVWEBSERVICE;
using KVWEBSERVICEMANAGER::CLASHRULE::CClashRuleMgr;
using KVWEBSERVICEMANAGER::HOLERESULT::CHoleResultMgr;
using KVSHELL::ServerArgProblem;

// Characters of an outside text that the walk-through shows.
constexpr size_t kShownChars = 200;

// A text from outside (the server, the command line) as the terminal gets
// it: escaped and cut.
std::string Utf8(const std::wstring &text) { return KVUI::Utf8(KVUI::EscapeText(text, kShownChars)); }
std::string Shown(const std::string &text) { return KVUI::EscapeText(text, kShownChars); }

// Prints the outcome of a call; false when it failed.
bool Report(const char *step, const boost::shared_ptr<KEEL::WEB::IServiceObject> &holder) {
  if (!holder) {
    std::printf("%-34s no result\n", step);
    return false;
  }
  if (!holder->GetState()) {
    std::printf("%-34s failed (code %s): %s\n", step, Utf8(holder->GetCode()).c_str(),
                Utf8(holder->GetText()).c_str());
    return false;
  }
  std::printf("%-34s ok\n", step);
  return true;
}

void PrintRules(MOXAPP::IMOXUserDataArray<StClashRule> &rules) {
  for (rules.First(); !rules.IsDone(); rules.Next()) {
    boost::shared_ptr<StClashRule> rule = rules.CurrentItem();
    std::printf("    %-14s %s%s\n", Utf8(rule->ruleId).c_str(), Utf8(rule->ruleName).c_str(),
                rule->isDefaultRule ? "  (default)" : "");
  }
}

// Waits for the asynchronous listing's callback.
class RulesObserver : public KVWEBSERVICEMANAGER::CLASHRULE::IClashRuleQuery {
 public:
  void OnServiceListClashRules(void *, boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> &result) override {
    std::lock_guard<std::mutex> lock(mutex_);
    rules_ = result;
    done_ = true;
    cv_.notify_all();
  }
  void OnServiceRemoveClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &) override {}
  void OnServiceAddClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> &) override {}
  void OnServiceEditClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &) override {}
  void OnServiceRenameClashRule(void *, boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> &) override {}
  void OnServiceCloneClashRule(void *, boost::shared_ptr<MOXAPP::IMOXUserData<StClashRule>> &) override {}

  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [this] { return done_; });
    return rules_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool done_ = false;
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> rules_;
};

boost::shared_ptr<StPoint> Point(double x, double y, double z) {
  auto p = boost::make_shared<StPoint>();
  p->x = x;
  p->y = y;
  p->z = z;
  return p;
}

bool ClashRules(CClashRuleMgr &rules) {
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> listed;
  rules.ServiceListClashRules(listed);
  if (!Report("list clash rules", listed)) return false;
  PrintRules(*listed);

  auto rule = boost::make_shared<StClashRule4Add>();
  rule->ruleName = L"示例规则 管线与结构";
  boost::shared_ptr<MOXAPP::IMOXBaseData<std::wstring>> added;
  rules.ServiceAddClashRule(rule, added);
  if (!Report("add clash rule", added)) return false;
  std::wstring id = added->GetValue();
  std::printf("    new rule %s\n", Utf8(id).c_str());

  StRenameClashRule rename;
  rename.ruleId = id;
  rename.newName = L"示例规则（已改名）";
  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> renamed;
  rules.ServiceRenameClashRule(rename, renamed);
  if (!Report("rename clash rule", renamed)) return false;

  RulesObserver observer;
  rules.ServiceListClashRules(&observer);
  boost::shared_ptr<MOXAPP::IMOXUserDataArray<StClashRule>> again = observer.Wait();
  if (!Report("list clash rules (asynchronous)", again)) return false;
  PrintRules(*again);
  return true;
}

bool HoleResults(CHoleResultMgr &holes) {
  const int kResults = 12, kPageSize = 5;
  StSaveAllHoleResults save;
  save.queryParam = boost::make_shared<StAffiliateQueryParam>();
  save.queryParam->belongTo = 1;
  save.queryParam->wsid = 2;
  for (int i = 0; i < kResults; ++i) {
    auto hole = boost::make_shared<StHoleResult>();
    hole->holeId = L"hole-" + std::to_wstring(i + 1);
    hole->holePoint = Point(i * 1.5, 2.0, 3.25);
    hole->elevation = boost::make_shared<StElevation>();
    hole->elevation->bottom = -0.5;
    hole->elevation->top = 2.8;
    hole->majorFloor = L"一层";
    hole->size = L"300×200";
    save.holeResults.push_back(hole);
  }
  boost::shared_ptr<MOXAPP::IMOXBaseData<bool>> saved;
  holes.ServiceSaveAllHoleResults(save, saved);
  if (!Report("save 12 hole results", saved)) return false;

  for (int page = 1; page <= (kResults + kPageSize - 1) / kPageSize; ++page) {
    StFindHoleResults find;
    find.queryParam = save.queryParam;
    find.all = boost::make_shared<StBasicPage>();
    find.all->currentPage = page;
    find.all->pageSize = kPageSize;
    boost::shared_ptr<MOXAPP::IMOXUserDataArray<StHoleResult>> found;
    holes.ServiceFindHoleResults(find, found);
    std::string step = "hole results, page " + std::to_string(page);
    if (!Report(step.c_str(), found)) return false;
    for (found->First(); !found->IsDone(); found->Next()) {
      boost::shared_ptr<StHoleResult> hole = found->CurrentItem();
      std::printf("    %-8s %s %s at (%.2f, %.2f, %.2f)\n", Utf8(hole->holeId).c_str(),
                  Utf8(hole->majorFloor).c_str(), Utf8(hole->size).c_str(), hole->holePoint ? hole->holePoint->x : 0,
                  hole->holePoint ? hole->holePoint->y : 0, hole->holePoint ? hole->holePoint->z : 0);
    }
  }
  return true;
}

const char kUsage[] =
    "usage: kv_managers_demo [--server HOST:PORT] [--library PATH]\n"
    "       kv_managers_demo --help\n"
    "Lists, adds and renames a clash rule, then saves hole results and pages\n"
    "through them, against the server HOST:PORT (default 127.0.0.1:8080) with the\n"
    "web-service library PATH.\n";

// Reads the command line into `config`; -1 to go on, -2 when the usage
// was asked for and printed, else the exit code.
int ReadArgs(int argc, char **argv, KEEL::WEB::WebHostConfig &config) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      std::printf("%s", kUsage);
      return -2;
    }
    const bool server = arg == "--server";
    std::string error;
    if ((server || arg == "--library") && i + 1 < argc && *argv[i + 1]) {
      const std::string value = argv[++i];
      if (!server) {
        config.library = value;
        continue;
      }
      error = ServerArgProblem(value);
      if (error.empty()) {
        config.servAddr = WRENCH::UTF8ToUnicode(value);
        continue;
      }
      error = arg + " " + error;
    } else {
      error = server || arg == "--library" ? arg + " needs a value" : "unknown option " + Shown(arg);
    }
    std::fprintf(stderr, "kv_managers_demo: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  return -1;
}

// The exit code `code`, or 1 when standard output could not be written
// (said on standard error).
int Finish(int code) {
  const std::string failure = KVSHELL::StandardOutputFailure();
  if (failure.empty()) return code;
  std::fprintf(stderr, "kv_managers_demo: standard output cannot be written: %s\n", failure.c_str());
  return 1;
}

}  // namespace

int main(int argc, char **argv) {
  KEEL::WEB::WebHostConfig config;
  config.library = KV_WEBSERVICE_LIBRARY;
  config.servAddr = L"127.0.0.1:8080";
  config.recvTimeout = 10;
  const int done = ReadArgs(argc, argv, config);
  if (done == -2) return Finish(0);
  if (done >= 0) return done;

  KEEL::WEB::CAppWebServiceMgr host;
  std::string error;
  if (!host.Load(config, error)) {
    std::fprintf(stderr, "kv_managers_demo: %s\n", Shown(error).c_str());
    return 1;
  }
  KEEL::FRAME::RegisterManager(&host);
  std::printf("server %s\n", Utf8(config.servAddr).c_str());

  bool ok;
  {
    CClashRuleMgr rules;
    CHoleResultMgr holes;
    ok = ClashRules(rules) && HoleResults(holes);
  }
  KEEL::FRAME::UnregisterManager(&host);
  std::printf(ok ? "done\n" : "stopped at a failed step\n");
  return Finish(ok ? 0 : 1);
}
