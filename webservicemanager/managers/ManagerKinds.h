// The argument types of the managers' calls, by the kind names of the
// manager table:
//   input kinds   IN_NONE, IN_TEXT, IN_TEXT_LIST, IN_RECORD, IN_RECORD_LIST,
//                 IN_VALUE (a record by reference)
//   holder kinds  FLAG, TEXT, TEXT_LIST, RECORD, RECORD_LIST
// T is a record name in KEEL::KVWEBSERVICE where the kind takes one.
//   KV_MGR_INPUT_TYPE_<in>(T)      the input's type (not for IN_NONE)
//   KV_MGR_INPUT_<in>(T)           "type &input," or nothing
//   KV_MGR_FORWARD_<in>(name)      ", name" or nothing
//   KV_MGR_HOLDER_<kind>(T)        the holder interface callers see
//   KV_MGR_HOLDER_CLASS_<kind>(T)  the holder class the response makes
#pragma once

#include <boost/shared_ptr.hpp>

#include <string>
#include <vector>

#include "holders/MOXData.h"
#include "holders/MOXDataArray.h"
#include "records/ClashResultRecords.h"
#include "records/DeviceRecords.h"
#include "records/FileRuleRecords.h"
#include "records/HoleResultRecords.h"
#include "records/WalkPathRecords.h"

#define KV_MGR_RECORD(T) ::KEEL::KVWEBSERVICE::T

#define KV_MGR_INPUT_TYPE_IN_TEXT(T) ::std::wstring
#define KV_MGR_INPUT_TYPE_IN_TEXT_LIST(T) ::std::vector< ::std::wstring >
#define KV_MGR_INPUT_TYPE_IN_RECORD(T) ::boost::shared_ptr< KV_MGR_RECORD(T) >
#define KV_MGR_INPUT_TYPE_IN_RECORD_LIST(T) ::std::vector< ::boost::shared_ptr< KV_MGR_RECORD(T) > >
#define KV_MGR_INPUT_TYPE_IN_VALUE(T) KV_MGR_RECORD(T)

#define KV_MGR_INPUT_IN_NONE(T)
#define KV_MGR_INPUT_IN_TEXT(T) KV_MGR_INPUT_TYPE_IN_TEXT(T) &input,
#define KV_MGR_INPUT_IN_TEXT_LIST(T) KV_MGR_INPUT_TYPE_IN_TEXT_LIST(T) &input,
#define KV_MGR_INPUT_IN_RECORD(T) KV_MGR_INPUT_TYPE_IN_RECORD(T) &input,
#define KV_MGR_INPUT_IN_RECORD_LIST(T) KV_MGR_INPUT_TYPE_IN_RECORD_LIST(T) &input,
#define KV_MGR_INPUT_IN_VALUE(T) KV_MGR_INPUT_TYPE_IN_VALUE(T) &input,

#define KV_MGR_FORWARD_IN_NONE(name)
#define KV_MGR_FORWARD_IN_TEXT(name) , name
#define KV_MGR_FORWARD_IN_TEXT_LIST(name) , name
#define KV_MGR_FORWARD_IN_RECORD(name) , name
#define KV_MGR_FORWARD_IN_RECORD_LIST(name) , name
#define KV_MGR_FORWARD_IN_VALUE(name) , name

#define KV_MGR_HOLDER_FLAG(T) ::MOXAPP::IMOXBaseData<bool>
#define KV_MGR_HOLDER_TEXT(T) ::MOXAPP::IMOXBaseData< ::std::wstring >
#define KV_MGR_HOLDER_TEXT_LIST(T) ::MOXAPP::IMOXBaseDataArray< ::std::wstring >
#define KV_MGR_HOLDER_RECORD(T) ::MOXAPP::IMOXUserData< KV_MGR_RECORD(T) >
#define KV_MGR_HOLDER_RECORD_LIST(T) ::MOXAPP::IMOXUserDataArray< KV_MGR_RECORD(T) >

#define KV_MGR_HOLDER_CLASS_FLAG(T) ::MOXAPP::CMOXBaseData<bool>
#define KV_MGR_HOLDER_CLASS_TEXT(T) ::MOXAPP::CMOXBaseData< ::std::wstring >
#define KV_MGR_HOLDER_CLASS_TEXT_LIST(T) ::MOXAPP::CMOXBaseDataArray< ::std::wstring >
#define KV_MGR_HOLDER_CLASS_RECORD(T) ::MOXAPP::CMOXUserData< KV_MGR_RECORD(T) >
#define KV_MGR_HOLDER_CLASS_RECORD_LIST(T) ::MOXAPP::CMOXUserDataArray< KV_MGR_RECORD(T) >
