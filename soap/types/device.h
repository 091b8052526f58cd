// Device service: devices picked out of the model, with their pictures.

//gsoap DEVICE service name: VXBeingExtractedDeviceWebServiceSoapBinding
//gsoap DEVICE service type: VXBeingExtractedDeviceWebService
//gsoap DEVICE service namespace: http://pathwalk.ws.ruvu/
//gsoap DEVICE service location: http://localhost:8080/RUVU/webservice/pathwalk/VXBeingExtractedDeviceWebService
//gsoap DEVICE service method-style: document
//gsoap DEVICE service method-encoding: literal
//gsoap DEVICE service method-action: cloneDevice ""
//gsoap DEVICE service method-action: editRemarks ""
//gsoap DEVICE service method-action: addDevice ""
//gsoap DEVICE service method-action: listDevice ""
//gsoap DEVICE service method-action: removeDevice ""
//gsoap DEVICE service method-action: editDevice ""
//gsoap DEVICE service method-action: getListDevicePicFile ""
//gsoap DEVICE service method-action: renameDevice ""
//gsoap DEVICE schema form: unqualified

#import "builtins.h"

class DEVICE__deviceAttribute
{
  public:
    xsd__long *height;
    xsd__long *length;
    xsd__long *rotation;
    xsd__long *width;
    struct soap *soap;
};

class DEVICE__moxFileAttribute
{
  public:
    std::string *md5;
    xsd__long *size;
    std::string *uuid;
    struct soap *soap;
};

class DEVICE__device4Add
{
  public:
    DEVICE__deviceAttribute *attribute;
    DEVICE__moxFileAttribute *deviceFile;
    std::string *deviceName;
    xsd__base64Binary *picFile;
    xsd__long *picFileLength;
    std::string *remarks;
    struct soap *soap;
};

class DEVICE__device4Edit : public DEVICE__device4Add
{
  public:
    std::string *deviceId;
};

class DEVICE__device : public DEVICE__device4Edit
{
  public:
    xsd__boolean *isDefaultDevice;
};

class DEVICE__devicePicFile
{
  public:
    std::string *deviceId;
    xsd__base64Binary *picFile;
    xsd__long *picFileLength;
    struct soap *soap;
};

class DEVICE__editRemarks
{
  public:
    std::string *deviceId;
    std::string *remarks;
    struct soap *soap;
};

class DEVICE__editRemarksResponse
{
  public:
    struct soap *soap;
};

class DEVICE__cloneDevice
{
  public:
    std::string *deviceId;
    std::string *deviceName;
    struct soap *soap;
};

class DEVICE__cloneDeviceResponse
{
  public:
    DEVICE__device *return_;
    struct soap *soap;
};

class DEVICE__listDevice
{
  public:
    struct soap *soap;
};

class DEVICE__listDeviceResponse
{
  public:
    std::vector<DEVICE__device *> return_;
    struct soap *soap;
};

class DEVICE__addDevice
{
  public:
    std::vector<DEVICE__device4Add *> devices;
    struct soap *soap;
};

class DEVICE__addDeviceResponse
{
  public:
    std::vector<DEVICE__device *> return_;
    struct soap *soap;
};

class DEVICE__removeDevice
{
  public:
    std::vector<std::string> deviceIds;
    struct soap *soap;
};

class DEVICE__removeDeviceResponse
{
  public:
    std::vector<std::string> return_;
    struct soap *soap;
};

class DEVICE__editDevice
{
  public:
    std::vector<DEVICE__device4Edit *> devices;
    struct soap *soap;
};

class DEVICE__editDeviceResponse
{
  public:
    std::vector<std::string> return_;
    struct soap *soap;
};

class DEVICE__renameDevice
{
  public:
    std::string *deviceId;
    std::string *newName;
    struct soap *soap;
};

class DEVICE__renameDeviceResponse
{
  public:
    struct soap *soap;
};

class DEVICE__getListDevicePicFile
{
  public:
    std::vector<std::string> deviceIds;
    struct soap *soap;
};

class DEVICE__getListDevicePicFileResponse
{
  public:
    std::vector<DEVICE__devicePicFile *> return_;
    struct soap *soap;
};

class DEVICE__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __DEVICE__cloneDevice(DEVICE__cloneDevice *DEVICE__cloneDevice_, DEVICE__cloneDeviceResponse &DEVICE__cloneDeviceResponse_);
int __DEVICE__editRemarks(DEVICE__editRemarks *DEVICE__editRemarks_, DEVICE__editRemarksResponse &DEVICE__editRemarksResponse_);
int __DEVICE__addDevice(DEVICE__addDevice *DEVICE__addDevice_, DEVICE__addDeviceResponse &DEVICE__addDeviceResponse_);
int __DEVICE__listDevice(DEVICE__listDevice *DEVICE__listDevice_, DEVICE__listDeviceResponse &DEVICE__listDeviceResponse_);
int __DEVICE__removeDevice(DEVICE__removeDevice *DEVICE__removeDevice_, DEVICE__removeDeviceResponse &DEVICE__removeDeviceResponse_);
int __DEVICE__editDevice(DEVICE__editDevice *DEVICE__editDevice_, DEVICE__editDeviceResponse &DEVICE__editDeviceResponse_);
int __DEVICE__getListDevicePicFile(DEVICE__getListDevicePicFile *DEVICE__getListDevicePicFile_, DEVICE__getListDevicePicFileResponse &DEVICE__getListDevicePicFileResponse_);
int __DEVICE__renameDevice(DEVICE__renameDevice *DEVICE__renameDevice_, DEVICE__renameDeviceResponse &DEVICE__renameDeviceResponse_);
