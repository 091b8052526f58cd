// Walk-path service: recorded walk-through paths.

//gsoap WALKPATH service name: VXPathWebServiceSoapBinding
//gsoap WALKPATH service type: VXPathWebService
//gsoap WALKPATH service namespace: http://pathwalk.ws.ruvu/
//gsoap WALKPATH service location: http://localhost:8080/RUVU/webservice/pathwork/VXPathWebService
//gsoap WALKPATH service method-style: document
//gsoap WALKPATH service method-encoding: literal
//gsoap WALKPATH service method-action: removePath ""
//gsoap WALKPATH service method-action: listPath ""
//gsoap WALKPATH service method-action: addPath ""
//gsoap WALKPATH service method-action: editPath ""
//gsoap WALKPATH service method-action: renamePath ""
//gsoap WALKPATH schema form: unqualified

#import "builtins.h"

class WALKPATH__path4Add
{
  public:
    xsd__int *belongTo;
    std::string *deviceId;
    std::string *pathName;
    xsd__base64Binary *pathdata;
    xsd__int *wsid;
    struct soap *soap;
};

class WALKPATH__path4Edit : public WALKPATH__path4Add
{
  public:
    std::string *pathId;
};

class WALKPATH__path : public WALKPATH__path4Edit
{
  public:
};

class WALKPATH__removePath
{
  public:
    std::vector<std::string> pathId;
    struct soap *soap;
};

class WALKPATH__removePathResponse
{
  public:
    std::vector<std::string> return_;
    struct soap *soap;
};

class WALKPATH__listPath
{
  public:
    xsd__int *id;
    xsd__int *belongTo;
    struct soap *soap;
};

class WALKPATH__listPathResponse
{
  public:
    std::vector<WALKPATH__path *> return_;
    struct soap *soap;
};

class WALKPATH__addPath
{
  public:
    std::vector<WALKPATH__path4Add *> paths;
    struct soap *soap;
};

class WALKPATH__addPathResponse
{
  public:
    std::vector<WALKPATH__path *> return_;
    struct soap *soap;
};

class WALKPATH__editPath
{
  public:
    std::vector<WALKPATH__path4Edit *> path;
    struct soap *soap;
};

class WALKPATH__editPathResponse
{
  public:
    std::vector<WALKPATH__path *> return_;
    struct soap *soap;
};

class WALKPATH__renamePath
{
  public:
    std::string *pathId;
    std::string *pathName;
    struct soap *soap;
};

class WALKPATH__renamePathResponse
{
  public:
    struct soap *soap;
};

class WALKPATH__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __WALKPATH__removePath(WALKPATH__removePath *WALKPATH__removePath_, WALKPATH__removePathResponse &WALKPATH__removePathResponse_);
int __WALKPATH__listPath(WALKPATH__listPath *WALKPATH__listPath_, WALKPATH__listPathResponse &WALKPATH__listPathResponse_);
int __WALKPATH__addPath(WALKPATH__addPath *WALKPATH__addPath_, WALKPATH__addPathResponse &WALKPATH__addPathResponse_);
int __WALKPATH__editPath(WALKPATH__editPath *WALKPATH__editPath_, WALKPATH__editPathResponse &WALKPATH__editPathResponse_);
int __WALKPATH__renamePath(WALKPATH__renamePath *WALKPATH__renamePath_, WALKPATH__renamePathResponse &WALKPATH__renamePathResponse_);
