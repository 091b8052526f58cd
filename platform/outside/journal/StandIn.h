// Macros that make the stand-ins of one library from its table: each row
// names a class or a factory exactly as the program names it. A class row
// makes a recording manager constructed with its registry name; a factory
// row declares the factory's interface (no operations yet) and makes a
// recording manager behind it. A stand-in that needs operations or other
// constructor arguments is written out in its library's header instead.
#pragma once

#include <string>

#include "RecordingMgr.h"

/// Class CLS of namespace NS, constructed with its registry name.
#define KV_OUTSIDE_DECLARE_CLASS(NS, CLS)                          \
  namespace NS {                                                   \
  class CLS : public ::KVOUTSIDE::CRecordingMgr {                  \
   public:                                                         \
    explicit CLS(const ::std::wstring &name);                      \
  };                                                               \
  }
#define KV_OUTSIDE_DEFINE_CLASS(NS, CLS) \
  NS::CLS::CLS(const ::std::wstring &name) : ::KVOUTSIDE::CRecordingMgr(L"" #NS "::" #CLS, name) {}

/// Class CLS of the global namespace, constructed with its registry name.
#define KV_OUTSIDE_DECLARE_GLOBAL_CLASS(CLS)      \
  class CLS : public ::KVOUTSIDE::CRecordingMgr { \
   public:                                        \
    explicit CLS(const ::std::wstring &name);     \
  };
#define KV_OUTSIDE_DEFINE_GLOBAL_CLASS(CLS) \
  CLS::CLS(const ::std::wstring &name) : ::KVOUTSIDE::CRecordingMgr(L"" #CLS, name) {}

/// Factory NS::FACTORY(name) returning interface NS::IFACE.
#define KV_OUTSIDE_DECLARE_FACTORY(NS, FACTORY, IFACE) \
  namespace NS {                                       \
  class IFACE {                                        \
   public:                                             \
    virtual ~IFACE() {}                                \
  };                                                   \
  IFACE *FACTORY(const ::std::wstring &name);          \
  }
#define KV_OUTSIDE_DEFINE_FACTORY(NS, FACTORY, IFACE)                                                \
  namespace NS {                                                                                     \
  namespace {                                                                                        \
  class IFACE##StandIn : public IFACE, public ::KVOUTSIDE::CRecordingMgr {                           \
   public:                                                                                           \
    explicit IFACE##StandIn(const ::std::wstring &name)                                              \
        : ::KVOUTSIDE::CRecordingMgr(L"" #NS "::" #FACTORY, name) {}                                 \
  };                                                                                                 \
  }                                                                                                  \
  IFACE *FACTORY(const ::std::wstring &name) { return new IFACE##StandIn(name); }                    \
  }

/// Factory NS::FACTORY() returning interface NS::IFACE of the fixed
/// registry name NAME.
#define KV_OUTSIDE_DECLARE_NAMED_FACTORY(NS, FACTORY, IFACE, NAME) \
  namespace NS {                                                   \
  class IFACE {                                                    \
   public:                                                         \
    virtual ~IFACE() {}                                            \
  };                                                               \
  IFACE *FACTORY();                                                \
  }
#define KV_OUTSIDE_DEFINE_NAMED_FACTORY(NS, FACTORY, IFACE, NAME)                 \
  namespace NS {                                                                  \
  namespace {                                                                     \
  class IFACE##StandIn : public IFACE, public ::KVOUTSIDE::CRecordingMgr {        \
   public:                                                                        \
    IFACE##StandIn() : ::KVOUTSIDE::CRecordingMgr(L"" #NS "::" #FACTORY, NAME) {} \
  };                                                                              \
  }                                                                               \
  IFACE *FACTORY() { return new IFACE##StandIn(); }                               \
  }
