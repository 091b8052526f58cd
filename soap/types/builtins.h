// Built-in types shared by every service.

#import "stlvector.h"

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
