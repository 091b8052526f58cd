#include "CallResult.h"

#include "Transcript.h"
#include "catalogue/interfaces/WebInterfaces.h"
#include "ui/TextEscape.h"

namespace KVSHELL {
namespace {

std::wstring Items(size_t count) { return std::to_wstring(count) + (count == 1 ? L" item" : L" items"); }

// One reading per output kind of the operation table; `out` is the typed
// output interface, T the record type where the kind has one.
#define KV_DESCRIBE_OUT_FLAG(out, T) return out->GetResult() ? L"true" : L"false";
#define KV_DESCRIBE_OUT_TEXT(out, T)                           \
  std::wstring value;                                          \
  return out->GetResult(value) ? L"\"" + KVUI::EscapeText(value, CTranscript::kMaxFieldChars) + L"\"" : kNone;
#define KV_DESCRIBE_OUT_RECORD(out, T) \
  KV_RECORD_PTR(T) value;              \
  return !out->GetResult(value) ? kNone : value ? L"1 record" : L"no record";
#define KV_DESCRIBE_OUT_RECORD_LIST(out, T) \
  KV_RECORD_VECTOR(T) value;                \
  return out->GetResult(value) ? Items(value.size()) : kNone;
#define KV_DESCRIBE_OUT_TEXT_LIST(out, T) \
  std::vector<std::wstring> value;        \
  return out->GetResult(value) ? Items(value.size()) : kNone;

const wchar_t kNone[] = L"no result";

}  // namespace

std::wstring DescribeCallResult(const std::wstring &name, KEEL::WEB::IOutput *output) {
#define KV_DESCRIBE_OPERATION(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) \
  if (name == L"" NAME) {                                                                      \
    auto *typed = dynamic_cast<KEEL::SERVICE::IWSOut_##op *>(output);                          \
    if (!typed) return kNone;                                                                  \
    KV_DESCRIBE_##OUT_KIND(typed, OutType)                                                     \
  }
  KV_WEB_OPERATIONS(KV_DESCRIBE_OPERATION)
#undef KV_DESCRIBE_OPERATION
  return kNone;
}

}  // namespace KVSHELL
