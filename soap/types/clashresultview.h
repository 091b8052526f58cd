// Clash-result-overview service: floors and the overview of a clash-result set.

//gsoap CLASHRESULTVIEW service name: VXClashResultOverviewWebServiceSoapBinding
//gsoap CLASHRESULTVIEW service type: VXClashResultOverviewWebService
//gsoap CLASHRESULTVIEW service namespace: http://clash.ws.ruvu/
//gsoap CLASHRESULTVIEW service location: http://localhost:8080/RUVU/webservice/clash/VXClashResultOverviewWebService
//gsoap CLASHRESULTVIEW service method-style: document
//gsoap CLASHRESULTVIEW service method-encoding: literal
//gsoap CLASHRESULTVIEW service method-action: getListClashResultFoor ""
//gsoap CLASHRESULTVIEW service method-action: getClashResultOverview ""
//gsoap CLASHRESULTVIEW service method-action: setClashResultOverview ""
//gsoap CLASHRESULTVIEW service method-action: removeClashResultFoor ""
//gsoap CLASHRESULTVIEW service method-action: addClashResultFoor ""
//gsoap CLASHRESULTVIEW schema form: unqualified

#import "builtins.h"

class CLASHRESULTVIEW__clashResultUnique
{
  public:
    xsd__int *belongTo;
    xsd__int *wsid;
    struct soap *soap;
};

class CLASHRESULTVIEW__clashResultFloorInfo : public CLASHRESULTVIEW__clashResultUnique
{
  public:
    std::string *floor;
    std::string *resultName;
};

class CLASHRESULTVIEW__clashResultOverview : public CLASHRESULTVIEW__clashResultUnique
{
  public:
    std::string *dateStamp;
    std::string *ruleId;
    xsd__boolean *unReleaseLock;
};

class CLASHRESULTVIEW__getListClashResultFoor
{
  public:
    CLASHRESULTVIEW__clashResultUnique *unique;
    struct soap *soap;
};

class CLASHRESULTVIEW__getListClashResultFoorResponse
{
  public:
    std::vector<CLASHRESULTVIEW__clashResultFloorInfo *> return_;
    struct soap *soap;
};

class CLASHRESULTVIEW__getClashResultOverview
{
  public:
    CLASHRESULTVIEW__clashResultUnique *unique;
    struct soap *soap;
};

class CLASHRESULTVIEW__getClashResultOverviewResponse
{
  public:
    CLASHRESULTVIEW__clashResultOverview *return_;
    struct soap *soap;
};

class CLASHRESULTVIEW__setClashResultOverview
{
  public:
    CLASHRESULTVIEW__clashResultOverview *overview;
    struct soap *soap;
};

class CLASHRESULTVIEW__setClashResultOverviewResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTVIEW__removeClashResultFoor
{
  public:
    CLASHRESULTVIEW__clashResultUnique *unique;
    struct soap *soap;
};

class CLASHRESULTVIEW__removeClashResultFoorResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTVIEW__addClashResultFoor
{
  public:
    std::vector<CLASHRESULTVIEW__clashResultFloorInfo *> resultFoors;
    struct soap *soap;
};

class CLASHRESULTVIEW__addClashResultFoorResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTVIEW__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __CLASHRESULTVIEW__getListClashResultFoor(CLASHRESULTVIEW__getListClashResultFoor *CLASHRESULTVIEW__getListClashResultFoor_, CLASHRESULTVIEW__getListClashResultFoorResponse &CLASHRESULTVIEW__getListClashResultFoorResponse_);
int __CLASHRESULTVIEW__getClashResultOverview(CLASHRESULTVIEW__getClashResultOverview *CLASHRESULTVIEW__getClashResultOverview_, CLASHRESULTVIEW__getClashResultOverviewResponse &CLASHRESULTVIEW__getClashResultOverviewResponse_);
int __CLASHRESULTVIEW__setClashResultOverview(CLASHRESULTVIEW__setClashResultOverview *CLASHRESULTVIEW__setClashResultOverview_, CLASHRESULTVIEW__setClashResultOverviewResponse &CLASHRESULTVIEW__setClashResultOverviewResponse_);
int __CLASHRESULTVIEW__removeClashResultFoor(CLASHRESULTVIEW__removeClashResultFoor *CLASHRESULTVIEW__removeClashResultFoor_, CLASHRESULTVIEW__removeClashResultFoorResponse &CLASHRESULTVIEW__removeClashResultFoorResponse_);
int __CLASHRESULTVIEW__addClashResultFoor(CLASHRESULTVIEW__addClashResultFoor *CLASHRESULTVIEW__addClashResultFoor_, CLASHRESULTVIEW__addClashResultFoorResponse &CLASHRESULTVIEW__addClashResultFoorResponse_);
