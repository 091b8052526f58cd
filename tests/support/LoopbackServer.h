// A one-connection-at-a-time HTTP server on 127.0.0.1 for wire tests: it
// records each request and answers with the next canned reply (raw bytes).
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kv::test {

struct RecordedRequest {
  std::string head;  // request line and headers
  std::string body;

  /// The value of a header (case-insensitive name), or "".
  std::string Header(const std::string &name) const;
};

/// Reads one HTTP message from fd (a request, or a reply framed by
/// Content-Length or chunked): its head, then its body; false when the
/// peer closed or went quiet for 5 s before it was whole.
bool ReadHttpMessage(int fd, RecordedRequest &message);

class LoopbackServer {
 public:
  LoopbackServer();
  ~LoopbackServer();

  int Port() const { return port_; }
  /// "http://127.0.0.1:<port><path>"
  std::string Url(const std::string &path = "/") const;

  /// Queues a raw reply; requests without a queued reply get an HTTP 500.
  void Reply(std::string raw);
  /// The reply for requests without a queued one (else an HTTP 500).
  void SetDefaultReply(std::string raw) {
    std::lock_guard<std::mutex> lock(mutex_);
    defaultReply_ = std::move(raw);
  }
  /// Whether requests are kept for Requests(); on by default.
  void SetRecording(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    recording_ = on;
  }
  /// Queues an HTTP 200 reply whose body is a SOAP envelope around `body`.
  void ReplySoap(const std::string &body, const std::string &extraHeaders = "");

  /// Requests received so far; waits briefly for at least `atLeast` and
  /// for the current one to finish.
  std::vector<RecordedRequest> Requests(size_t atLeast = 0);
  RecordedRequest LastRequest();

  /// Builds a raw HTTP reply with a correct Content-Length.
  static std::string Http(int status, const std::string &body,
                          const std::string &extraHeaders = "",
                          const std::string &contentType = "text/xml; charset=utf-8");
  /// Wraps body children in a SOAP 1.1 envelope with the given prefix.
  static std::string Envelope(const std::string &body, const std::string &prefix = "SOAP-ENV");
  static std::string Gzip(const std::string &data);

 private:
  void Serve();

  int listenFd_ = -1;
  int port_ = 0;
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> replies_;
  std::string defaultReply_;
  bool recording_ = true;
  std::vector<RecordedRequest> requests_;
  int inFlight_ = 0;
  std::thread thread_;
};

}  // namespace kv::test
