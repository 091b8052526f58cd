// Device records: devices picked out of the model, with their pictures.
#pragma once

#include <cstdint>
#include <string>

#include <boost/shared_ptr.hpp>

#include "records/FileRuleRecords.h"
#include "records/StBinaryData.h"

namespace KEEL::KVWEBSERVICE {

struct StDeviceAttribute {
  std::int64_t height = 0;
  std::int64_t length = 0;
  std::int64_t rotation = 0;
  std::int64_t width = 0;
};

struct StDevice4Add {
  boost::shared_ptr<StDeviceAttribute> attribute;
  boost::shared_ptr<StMoxFileAttribute> deviceFile;
  std::wstring deviceName;
  StBinaryData picFile;
  std::int64_t picFileLength = 0;
  std::wstring remarks;
};

struct StDevice4Edit {
  boost::shared_ptr<StDeviceAttribute> attribute;
  boost::shared_ptr<StMoxFileAttribute> deviceFile;
  std::wstring deviceName;
  StBinaryData picFile;
  std::int64_t picFileLength = 0;
  std::wstring remarks;
  std::wstring deviceId;
};

struct StDevice {
  boost::shared_ptr<StDeviceAttribute> attribute;
  boost::shared_ptr<StMoxFileAttribute> deviceFile;
  std::wstring deviceName;
  StBinaryData picFile;
  std::int64_t picFileLength = 0;
  std::wstring remarks;
  std::wstring deviceId;
  bool isDefaultDevice = false;
};

struct StDevicePicFile {
  std::wstring deviceId;
  StBinaryData picFile;
  std::int64_t picFileLength = 0;
};

struct StCloneDevice {
  std::wstring deviceId;
  std::wstring deviceName;
};

struct StRenameDevice {
  std::wstring deviceId;
  std::wstring newName;
};

struct StEditRemarks {
  std::wstring deviceId;
  std::wstring remarks;
};

}  // namespace KEEL::KVWEBSERVICE
