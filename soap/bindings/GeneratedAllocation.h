// Read first by the generated serializers (a forced include): the objects
// they make for an engine come from its arena (EngineArena.h). Arrays keep
// the runtime's new[] and delete[].
#pragma once

#include "EngineArena.h"

#undef SOAP_NEW
#undef SOAP_DELETE
#define SOAP_NEW(soap, type) ::kv::wire::detail::NewObject<type>((soap), &soap_fdelete)
#define SOAP_DELETE(soap, obj, type) ::kv::wire::detail::DeleteObject(obj)
