// The argument of each input and output kind of an operation, as macros
// keyed by the kind names of the operation table:
//   KV_PARAM_<kind>(T, name)  the parameter, or nothing ("SetInput()")
//   KV_ARGS_<kind>(T, name)   the same after a comma, or nothing
//   KV_FORWARD_<kind>(name)   ", name", or nothing
// T is the record type's plain name in KEEL::KVWEBSERVICE where the kind
// has one.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#define KV_RECORD_TYPE(T) ::KEEL::KVWEBSERVICE::T
#define KV_RECORD_PTR(T) ::boost::shared_ptr< ::KEEL::KVWEBSERVICE::T >
#define KV_RECORD_VECTOR(T) ::std::vector< KV_RECORD_PTR(T) >

// Input kinds.
#define KV_PARAM_IN_NONE(T, name)
#define KV_PARAM_IN_TEXT(T, name) const ::std::wstring &name
#define KV_PARAM_IN_TEXT_PAIR(T, name) const KV_RECORD_TYPE(T) &name
#define KV_PARAM_IN_RECORD(T, name) const KV_RECORD_PTR(T) &name
#define KV_PARAM_IN_RECORD_LIST(T, name) const KV_RECORD_VECTOR(T) &name
#define KV_PARAM_IN_TEXT_LIST(T, name) const ::std::vector< ::std::wstring > &name
#define KV_PARAM_IN_COMPOSITE(T, name) const KV_RECORD_TYPE(T) &name

// Output kinds.
#define KV_PARAM_OUT_FLAG(T, name)
#define KV_PARAM_OUT_TEXT(T, name) ::std::wstring &name
#define KV_PARAM_OUT_RECORD(T, name) KV_RECORD_PTR(T) &name
#define KV_PARAM_OUT_RECORD_LIST(T, name) KV_RECORD_VECTOR(T) &name
#define KV_PARAM_OUT_TEXT_LIST(T, name) ::std::vector< ::std::wstring > &name

#define KV_ARGS_IN_NONE(T, name)
#define KV_ARGS_IN_TEXT(T, name) , KV_PARAM_IN_TEXT(T, name)
#define KV_ARGS_IN_TEXT_PAIR(T, name) , KV_PARAM_IN_TEXT_PAIR(T, name)
#define KV_ARGS_IN_RECORD(T, name) , KV_PARAM_IN_RECORD(T, name)
#define KV_ARGS_IN_RECORD_LIST(T, name) , KV_PARAM_IN_RECORD_LIST(T, name)
#define KV_ARGS_IN_TEXT_LIST(T, name) , KV_PARAM_IN_TEXT_LIST(T, name)
#define KV_ARGS_IN_COMPOSITE(T, name) , KV_PARAM_IN_COMPOSITE(T, name)

#define KV_ARGS_OUT_FLAG(T, name)
#define KV_ARGS_OUT_TEXT(T, name) , KV_PARAM_OUT_TEXT(T, name)
#define KV_ARGS_OUT_RECORD(T, name) , KV_PARAM_OUT_RECORD(T, name)
#define KV_ARGS_OUT_RECORD_LIST(T, name) , KV_PARAM_OUT_RECORD_LIST(T, name)
#define KV_ARGS_OUT_TEXT_LIST(T, name) , KV_PARAM_OUT_TEXT_LIST(T, name)

#define KV_FORWARD_IN_NONE(name)
#define KV_FORWARD_IN_TEXT(name) , name
#define KV_FORWARD_IN_TEXT_PAIR(name) , name
#define KV_FORWARD_IN_RECORD(name) , name
#define KV_FORWARD_IN_RECORD_LIST(name) , name
#define KV_FORWARD_IN_TEXT_LIST(name) , name
#define KV_FORWARD_IN_COMPOSITE(name) , name

#define KV_FORWARD_OUT_FLAG(name)
#define KV_FORWARD_OUT_TEXT(name) , name
#define KV_FORWARD_OUT_RECORD(name) , name
#define KV_FORWARD_OUT_RECORD_LIST(name) , name
#define KV_FORWARD_OUT_TEXT_LIST(name) , name
