#include "runner/RunSteps.h"

#include <boost/algorithm/string/case_conv.hpp>
#include <boost/algorithm/string/predicate.hpp>

#include <cstdint>
#include <cstring>
#include <cwchar>

#include "KvProxy.h"
#include "keel/web/HttpUrl.h"
#include "keel/web/IWebSession.h"
#include "runner/ReplyRelease.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace KEEL::WEB {
namespace {

const char kSessionKey[] = "JSESSIONID";
const char kRouteCookie[] = "route";
constexpr int kRedirect = 302;

// Holds the store's lock from construction to destruction, on every path.
class ServLockGuard {
 public:
  explicit ServLockGuard(const boost::shared_ptr<IWebServLock> &lock) : lock_(lock) { lock_->Lock(); }
  ~ServLockGuard() { lock_->Unlock(); }
  ServLockGuard(const ServLockGuard &) = delete;
  ServLockGuard &operator=(const ServLockGuard &) = delete;

 private:
  boost::shared_ptr<IWebServLock> lock_;
};

// The session as the run found it, before the exchange.
struct SessionBefore {
  std::string name;
  std::string value;
  std::string route;
  bool noRoute;
};

// Gives the engine only the session cookie and the route; an empty one is
// not sent.
void GiveCookies(struct soap *engine, const SessionBefore &before) {
  soap_free_cookies(engine);
  if (!before.name.empty() && !before.value.empty())
    soap_set_cookie(engine, before.name.c_str(), before.value.c_str(), nullptr, nullptr);
  if (!before.route.empty()) soap_set_cookie(engine, kRouteCookie, before.route.c_str(), nullptr, nullptr);
}

void TakeOverCookies(struct soap *responseEngine, const SessionBefore &before, IWebServLock &lock,
                     IWebCookieStore &store, IWebSession &session) {
  if (!lock.CanUpdate()) {
    if (store.IsDirty()) store.Commit();
    return;
  }
  if (!responseEngine) return;
  for (struct soap_cookie *p = responseEngine->cookies; p; p = p->next) {
    if (!p->name || !p->value) continue;
    if (std::strcmp(p->name, kSessionKey) == 0) {
      if (before.value == p->value) continue;
      store.SetValue("JSESSIONID", p->name);
      store.SetValue("VALUE", p->value);
      store.SetValue("DOMAIN", p->domain ? p->domain : "");
      store.SetValue("PATH", p->path ? p->path : "");
      store.SetValid(true);
      store.Commit();
    } else if (std::strcmp(p->name, kRouteCookie) == 0 && !before.noRoute) {
      if (before.route != p->value) session.SetRoute(p->value);
    }
  }
}

int RefuseEndpoint(struct soap *engine, const char *why) {
  return soap_set_sender_error(engine, "Invalid endpoint", why, SOAP_TCP_ERROR);
}

// The fault text and code as the engine holds them; soap_fault makes sure
// there is a record to read.
void ReadFault(struct soap *engine, const char *&code, const char *&text) {
  code = text = nullptr;
  ::soap_fault(engine);
  const SOAP_ENV__Fault *fault = engine->fault;
  if (!fault) return;
  if (engine->version == 2) {
    if (fault->SOAP_ENV__Reason) text = fault->SOAP_ENV__Reason->SOAP_ENV__Text;
    if (fault->SOAP_ENV__Code) code = fault->SOAP_ENV__Code->SOAP_ENV__Value;
  } else {
    text = fault->faultstring;
    code = fault->faultcode;
  }
}

// The server's texts may hold a URL with the session in it: it is masked.
void LogNetworkError(const std::string &endpoint, const std::wstring &servName, int rc,
                     const WebServError &error) {
  using WRENCH::CLogMsg;
  CLogMsg::LogMsg(WRENCH::LV_INFO, L"--------------------网络错误--------------------");
  CLogMsg::LogMsg(WRENCH::LV_INFO, (L"EndPoint = " + MaskSessionIds(WRENCH::AnsiToUnicode(endpoint))).c_str());
  CLogMsg::LogMsg(WRENCH::LV_INFO, (L"ServName = " + servName).c_str());
  CLogMsg::LogMsg(WRENCH::LV_INFO, (L"Code = " + std::to_wstring(rc)).c_str());
  CLogMsg::LogMsg(WRENCH::LV_INFO, (L"FaultCode = " + MaskSessionIds(error.faultCode)).c_str());
  CLogMsg::LogMsg(WRENCH::LV_INFO, (L"FaultMessage = " + MaskSessionIds(error.faultMessage)).c_str());
  CLogMsg::LogMsg(WRENCH::LV_INFO, L"-----------------------------------------------");
}

// A runner needs a session for its cookie store; without one the run fails
// before anything is sent.
bool FailWithoutSession(WebServError &error, const std::wstring &servName) {
  error.code = SOAP_CLI_FAULT;
  error.isClientFault = true;
  error.faultCode = L"SOAP-ENV:Client";
  error.faultMessage = L"The runner has no session: SetServSession must be called before RunServ";
  LogNetworkError(std::string(), servName, error.code, error);
  return false;
}

enum class FaultKind { kServer, kClient, kOther };

// "SOAP-ENV:Server", SOAP 1.2 "SOAP-ENV:Receiver" and dotted forms such as
// "SOAP-ENV:Server.userException" are server faults; Client and Sender
// likewise client faults. Letter case does not matter.
FaultKind Classify(const std::wstring &code) {
  std::wstring lower = boost::to_lower_copy(code);
  static const std::wstring kPrefix = L"soap-env:";
  if (!boost::starts_with(lower, kPrefix)) return FaultKind::kOther;
  std::wstring local = lower.substr(kPrefix.size());
  local = local.substr(0, local.find(L'.'));
  if (local == L"server" || local == L"receiver") return FaultKind::kServer;
  if (local == L"client" || local == L"sender") return FaultKind::kClient;
  return FaultKind::kOther;
}

}  // namespace

void FillServError(const char *faultCode, const char *faultText, WebServError &error) {
  if (!faultCode) return;
  error.faultCode = WRENCH::ConvertUtf8ToGBK(faultCode);
  if (!faultText) return;
  switch (Classify(error.faultCode)) {
    case FaultKind::kServer:
      error.faultMessage = WRENCH::ConvertUtf8ToGBK(faultText);
      error.isClientFault = false;
      break;
    case FaultKind::kClient:
      error.faultMessage = WRENCH::AnsiToUnicode(faultText);
      error.isClientFault = true;
      break;
    case FaultKind::kOther:
      error.faultMessage = WRENCH::ConvertUtf8ToGBK(faultText);
      break;
  }
}

namespace detail {

bool RunSteps(RunState state, RunCall &call) {
  const EngineSettings &set = state.settings;
  state.proxy.connect_timeout = set.connectTimeout;
  state.proxy.send_timeout = set.sendTimeout;
  state.proxy.recv_timeout = set.recvTimeout;
  state.proxy.transfer_timeout = set.transferTimeout;
  if (set.limitsSet) state.proxy.SetReplyLimits(set.maxReplyBytes, set.maxValueBytes);
  if (!state.session) return FailWithoutSession(state.error, call.ServName());
  struct soap *engine = &state.proxy;
  std::wstring addr = state.servAddr.empty() ? state.session->GetDefaultServAddr() : state.servAddr;

  // A handed-back URL is sent as the parser understood it, with the cookies
  // of the server it names, never those of another one.
  // The runner's own endpoint is built from the parsed address, never
  // from its text: the engine would read a path, a user or another port
  // out of it.
  std::string endpoint;
  const char *refused = nullptr;
  bool elsewhere = false;  // another server than the runner's
  HttpUrl url;
  if (!state.redirectUrl.empty()) {
    HttpUrl home;
    if (ParseHttpUrl(state.redirectUrl, url)) {
      endpoint = url.Text();
      elsewhere = !ParseServAddr(addr, home) || home.Authority() != url.Authority();
      if (elsewhere) addr = WRENCH::AnsiToUnicode(url.Authority());
    } else {
      endpoint = state.redirectUrl;
      refused = "The redirect URL is not a valid http URL";
    }
    state.redirectUrl.clear();
  } else if (ServEndpoint(addr, state.servPath, url)) {
    endpoint = url.Text();
  } else {
    endpoint = "http://" + WRENCH::UnicodeToAnsi(addr) + "/" + WRENCH::UnicodeToAnsi(state.servPath);
    refused = addr.empty() ? "The endpoint has no host"
                           : "The server address is not a host name, IPv4 or [IPv6] address with an optional "
                             "port 1..65535";
  }

  IWebCookieStore *store = state.session->GetCookieStore(addr);
  boost::shared_ptr<IWebServLock> lock = store->GetLock();
  ServLockGuard guard(lock);

  // The route belongs to the runner's server.
  SessionBefore before{store->GetValue("JSESSIONID"), store->GetValue("VALUE"),
                       elsewhere ? std::string() : state.session->GetRoute(), elsewhere};
  GiveCookies(engine, before);

  state.proxy.soap_endpoint = endpoint.c_str();
  state.proxy.ForgetConnection();
  LetReplyGoAsRead(engine, false);
  int rc = refused ? RefuseEndpoint(engine, refused) : call.Call();
  state.proxy.soap_endpoint = nullptr;
  // Only a whole reply, read as it should be, goes as it is read.
  LetReplyGoAsRead(engine, set.readOnce && rc == 0);

  WebServError &error = state.error;
  error.code = rc;
  if (rc != 0) {
    if (rc == kRedirect) {
      error.redirectUrl = engine->endpoint;
      store->SetValid(false);
    }
    // A failed run reports only its own fault.
    error.isClientFault = false;
    error.faultCode.clear();
    error.faultMessage.clear();
    const char *code;
    const char *text;
    ReadFault(engine, code, text);
    const kv::wire::KvProxyBase::Connection connection = state.proxy.LastConnection();
    // The runtime (2.8) reports a connection that cannot be made as the
    // server's fault; callers rely on the client's, which 2.7 gave.
    if (connection == kv::wire::KvProxyBase::Connection::kFailed && code) code = "SOAP-ENV:Client";
    FillServError(code, text, error);
    // A connection closed or timed out before the reply leaves no fault
    // text behind.
    if (error.faultMessage.empty() && rc == SOAP_EOF && connection == kv::wire::KvProxyBase::Connection::kMade)
      error.faultMessage = L"No reply: the connection was closed or timed out";
    if (rc != kRedirect) LogNetworkError(endpoint, call.ServName(), rc, error);
  }

  TakeOverCookies(call.ResponseEngine(), before, *lock, *store, *state.session);
  return rc == 0;
}

void ReleaseEngineMemory(struct soap *engine) {
  soap_destroy(engine);
  soap_end(engine);
}

void LogClone(const void *clone) {
  // Formatted by hand, as a wide stream writes a pointer ("0x" and lower-case
  // digits): this runs for every request.
  static const wchar_t kPrefix[] = L"服务克隆指针是 0x";
  static const wchar_t kDigits[] = L"0123456789abcdef";
  wchar_t text[64];
  size_t n = sizeof kPrefix / sizeof kPrefix[0] - 1;
  std::wmemcpy(text, kPrefix, n);
  std::uintptr_t value = reinterpret_cast<std::uintptr_t>(clone);
  int shift = 60;
  while (shift > 0 && (value >> shift) == 0) shift -= 4;
  for (; shift >= 0; shift -= 4) text[n++] = kDigits[(value >> shift) & 0xF];
  text[n] = L'\0';
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_TRACE, text);
}

void LogCloneRefused(const std::wstring &servName) {
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_TRACE, (L"服务不支持多线程 " + servName).c_str());
}

bool ClaimReply(const struct soap *engine, std::atomic<bool> &taken, const wchar_t *servName) {
  if (!engine || engine->user != ReleaseOnReadMark() || !taken.exchange(true)) return true;
  WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN,
                          (std::wstring(L"The result of ") + servName + L" was already taken: it is read once")
                              .c_str());
  return false;
}

void LogNoCall() { WRENCH::CLogMsg::LogMsg(WRENCH::LV_ERROR, L"Enter RunServImp SOAP_EOF"); }

}  // namespace detail
}  // namespace KEEL::WEB
