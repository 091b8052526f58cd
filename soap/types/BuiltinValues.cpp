// Serializers of the Boolean and number built-ins declared in builtins.h.
// gSOAP 2.8 fails a whole reply with SOAP_EMPTY for <size></size> or <size/>;
// here an element with no text reads as false or 0, and a self-closed one
// leaves the member at its default (an optional member stays absent).
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include "soapH.h"

namespace {

// Reads one number element with the runtime's reader `read`, which
// consumes the element also when it fails on an empty text, and allocates
// the value (when given none) only once the element is the one asked for.
template <class T, class Read>
T *ReadNumber(struct soap *engine, const char *tag, T *value, Read read) {
  if (T *got = read(value)) return got;
  if (engine->error != SOAP_EMPTY) return nullptr;
  engine->error = SOAP_OK;
  if (!engine->body) return value;  // self-closed: the member stays as it was
  if (!value && !(value = static_cast<T *>(soap_malloc(engine, sizeof(T))))) return nullptr;
  *value = T();
  return value;
}

// A plain decimal number ([-]digits[.digits][e[+-]digits]) read exactly as
// the runtime's strtod reads it (both round correctly), without its
// multi-precision path; false for anything else, which the runtime reads.
bool PlainDecimal(const char *text, double *value) {
  const char *end = text;
  for (; *end; ++end) {
    const char c = *end;
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
  }
  if (end == text || *text == '+') return false;
  double number;
  const std::from_chars_result read = std::from_chars(text, end, number);
  if (read.ec != std::errc() || read.ptr != end) return false;
  *value = number;
  return true;
}

// "true", "false", the integers 0 and 1, or no text (false).
int TextToBool(struct soap *engine, const char *text, bool *value) {
  if (std::strcmp(text, "true") == 0 || std::strcmp(text, "false") == 0 || !*text) {
    *value = *text == 't';
    return SOAP_OK;
  }
  char *end = nullptr;
  errno = 0;
  const long number = std::strtol(text, &end, 10);
  if (end == text || *end || errno || (number != 0 && number != 1)) return engine->error = SOAP_TYPE;
  *value = number == 1;
  return SOAP_OK;
}

}  // namespace

SOAP_FMAC1 void SOAP_FMAC2 soap_default_xsd__boolean(struct soap *, bool *value) { *value = false; }
SOAP_FMAC1 void SOAP_FMAC2 soap_default_xsd__int(struct soap *, int *value) { *value = 0; }
SOAP_FMAC1 void SOAP_FMAC2 soap_default_xsd__long(struct soap *, LONG64 *value) { *value = 0; }
SOAP_FMAC1 void SOAP_FMAC2 soap_default_xsd__double(struct soap *, double *value) { *value = 0.0; }

SOAP_FMAC1 int SOAP_FMAC2 soap_out_xsd__boolean(struct soap *engine, const char *tag, int id, const bool *value,
                                                const char *type) {
  if (soap_element_begin_out(engine, tag, soap_embedded_id(engine, id, value, SOAP_TYPE_xsd__boolean), type) ||
      soap_send(engine, *value ? "true" : "false"))
    return engine->error;
  return soap_element_end_out(engine, tag);
}
SOAP_FMAC1 int SOAP_FMAC2 soap_out_xsd__int(struct soap *engine, const char *tag, int id, const int *value,
                                            const char *type) {
  return soap_outint(engine, tag, id, value, type, SOAP_TYPE_xsd__int);
}
SOAP_FMAC1 int SOAP_FMAC2 soap_out_xsd__long(struct soap *engine, const char *tag, int id, const LONG64 *value,
                                             const char *type) {
  return soap_outLONG64(engine, tag, id, value, type, SOAP_TYPE_xsd__long);
}
SOAP_FMAC1 int SOAP_FMAC2 soap_out_xsd__double(struct soap *engine, const char *tag, int id, const double *value,
                                               const char *type) {
  return soap_outdouble(engine, tag, id, value, type, SOAP_TYPE_xsd__double);
}

SOAP_FMAC1 bool *SOAP_FMAC2 soap_in_xsd__boolean(struct soap *engine, const char *tag, bool *value,
                                                 const char *type) {
  if (soap_element_begin_in(engine, tag, 0, nullptr)) return nullptr;
  if (*engine->type && soap_match_tag(engine, engine->type, type) &&
      soap_match_tag(engine, engine->type, ":boolean")) {
    engine->error = SOAP_TYPE;
    return nullptr;
  }
  if (!engine->body) return value;
  if (!value && !(value = static_cast<bool *>(soap_malloc(engine, sizeof(bool))))) return nullptr;
  const char *text = soap_value(engine);
  if (!text || TextToBool(engine, text, value) || soap_element_end_in(engine, tag)) return nullptr;
  return value;
}
SOAP_FMAC1 int *SOAP_FMAC2 soap_in_xsd__int(struct soap *engine, const char *tag, int *value, const char *type) {
  return ReadNumber(engine, tag, value, [&](int *v) { return soap_inint(engine, tag, v, type, SOAP_TYPE_xsd__int); });
}
SOAP_FMAC1 LONG64 *SOAP_FMAC2 soap_in_xsd__long(struct soap *engine, const char *tag, LONG64 *value,
                                                const char *type) {
  return ReadNumber(engine, tag, value,
                    [&](LONG64 *v) { return soap_inLONG64(engine, tag, v, type, SOAP_TYPE_xsd__long); });
}
SOAP_FMAC1 double *SOAP_FMAC2 soap_in_xsd__double(struct soap *engine, const char *tag, double *value,
                                                  const char *type) {
  // A plain element with text, as every reply carries its numbers: read
  // here; the runtime reads anything else, and any text not plainly decimal.
  if (soap_element_begin_in(engine, tag, 0, nullptr) == SOAP_OK) {
    if (engine->body && !*engine->type && !*engine->id && !*engine->href) {
      if (!value && !(value = static_cast<double *>(soap_malloc(engine, sizeof(double))))) return nullptr;
      const char *text = soap_value(engine);
      if (!text) return nullptr;
      int read = SOAP_OK;
      if (!PlainDecimal(text, value) && (read = soap_s2double(engine, text, value)) == SOAP_EMPTY) {
        engine->error = read = SOAP_OK;  // no text reads as 0
        *value = 0.0;
      }
      if (soap_element_end_in(engine, tag) || read) return nullptr;
      return value;
    }
    soap_revert(engine);
  }
  return ReadNumber(engine, tag, value,
                    [&](double *v) { return soap_indouble(engine, tag, v, type, SOAP_TYPE_xsd__double); });
}
