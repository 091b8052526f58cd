// Built-in types shared by every service.

#import "stlvector.h"

// Booleans and numbers are read and written by our own serializers
// (BuiltinValues.cpp): an element with no text reads as false or 0, a
// self-closed one leaves the member at its default. Each is its C++ type.
extern typedef bool xsd__boolean;
extern typedef int xsd__int;
extern typedef LONG64 xsd__long;
extern typedef double xsd__double;

/// A block of bytes; with `id` or `type` set it is sent as an MTOM attachment.
class xsd__base64Binary
{
  public:
    unsigned char *__ptr;
    int __size;
    char *id;
    char *type;
    char *options;
    struct soap *soap;
};
