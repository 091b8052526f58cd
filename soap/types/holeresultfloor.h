// Hole-result-floor service: floor records of hole results.

//gsoap HOLERESULTFLOOR service name: VXHoleResultFloorWebServiceSoapBinding
//gsoap HOLERESULTFLOOR service type: VXHoleResultFloorWebService
//gsoap HOLERESULTFLOOR service namespace: http://hole.ws.ruvu/
//gsoap HOLERESULTFLOOR service location: http://localhost:8080/RUVU/webservice/hole/VXHoleResultFloorWebService
//gsoap HOLERESULTFLOOR service method-style: document
//gsoap HOLERESULTFLOOR service method-encoding: literal
//gsoap HOLERESULTFLOOR service method-action: removeHoleResultFloors ""
//gsoap HOLERESULTFLOOR service method-action: addHoleResultFloors ""
//gsoap HOLERESULTFLOOR service method-action: findHoleResultFloors ""
//gsoap HOLERESULTFLOOR schema form: unqualified

#import "builtins.h"

class HOLERESULTFLOOR__affiliateQueryParam
{
  public:
    xsd__int *belongTo;
    xsd__int *wsid;
    struct soap *soap;
};

class HOLERESULTFLOOR__holeResultFloorInfo : public HOLERESULTFLOOR__affiliateQueryParam
{
  public:
    std::string *floor;
    std::string *resultName;
};

class HOLERESULTFLOOR__removeHoleResultFloors
{
  public:
    HOLERESULTFLOOR__affiliateQueryParam *queryParam;
    struct soap *soap;
};

class HOLERESULTFLOOR__removeHoleResultFloorsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULTFLOOR__findHoleResultFloors
{
  public:
    HOLERESULTFLOOR__affiliateQueryParam *queryParam;
    struct soap *soap;
};

class HOLERESULTFLOOR__findHoleResultFloorsResponse
{
  public:
    std::vector<HOLERESULTFLOOR__holeResultFloorInfo *> return_;
    struct soap *soap;
};

class HOLERESULTFLOOR__addHoleResultFloors
{
  public:
    std::vector<HOLERESULTFLOOR__holeResultFloorInfo *> resultFloors;
    struct soap *soap;
};

class HOLERESULTFLOOR__addHoleResultFloorsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULTFLOOR__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __HOLERESULTFLOOR__removeHoleResultFloors(HOLERESULTFLOOR__removeHoleResultFloors *HOLERESULTFLOOR__removeHoleResultFloors_, HOLERESULTFLOOR__removeHoleResultFloorsResponse &HOLERESULTFLOOR__removeHoleResultFloorsResponse_);
int __HOLERESULTFLOOR__addHoleResultFloors(HOLERESULTFLOOR__addHoleResultFloors *HOLERESULTFLOOR__addHoleResultFloors_, HOLERESULTFLOOR__addHoleResultFloorsResponse &HOLERESULTFLOOR__addHoleResultFloorsResponse_);
int __HOLERESULTFLOOR__findHoleResultFloors(HOLERESULTFLOOR__findHoleResultFloors *HOLERESULTFLOOR__findHoleResultFloors_, HOLERESULTFLOOR__findHoleResultFloorsResponse &HOLERESULTFLOOR__findHoleResultFloorsResponse_);
