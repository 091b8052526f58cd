// CServRunBase: the runner of one operation. It owns the operation's proxy
// (a whole SOAP engine), its input object and its output object. All calls
// on one thread at a time; Clone gives another thread its own runner.
#pragma once

#include <string>

#include "ProxyPool.h"
#include "runner/IWebRunner.h"
#include "runner/RunSteps.h"

namespace KEEL::WEB {

template <class CIn, class COut, class Proxy, class CServ>
class CServRunBase : public IWebRunner, public IWebRedirect, public IWebRunnerSettings {
 public:
  // The engine comes renewed from the pool, equal to a new one, when the
  // runner first uses it; a runner that is only cloned holds none.
  CServRunBase() : in(nullptr), out(nullptr) {
    try {
      in = new CIn();
      out = new COut();
    } catch (...) {
      delete in;
      throw;
    }
  }

  ~CServRunBase() override {
    delete in;
    delete out;
  }

  CServRunBase(const CServRunBase &) = delete;
  CServRunBase &operator=(const CServRunBase &) = delete;

  void SetServTag(const std::wstring &tag) override { servTag = tag; }
  std::wstring GetServTag() override { return servTag; }
  void SetServAddr(const std::wstring &addr) override { servAddr = addr; }
  std::wstring GetServAddr() override { return servAddr; }
  void SetServPath(const std::wstring &path) override { servPath = path; }
  IInput *GetInput() override { return in; }
  IOutput *GetOutput() override { return out; }

  bool RunServ() override {
    if (hasRun) {
      delete out;
      out = nullptr;
      // The previous response lived in the engine; free it so memory stays
      // flat over any number of runs.
      detail::ReleaseEngineMemory(proxy);
      out = new COut();
    } else {
      hasRun = true;
    }
    OperationCall call(*this);
    return detail::RunSteps({session, servAddr, servPath, redirectUrl, error, settings, *proxy}, call);
  }

  WebServError &GetServError(WebServError &outError) override {
    outError = error;
    return outError;
  }

  bool IsSupportMultiThread() override { return true; }

  IWebRunner *Clone() override {
    if (!IsSupportMultiThread()) {
      detail::LogCloneRefused(GetServName());
      return nullptr;
    }
    CServRunBase *p = CreateNew();
    detail::LogClone(static_cast<const void *>(p));
    p->servPath = servPath;
    p->session = session;
    p->servAddr = servAddr;
    p->servTag = servTag;
    return p;
  }

  // Kept until the run, which gives them to the engine.
  void SetConnectTimeout(int t) override { settings.connectTimeout = t; }
  void SetSendTimeout(int t) override { settings.sendTimeout = t; }
  void SetRecvTimeout(int t) override { settings.recvTimeout = t; }
  void SetServSession(IWebSession *s) override { session = s; }
  IWebSession *GetServSession() override { return session; }

  // These two take the slots right after those of IWebRunner: they are
  // declared before the overriders of the other bases' operations, which
  // get slots of their own in this class's table.
  /// A new runner of the same operation, owned by the caller.
  virtual CServRunBase *CreateNew() { return new CServ(); }

  /// The operation call; each operation class replaces it.
  virtual int RunServImp() {
    detail::LogNoCall();
    return SOAP_EOF;
  }

  void SetRedirectUrl(const std::string &url) override { redirectUrl = url; }

  void SetTransferTimeout(int t) override { settings.transferTimeout = t; }
  void SetReplyLimits(unsigned long long maxReplyBytes, long maxValueBytes) override {
    settings.limitsSet = true;
    settings.maxReplyBytes = maxReplyBytes;
    settings.maxValueBytes = maxValueBytes;
  }
  void SetReadOnce(bool once) override { settings.readOnce = once; }

 protected:
  class OperationCall : public detail::RunCall {
   public:
    explicit OperationCall(CServRunBase &runner) : runner_(runner) {}
    int Call() override { return runner_.RunServImp(); }
    struct soap *ResponseEngine() override { return runner_.out ? runner_.out->soap : nullptr; }
    std::wstring ServName() override { return runner_.GetServName(); }

   private:
    CServRunBase &runner_;
  };

  bool hasRun = false;
  IWebSession *session = nullptr;
  kv::wire::PooledProxy<Proxy> proxy;
  CIn *in;
  COut *out;
  std::wstring servPath;
  std::string redirectUrl;
  std::wstring servAddr;
  std::wstring servTag;
  WebServError error;
  detail::EngineSettings settings;
};

}  // namespace KEEL::WEB
