// Device conversions: device lists with optional parts and pictures,
// identifier lists, and the device results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConvertTestUtil.h"
#include "LoopbackServer.h"
#include "Proxies.h"

namespace kv::test {
namespace {

using namespace KEEL::KVWEBSERVICE;

const unsigned char kPicture[] = {0x89, 'P', 'N', 'G', 0, 0xff};  // base64 "iVBORwD/"

template <class Record>
boost::shared_ptr<Record> Device(const std::wstring &name) {
  auto device = boost::make_shared<Record>();
  device->deviceName = name;
  device->picFile.isOctetStream = false;
  return device;
}

TEST(DeviceConversion, WritesDevicesInOrderWithOptionalParts) {
  auto first = Device<StDevice4Add>(L"风机");
  first->attribute = boost::make_shared<StDeviceAttribute>();
  first->attribute->height = 9007199254740993LL;
  first->attribute->rotation = -90;
  first->picFile.ptr = kPicture;
  first->picFile.size = sizeof kPicture;
  first->picFileLength = 6;
  auto second = Device<StDevice4Add>(L"");
  second->deviceFile = boost::make_shared<StMoxFileAttribute>();
  second->deviceFile->md5 = L"m";
  second->remarks = L"备注";

  ConvertEngine engine("DEVICE");
  CValueKeeper keeper;
  DEVICE__addDevice request;
  WriteRequest(request, keeper, std::vector<boost::shared_ptr<StDevice4Add>>{first, nullptr, second});
  EXPECT_EQ(engine.Write(request, "addDevice"),
            kXmlHead + std::string("<DEVICE:addDevice>"
                                   "<devices><attribute><height>9007199254740993</height><length>0</length>"
                                   "<rotation>-90</rotation><width>0</width></attribute>"
                                   "<deviceName>风机</deviceName><picFile>iVBORwD/</picFile>"
                                   "<picFileLength>6</picFileLength><remarks/></devices>"
                                   "<devices><deviceFile><md5>m</md5><size>0</size><uuid/></deviceFile>"
                                   "<deviceName/><picFile></picFile><picFileLength>0</picFileLength>"
                                   "<remarks>备注</remarks></devices>"
                                   "</DEVICE:addDevice>"));
}

TEST(DeviceConversion, EditedDevicesCarryTheirIdLast) {
  auto a = Device<StDevice4Edit>(L"a");
  a->deviceId = L"d1";
  auto b = Device<StDevice4Edit>(L"b");
  b->deviceId = L"d2";
  ConvertEngine engine("DEVICE");
  CValueKeeper keeper;
  DEVICE__editDevice request;
  WriteRequest(request, keeper, std::vector<boost::shared_ptr<StDevice4Edit>>{b, a});
  EXPECT_EQ(engine.Write(request, "editDevice"),
            kXmlHead + std::string("<DEVICE:editDevice>"
                                   "<devices xsi:type=\"DEVICE:device4Edit\"><deviceName>b</deviceName><picFile></picFile>"
                                   "<picFileLength>0</picFileLength><remarks/><deviceId>d2</deviceId></devices>"
                                   "<devices xsi:type=\"DEVICE:device4Edit\"><deviceName>a</deviceName><picFile></picFile>"
                                   "<picFileLength>0</picFileLength><remarks/><deviceId>d1</deviceId></devices>"
                                   "</DEVICE:editDevice>"));
}

TEST(DeviceConversion, WritesTextPairsAndIdentifierLists) {
  ConvertEngine engine("DEVICE");
  CValueKeeper keeper;
  DEVICE__cloneDevice clone;
  WriteRequest(clone, keeper, StCloneDevice{L"d1", L"副本"});
  EXPECT_EQ(engine.Write(clone, "cloneDevice"),
            kXmlHead + std::string("<DEVICE:cloneDevice><deviceId>d1</deviceId><deviceName>副本</deviceName>"
                                   "</DEVICE:cloneDevice>"));
  DEVICE__renameDevice rename;
  WriteRequest(rename, keeper, StRenameDevice{L"d1", L""});
  EXPECT_EQ(engine.Write(rename, "renameDevice"),
            kXmlHead + std::string("<DEVICE:renameDevice><deviceId>d1</deviceId><newName/></DEVICE:renameDevice>"));
  DEVICE__editRemarks remarks;
  WriteRequest(remarks, keeper, StEditRemarks{L"d1", L"r"});
  EXPECT_EQ(engine.Write(remarks, "editRemarks"),
            kXmlHead + std::string("<DEVICE:editRemarks><deviceId>d1</deviceId><remarks>r</remarks>"
                                   "</DEVICE:editRemarks>"));

  DEVICE__removeDevice remove;
  WriteRequest(remove, keeper, std::vector<std::wstring>());
  EXPECT_EQ(engine.Write(remove, "removeDevice"), kXmlHead + std::string("<DEVICE:removeDevice></DEVICE:removeDevice>"));
  WriteRequest(remove, keeper, std::vector<std::wstring>{L"d1", L"设备2"});
  DEVICE__getListDevicePicFile pictures;
  WriteRequest(pictures, keeper, std::vector<std::wstring>{L"", L"d3"});
  EXPECT_EQ(engine.Write(remove, "removeDevice"),
            kXmlHead + std::string("<DEVICE:removeDevice><deviceIds>d1</deviceIds><deviceIds>设备2</deviceIds>"
                                   "</DEVICE:removeDevice>"));
  EXPECT_EQ(engine.Write(pictures, "getListDevicePicFile"),
            kXmlHead + std::string("<DEVICE:getListDevicePicFile><deviceIds/><deviceIds>d3</deviceIds>"
                                   "</DEVICE:getListDevicePicFile>"));
}

// A typed picture goes as an MTOM attachment, an untyped one inline, one
// without data as an empty element. The request holds its own copy of the
// bytes: the caller's buffer is overwritten before the request is sent.
TEST(DeviceConversion, PictureBytesAreCopiedAndSentInlineOrAsAttachment) {
  const struct {
    const char *name;
    bool isOctetStream;
    bool withData;
    int size;
    bool attachment;
  } kCases[] = {
      {"typed with data", true, true, 6, true},
      {"untyped with data", false, true, 6, false},
      {"typed without data", true, false, 6, false},
      {"typed with a negative size", true, true, -1, false},
  };
  LoopbackServer server;
  for (const auto &c : kCases) {
    SCOPED_TRACE(c.name);
    server.ReplySoap(std::string("<DEVICE:addDeviceResponse xmlns:DEVICE=\"") + kv::wire::kPathwalkAreaUri + "\"/>");
    unsigned char buffer[sizeof kPicture];
    std::copy(std::begin(kPicture), std::end(kPicture), buffer);
    auto device = Device<StDevice4Add>(L"d");
    device->picFile.isOctetStream = c.isOctetStream;
    device->picFile.ptr = c.withData ? buffer : nullptr;
    device->picFile.size = c.size;

    auto *keeper = new CValueKeeper;
    DEVICE__addDevice request;
    WriteRequest(request, *keeper, std::vector<boost::shared_ptr<StDevice4Add>>{device});
    std::fill(std::begin(buffer), std::end(buffer), 'X');
    const xsd__base64Binary &picture = *request.devices.at(0)->picFile;
    EXPECT_EQ(picture.type != nullptr, c.isOctetStream);
    if (c.attachment) EXPECT_STREQ(picture.type, "application/octet-stream");
    if (!c.withData || c.size < 0) {
      EXPECT_EQ(picture.__ptr, nullptr);
      EXPECT_EQ(picture.__size, 0);
    }

    VXBeingExtractedDeviceWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
    proxy.imode |= SOAP_C_UTFSTRING;
    proxy.omode |= SOAP_C_UTFSTRING;
    const std::string url = server.Url("/");
    proxy.soap_endpoint = url.c_str();
    DEVICE__addDeviceResponse response;
    ASSERT_EQ(proxy.addDevice(&request, &response), SOAP_OK);
    delete keeper;

    const RecordedRequest sent = server.LastRequest();
    EXPECT_EQ(sent.body.find("XXXXXX"), std::string::npos);
    const std::string bytes(reinterpret_cast<const char *>(kPicture), sizeof kPicture);
    if (c.attachment) {
      EXPECT_NE(sent.Header("Content-Type").find("multipart/related"), std::string::npos);
      EXPECT_NE(sent.body.find("xop:Include"), std::string::npos);
      EXPECT_NE(sent.body.find("Content-Type: application/octet-stream"), std::string::npos) << sent.body;
      EXPECT_NE(sent.body.find(bytes), std::string::npos);
    } else if (c.withData && c.size > 0) {
      EXPECT_EQ(sent.body.find("xop:Include"), std::string::npos);
      EXPECT_NE(sent.body.find("<picFile>iVBORwD/</picFile>"), std::string::npos) << sent.body;
    } else {
      EXPECT_EQ(sent.body.find("xop:Include"), std::string::npos);
      EXPECT_NE(sent.body.find("<picFile></picFile>"), std::string::npos) << sent.body;
    }
  }
}

const char kListedDevices[] =
    "<return><attribute><height>9007199254740993</height></attribute>"
    "<deviceFile><md5>f</md5><size>12</size></deviceFile>"
    "<deviceName>水泵</deviceName><picFile>iVBORwD/</picFile><picFileLength>6</picFileLength>"
    "<remarks>r</remarks><deviceId>d1</deviceId><isDefaultDevice>true</isDefaultDevice></return>"
    "<return><deviceId>d2</deviceId></return>"
    "<return xsi:nil=\"true\"/>";

// Both list results append after the caller's records; a present device
// always has its attribute and file; absent values read as 0, false, empty.
TEST(DeviceConversion, ReadsListedAndAddedDevices) {
  ConvertEngine engine("DEVICE");
  DEVICE__listDeviceResponse listed;
  ASSERT_TRUE(engine.Read("listDevice", kListedDevices, listed));
  DEVICE__addDeviceResponse added;
  ASSERT_TRUE(engine.Read("addDevice", kListedDevices, added));
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "listDevice" : "addDevice");
    auto earlier = boost::make_shared<StDevice>();
    std::vector<boost::shared_ptr<StDevice>> devices{earlier};
    EXPECT_TRUE(pass == 0 ? ReadResponse(listed, devices) : ReadResponse(added, devices));
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0], earlier);

    const StDevice &full = *devices[1];
    ASSERT_TRUE(full.attribute);
    EXPECT_EQ(full.attribute->height, 9007199254740993LL);
    EXPECT_EQ(full.attribute->length, 0);
    EXPECT_EQ(full.attribute->rotation, 0);
    EXPECT_EQ(full.attribute->width, 0);
    ASSERT_TRUE(full.deviceFile);
    EXPECT_EQ(full.deviceFile->md5, L"f");
    EXPECT_EQ(full.deviceFile->size, 12);
    EXPECT_EQ(full.deviceFile->uuid, L"");
    EXPECT_EQ(full.deviceName, L"水泵");
    EXPECT_EQ(full.picFile.bytes, std::string(reinterpret_cast<const char *>(kPicture), sizeof kPicture));
    EXPECT_EQ(full.picFile.size, 0);
    EXPECT_EQ(full.picFile.ptr, nullptr);
    EXPECT_EQ(full.picFileLength, 6);
    EXPECT_EQ(full.remarks, L"r");
    EXPECT_EQ(full.deviceId, L"d1");
    EXPECT_TRUE(full.isDefaultDevice);

    const StDevice &sparse = *devices[2];
    ASSERT_TRUE(sparse.attribute);
    EXPECT_EQ(sparse.attribute->height, 0);
    ASSERT_TRUE(sparse.deviceFile);
    EXPECT_EQ(sparse.deviceFile->md5, L"");
    EXPECT_EQ(sparse.picFile.bytes, "");
    EXPECT_EQ(sparse.picFileLength, 0);
    EXPECT_FALSE(sparse.isDefaultDevice);
    EXPECT_EQ(sparse.deviceId, L"d2");

    ASSERT_TRUE(devices[3]);
    EXPECT_FALSE(devices[3]->attribute);
    EXPECT_FALSE(devices[3]->deviceFile);
  }
}

TEST(DeviceConversion, ClonedDeviceIsAlwaysNew) {
  ConvertEngine engine("DEVICE");
  auto earlier = boost::make_shared<StDevice>();
  earlier->deviceId = L"old";
  boost::shared_ptr<StDevice> device = earlier;
  DEVICE__cloneDeviceResponse empty;
  ASSERT_TRUE(engine.Read("cloneDevice", "", empty));
  EXPECT_TRUE(ReadResponse(empty, device));
  ASSERT_TRUE(device);
  EXPECT_NE(device, earlier);
  EXPECT_EQ(earlier->deviceId, L"old");
  EXPECT_EQ(device->deviceId, L"");
  EXPECT_FALSE(device->attribute);
  EXPECT_FALSE(device->deviceFile);
  EXPECT_TRUE(device->picFile.isOctetStream);

  DEVICE__cloneDeviceResponse filled;
  ASSERT_TRUE(engine.Read("cloneDevice", "<return><deviceName>副本</deviceName><deviceId>d9</deviceId></return>",
                          filled));
  EXPECT_TRUE(ReadResponse(filled, device));
  EXPECT_EQ(device->deviceName, L"副本");
  EXPECT_EQ(device->deviceId, L"d9");
  EXPECT_TRUE(device->attribute);
  EXPECT_TRUE(device->deviceFile);
}

TEST(DeviceConversion, ReadsPicturesAndIdentifierLists) {
  ConvertEngine engine("DEVICE");
  DEVICE__getListDevicePicFileResponse pictures;
  ASSERT_TRUE(engine.Read("getListDevicePicFile",
                          "<return><deviceId>d1</deviceId><picFile>iVBORwD/</picFile>"
                          "<picFileLength>9007199254740993</picFileLength></return>"
                          "<return><deviceId>d2</deviceId></return>",
                          pictures));
  std::vector<boost::shared_ptr<StDevicePicFile>> files;
  EXPECT_TRUE(ReadResponse(pictures, files));
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0]->deviceId, L"d1");
  EXPECT_EQ(files[0]->picFile.bytes, std::string(reinterpret_cast<const char *>(kPicture), sizeof kPicture));
  EXPECT_EQ(files[0]->picFileLength, 9007199254740993LL);
  EXPECT_EQ(files[1]->picFile.bytes, "");
  EXPECT_EQ(files[1]->picFileLength, 0);

  DEVICE__editDeviceResponse edited;
  ASSERT_TRUE(engine.Read("editDevice", "<return>d1</return><return>设备</return><return></return>", edited));
  std::vector<std::wstring> ids{L"earlier"};
  EXPECT_TRUE(ReadResponse(edited, ids));
  EXPECT_EQ(ids, (std::vector<std::wstring>{L"earlier", L"d1", L"设备", L""}));

  DEVICE__removeDeviceResponse removed;
  ASSERT_TRUE(engine.Read("removeDevice", "", removed));
  EXPECT_TRUE(ReadResponse(removed, ids));
  EXPECT_EQ(ids.size(), 4u);
}

}  // namespace
}  // namespace kv::test
