// Hole-check-situation service: the hole-check state of a scope.

//gsoap HOLECHECKSITUATION service name: VXHoleCheckSituationWebServiceSoapBinding
//gsoap HOLECHECKSITUATION service type: VXHoleCheckSituationWebService
//gsoap HOLECHECKSITUATION service namespace: http://hole.ws.ruvu/
//gsoap HOLECHECKSITUATION service location: http://localhost:8080/RUVU/webservice/hole/VXHoleCheckSituationWebService
//gsoap HOLECHECKSITUATION service method-style: document
//gsoap HOLECHECKSITUATION service method-encoding: literal
//gsoap HOLECHECKSITUATION service method-action: getHoleCheckSitaution ""
//gsoap HOLECHECKSITUATION service method-action: setHoleCheckSituation ""
//gsoap HOLECHECKSITUATION schema form: unqualified

#import "builtins.h"

class HOLECHECKSITUATION__affiliateQueryParam
{
  public:
    xsd__int *belongTo;
    xsd__int *wsid;
    struct soap *soap;
};

class HOLECHECKSITUATION__holeCheckSituation : public HOLECHECKSITUATION__affiliateQueryParam
{
  public:
    std::string *dateStamp;
    std::string *ruleId;
    xsd__boolean *unReleaseLock;
};

class HOLECHECKSITUATION__getHoleCheckSitaution
{
  public:
    HOLECHECKSITUATION__affiliateQueryParam *uniqueparam;
    struct soap *soap;
};

class HOLECHECKSITUATION__getHoleCheckSitautionResponse
{
  public:
    HOLECHECKSITUATION__holeCheckSituation *return_;
    struct soap *soap;
};

class HOLECHECKSITUATION__setHoleCheckSituation
{
  public:
    HOLECHECKSITUATION__holeCheckSituation *hcsituation;
    struct soap *soap;
};

class HOLECHECKSITUATION__setHoleCheckSituationResponse
{
  public:
    struct soap *soap;
};

class HOLECHECKSITUATION__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __HOLECHECKSITUATION__getHoleCheckSitaution(HOLECHECKSITUATION__getHoleCheckSitaution *HOLECHECKSITUATION__getHoleCheckSitaution_, HOLECHECKSITUATION__getHoleCheckSitautionResponse &HOLECHECKSITUATION__getHoleCheckSitautionResponse_);
int __HOLECHECKSITUATION__setHoleCheckSituation(HOLECHECKSITUATION__setHoleCheckSituation *HOLECHECKSITUATION__setHoleCheckSituation_, HOLECHECKSITUATION__setHoleCheckSituationResponse &HOLECHECKSITUATION__setHoleCheckSituationResponse_);
