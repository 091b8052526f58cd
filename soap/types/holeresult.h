// Hole-result service: the results of a hole check.

//gsoap HOLERESULT service name: VXHoleResultWebServiceSoapBinding
//gsoap HOLERESULT service type: VXHoleResultWebService
//gsoap HOLERESULT service namespace: http://hole.ws.ruvu/
//gsoap HOLERESULT service location: http://localhost:8080/RUVU/webservice/hole/VXHoleResultWebService
//gsoap HOLERESULT service method-style: document
//gsoap HOLERESULT service method-encoding: literal
//gsoap HOLERESULT service method-action: changeHoleResultRemarks ""
//gsoap HOLERESULT service method-action: changeHoleResultPicViewports ""
//gsoap HOLERESULT service method-action: findHoleResults ""
//gsoap HOLERESULT service method-action: changeHoleResultDigStats ""
//gsoap HOLERESULT service method-action: removeHoleResultsByWorkset ""
//gsoap HOLERESULT service method-action: saveAllHoleResults ""
//gsoap HOLERESULT service method-action: changeHoleResultHoleSize ""
//gsoap HOLERESULT service method-action: clearRemovedHoleResults ""
//gsoap HOLERESULT service method-action: changeHoleResultStates ""
//gsoap HOLERESULT service method-action: removeHoleResultsByIds ""
//gsoap HOLERESULT service method-action: removeHoleResultsByFloor ""
//gsoap HOLERESULT schema form: unqualified

#import "builtins.h"

class HOLERESULT__moxFileAttribute
{
  public:
    std::string *md5;
    xsd__long *size;
    std::string *uuid;
    struct soap *soap;
};

class HOLERESULT__point
{
  public:
    xsd__double x;
    xsd__double y;
    xsd__double z;
    struct soap *soap;
};

class HOLERESULT__direction
{
  public:
    HOLERESULT__point *end;
    HOLERESULT__point *start;
    struct soap *soap;
};

class HOLERESULT__elevation
{
  public:
    xsd__double *bottom;
    xsd__double *top;
    struct soap *soap;
};

class HOLERESULT__basicPage
{
  public:
    xsd__int currentPage;
    xsd__int pageSize;
    struct soap *soap;
};

class HOLERESULT__holeResult
{
  public:
    HOLERESULT__point *clashPoint;
    HOLERESULT__direction *directionVector;
    xsd__int *disposeState;
    HOLERESULT__elevation *elevation;
    std::string *holeId;
    HOLERESULT__point *holePoint;
    xsd__int *holeShape;
    xsd__int *holeType;
    std::string *majorComp;
    std::string *majorFloor;
    xsd__int *majorProject;
    std::string *minorComp;
    std::string *minorFloor;
    xsd__int *minorProject;
    HOLERESULT__point *normalVector;
    HOLERESULT__moxFileAttribute *picFile;
    HOLERESULT__direction *pipelineVector;
    std::string *remarks;
    std::string *size;
    std::string *viewport;
    struct soap *soap;
};

class HOLERESULT__affiliateQueryParam
{
  public:
    xsd__int *belongTo;
    xsd__int *wsid;
    struct soap *soap;
};

class HOLERESULT__holeResultRemarks : public HOLERESULT__affiliateQueryParam
{
  public:
    std::string *holeId;
    std::string *remarks;
};

class HOLERESULT__holeResultPicViewport : public HOLERESULT__affiliateQueryParam
{
  public:
    std::string *holeId;
    HOLERESULT__moxFileAttribute *picFile;
    std::string *viewport;
};

class HOLERESULT__holeResultDigState : public HOLERESULT__affiliateQueryParam
{
  public:
    std::string *holeId;
    xsd__int *state;
};

class HOLERESULT__holeResultHoleSize : public HOLERESULT__affiliateQueryParam
{
  public:
    std::string *holeId;
    std::string *size;
};

class HOLERESULT__holeResultState : public HOLERESULT__affiliateQueryParam
{
  public:
    std::string *holeId;
    xsd__int *state;
};

class HOLERESULT__holeResultFloor : public HOLERESULT__affiliateQueryParam
{
  public:
    std::string *majorFloor;
    xsd__int *majorProject;
};

class HOLERESULT__changeHoleResultRemarks
{
  public:
    std::vector<HOLERESULT__holeResultRemarks *> remarks;
    struct soap *soap;
};

class HOLERESULT__changeHoleResultRemarksResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__changeHoleResultPicViewports
{
  public:
    std::vector<HOLERESULT__holeResultPicViewport *> picViewports;
    struct soap *soap;
};

class HOLERESULT__changeHoleResultPicViewportsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__findHoleResults
{
  public:
    HOLERESULT__affiliateQueryParam *queryParam;
    HOLERESULT__basicPage *all;
    struct soap *soap;
};

class HOLERESULT__findHoleResultsResponse
{
  public:
    std::vector<HOLERESULT__holeResult *> return_;
    struct soap *soap;
};

class HOLERESULT__removeHoleResultsByWorkset
{
  public:
    HOLERESULT__affiliateQueryParam *workset;
    struct soap *soap;
};

class HOLERESULT__removeHoleResultsByWorksetResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__changeHoleResultDigStats
{
  public:
    std::vector<HOLERESULT__holeResultDigState *> digStates;
    struct soap *soap;
};

class HOLERESULT__changeHoleResultDigStatsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__saveAllHoleResults
{
  public:
    std::vector<HOLERESULT__holeResult *> holeResults;
    HOLERESULT__affiliateQueryParam *queryParam;
    HOLERESULT__basicPage *all;
    struct soap *soap;
};

class HOLERESULT__saveAllHoleResultsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__changeHoleResultHoleSize
{
  public:
    HOLERESULT__holeResultHoleSize *holeSize;
    struct soap *soap;
};

class HOLERESULT__changeHoleResultHoleSizeResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__clearRemovedHoleResults
{
  public:
    HOLERESULT__affiliateQueryParam *queryParam;
    struct soap *soap;
};

class HOLERESULT__clearRemovedHoleResultsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__removeHoleResultsByIds
{
  public:
    std::vector<std::string> holeIds;
    HOLERESULT__affiliateQueryParam *queryParam;
    HOLERESULT__basicPage *all;
    struct soap *soap;
};

class HOLERESULT__removeHoleResultsByIdsResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__changeHoleResultStates
{
  public:
    std::vector<HOLERESULT__holeResultState *> handleStates;
    struct soap *soap;
};

class HOLERESULT__changeHoleResultStatesResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__removeHoleResultsByFloor
{
  public:
    std::vector<HOLERESULT__holeResultFloor *> holeResultFloors;
    struct soap *soap;
};

class HOLERESULT__removeHoleResultsByFloorResponse
{
  public:
    struct soap *soap;
};

class HOLERESULT__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __HOLERESULT__changeHoleResultRemarks(HOLERESULT__changeHoleResultRemarks *HOLERESULT__changeHoleResultRemarks_, HOLERESULT__changeHoleResultRemarksResponse &HOLERESULT__changeHoleResultRemarksResponse_);
int __HOLERESULT__changeHoleResultPicViewports(HOLERESULT__changeHoleResultPicViewports *HOLERESULT__changeHoleResultPicViewports_, HOLERESULT__changeHoleResultPicViewportsResponse &HOLERESULT__changeHoleResultPicViewportsResponse_);
int __HOLERESULT__findHoleResults(HOLERESULT__findHoleResults *HOLERESULT__findHoleResults_, HOLERESULT__findHoleResultsResponse &HOLERESULT__findHoleResultsResponse_);
int __HOLERESULT__changeHoleResultDigStats(HOLERESULT__changeHoleResultDigStats *HOLERESULT__changeHoleResultDigStats_, HOLERESULT__changeHoleResultDigStatsResponse &HOLERESULT__changeHoleResultDigStatsResponse_);
int __HOLERESULT__removeHoleResultsByWorkset(HOLERESULT__removeHoleResultsByWorkset *HOLERESULT__removeHoleResultsByWorkset_, HOLERESULT__removeHoleResultsByWorksetResponse &HOLERESULT__removeHoleResultsByWorksetResponse_);
int __HOLERESULT__saveAllHoleResults(HOLERESULT__saveAllHoleResults *HOLERESULT__saveAllHoleResults_, HOLERESULT__saveAllHoleResultsResponse &HOLERESULT__saveAllHoleResultsResponse_);
int __HOLERESULT__changeHoleResultHoleSize(HOLERESULT__changeHoleResultHoleSize *HOLERESULT__changeHoleResultHoleSize_, HOLERESULT__changeHoleResultHoleSizeResponse &HOLERESULT__changeHoleResultHoleSizeResponse_);
int __HOLERESULT__clearRemovedHoleResults(HOLERESULT__clearRemovedHoleResults *HOLERESULT__clearRemovedHoleResults_, HOLERESULT__clearRemovedHoleResultsResponse &HOLERESULT__clearRemovedHoleResultsResponse_);
int __HOLERESULT__changeHoleResultStates(HOLERESULT__changeHoleResultStates *HOLERESULT__changeHoleResultStates_, HOLERESULT__changeHoleResultStatesResponse &HOLERESULT__changeHoleResultStatesResponse_);
int __HOLERESULT__removeHoleResultsByIds(HOLERESULT__removeHoleResultsByIds *HOLERESULT__removeHoleResultsByIds_, HOLERESULT__removeHoleResultsByIdsResponse &HOLERESULT__removeHoleResultsByIdsResponse_);
int __HOLERESULT__removeHoleResultsByFloor(HOLERESULT__removeHoleResultsByFloor *HOLERESULT__removeHoleResultsByFloor_, HOLERESULT__removeHoleResultsByFloorResponse &HOLERESULT__removeHoleResultsByFloorResponse_);
