#include "catalogue/convert/Conversions.h"

#include "catalogue/convert/ClashResultFields.h"
#include "catalogue/convert/DeviceFields.h"
#include "catalogue/convert/HoleResultFields.h"
#include "catalogue/convert/RequestMembers.h"
#include "catalogue/convert/RuleFields.h"
#include "catalogue/convert/WalkPathFields.h"
#include "catalogue/convert/WireReader.h"
#include "catalogue/convert/WireWriter.h"

namespace KEEL::KVWEBSERVICE {

// The body of WriteRequest by input kind.
#define KV_WRITE_IN_NONE(Request) \
  (void)request; \
  (void)keeper;
#define KV_WRITE_MEMBER(Request) detail::WireWriter{keeper}(detail::RequestMember<Request>::Of(request), input);
#define KV_WRITE_IN_TEXT(Request) KV_WRITE_MEMBER(Request)
#define KV_WRITE_IN_RECORD(Request) KV_WRITE_MEMBER(Request)
#define KV_WRITE_IN_RECORD_LIST(Request) KV_WRITE_MEMBER(Request)
#define KV_WRITE_IN_TEXT_LIST(Request) KV_WRITE_MEMBER(Request)
#define KV_WRITE_IN_TEXT_PAIR(Request) detail::WireWriter{keeper}.Fill(request, input);
#define KV_WRITE_IN_COMPOSITE(Request) detail::WireWriter{keeper}.Fill(request, input);

// The body of ReadResponse by output kind; every result is in "return".
#define KV_READ_OUT_FLAG (void)response;
#define KV_READ_RETURN detail::WireReader{}(response.return_, output);
#define KV_READ_OUT_TEXT KV_READ_RETURN
#define KV_READ_OUT_RECORD KV_READ_RETURN
#define KV_READ_OUT_RECORD_LIST KV_READ_RETURN
#define KV_READ_OUT_TEXT_LIST KV_READ_RETURN

// The body of TakeResponse by output kind: only a record list is freed as
// it is read.
#define KV_TAKE_OUT_FLAG return ReadResponse(response);
#define KV_TAKE_OUT_TEXT return ReadResponse(response, output);
#define KV_TAKE_OUT_RECORD return ReadResponse(response, output);
#define KV_TAKE_OUT_TEXT_LIST return ReadResponse(response, output);
#define KV_TAKE_OUT_RECORD_LIST \
  detail::WireReader{}.Take(response.soap, response.return_, output); \
  return true;

#define KV_DEFINE_CONVERSIONS(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) \
  void WriteRequest(SERVICE##__##op &request, CValueKeeper &keeper KV_ARGS_##IN_KIND(InType, input)) { \
    KV_WRITE_##IN_KIND(SERVICE##__##op) \
  } \
  bool ReadResponse(const SERVICE##__##op##Response &response KV_ARGS_##OUT_KIND(OutType, output)) { \
    KV_READ_##OUT_KIND return true; \
  } \
  bool TakeResponse(SERVICE##__##op##Response &response KV_ARGS_##OUT_KIND(OutType, output)) { \
    KV_TAKE_##OUT_KIND \
  }
KV_WEB_OPERATIONS(KV_DEFINE_CONVERSIONS)

}  // namespace KEEL::KVWEBSERVICE
