#include "moxcommands/Login.h"

#include <json/json.h>

#include <boost/any.hpp>
#include <sstream>

#include "journal/Answers.h"
#include "keel/web/AppWebServiceMgr.h"
#include "wrench/TextConvert.h"
#include "journal/Journal.h"

namespace MOXCOMMANDS::LOGIN {
namespace {

const wchar_t kStartUp[] = L"MOXCOMMANDS::LOGIN::CStartUpEve";
const wchar_t kReStart[] = L"MOXCOMMANDS::LOGIN::CReStartUp";

void Record(const wchar_t *cls, const std::wstring &op, std::vector<std::wstring> args = {}) {
  ::KVOUTSIDE::CJournal::Instance().Record(cls, L"", op, std::move(args));
}

}  // namespace

bool CReStartUp::m_bEnableStart = true;

CStartUpEve::CStartUpEve() {
  ::KVOUTSIDE::FailCreateIfAnswered(kStartUp);
  Record(kStartUp, L"create");
}
CStartUpEve::~CStartUpEve() {}
void CStartUpEve::EnabeMultiInstance(bool enable) {
  Record(kStartUp, L"EnabeMultiInstance", {::KVOUTSIDE::JournalArg(enable)});
}
void CStartUpEve::SetMutexName(const std::wstring &name) { Record(kStartUp, L"SetMutexName", {name}); }
void CStartUpEve::SetSynEventName(const std::wstring &name) { Record(kStartUp, L"SetSynEventName", {name}); }
void CStartUpEve::SetSynFileName(const std::wstring &name) { Record(kStartUp, L"SetSynFileName", {name}); }
void CStartUpEve::StartFromShell(bool fromShell) {
  Record(kStartUp, L"StartFromShell", {::KVOUTSIDE::JournalArg(fromShell)});
}
bool CStartUpEve::IsChangeingUser() {
  return ::KVOUTSIDE::CAnswers::Instance().Bool(kStartUp, L"IsChangeingUser", false);
}

CReStartUp::CReStartUp(KEEL::FRAME::IKeelData *data) : data_(data) {
  ::KVOUTSIDE::FailCreateIfAnswered(kReStart);
  Record(kReStart, L"create", {::KVOUTSIDE::JournalPtr(data)});
}
void CReStartUp::StartUp() { Record(kReStart, L"StartUp", {::KVOUTSIDE::JournalArg(m_bEnableStart)}); }

CLoginMoxCmd::CLoginMoxCmd() : CCmdObject(KEEL::CMD::CMD_GROUP_PUSH) {}

std::wstring CLoginMoxCmd::GetName() { return L"APP_LOGINMOX_CMD"; }

bool CLoginMoxCmd::Executing() {
  std::string text;
  if (const auto *given = boost::any_cast<std::string>(&GetParam())) text = *given;
  Json::Value login;
  if (!text.empty()) {
    std::istringstream in(text);
    Json::CharReaderBuilder reader;
    std::string errors;
    if (!Json::parseFromStream(reader, in, &login, &errors) || !login.isObject()) login = Json::Value();
  }
  const std::wstring user = WRENCH::UTF8ToUnicode(login.get("UserName", "").asString());
  const std::wstring server = WRENCH::UTF8ToUnicode(login.get("ServAddr", "").asString());
  ::KVOUTSIDE::CJournal::Instance().Record(L"MOXCOMMANDS::LOGIN::CLoginMoxCmd", GetName(), L"Execute",
                                           {user, server});
  if (!server.empty()) {
    if (auto *host = KEEL::FRAME::GetManagerAs<KEEL::WEB::CAppWebServiceMgr>(GetKeelData(), L"AppWebServiceMgr"))
      host->Session().SetDefaultServAddr(server);
  }
  const long long fault = ::KVOUTSIDE::CAnswers::Instance().Int(GetName(), L"Fault", 0);
  if (fault != 0) {
    SetFault(int(fault), L"登录失败");
    return false;
  }
  return true;
}

}  // namespace MOXCOMMANDS::LOGIN
