// Clash-result service: single clash results and their changes.

//gsoap CLASHRESULTRELATED service name: VXClashResultRelatedWebServiceSoapBinding
//gsoap CLASHRESULTRELATED service type: VXClashResultRelatedWebService
//gsoap CLASHRESULTRELATED service namespace: http://clash.ws.ruvu/
//gsoap CLASHRESULTRELATED service location: http://localhost:8080/RUVU/webservice/clash/VXClashResultRelatedWebService
//gsoap CLASHRESULTRELATED service method-style: document
//gsoap CLASHRESULTRELATED service method-encoding: literal
//gsoap CLASHRESULTRELATED service method-action: removeFloorClashResult ""
//gsoap CLASHRESULTRELATED service method-action: setResultRemarks ""
//gsoap CLASHRESULTRELATED service method-action: removeSignAllClashResult ""
//gsoap CLASHRESULTRELATED service method-action: clearRemovedClashResult ""
//gsoap CLASHRESULTRELATED service method-action: removeSignClashResultId ""
//gsoap CLASHRESULTRELATED service method-action: setResultDisposeState ""
//gsoap CLASHRESULTRELATED service method-action: getListClashResult ""
//gsoap CLASHRESULTRELATED service method-action: setResultPicViewport ""
//gsoap CLASHRESULTRELATED service method-action: saveAllClashResult ""
//gsoap CLASHRESULTRELATED schema form: unqualified

#import "builtins.h"

class CLASHRESULTRELATED__moxFileAttribute
{
  public:
    std::string *md5;
    xsd__long *size;
    std::string *uuid;
    struct soap *soap;
};

class CLASHRESULTRELATED__clashResultUnique
{
  public:
    xsd__int *belongTo;
    xsd__int *wsid;
    struct soap *soap;
};

class CLASHRESULTRELATED__clashResultFloor : public CLASHRESULTRELATED__clashResultUnique
{
  public:
    std::string *majorFloor;
    xsd__int *majorProject;
};

class CLASHRESULTRELATED__clashResultRemarks : public CLASHRESULTRELATED__clashResultUnique
{
  public:
    std::string *clashId;
    std::string *remarks;
};

class CLASHRESULTRELATED__clashResultDisposeState : public CLASHRESULTRELATED__clashResultUnique
{
  public:
    std::string *clashId;
    xsd__int *disposeState;
};

class CLASHRESULTRELATED__clashResultPicViewport : public CLASHRESULTRELATED__clashResultUnique
{
  public:
    std::string *clashId;
    CLASHRESULTRELATED__moxFileAttribute *picFile;
    std::string *viewport;
};

class CLASHRESULTRELATED__clashResult
{
  public:
    std::string *clashId;
    std::string *clashModel;
    std::string *clashPoint;
    xsd__int *disposeState;
    std::string *lesserComp;
    std::string *lesserFloor;
    xsd__int *lesserProject;
    std::string *majorComp;
    std::string *majorFloor;
    xsd__int *majorProject;
    CLASHRESULTRELATED__moxFileAttribute *picFile;
    std::string *remarks;
    std::string *viewport;
    struct soap *soap;
};

class CLASHRESULTRELATED__basicPage
{
  public:
    xsd__int currentPage;
    xsd__int pageSize;
    struct soap *soap;
};

class CLASHRESULTRELATED__removeFloorClashResult
{
  public:
    std::vector<CLASHRESULTRELATED__clashResultFloor *> clashResultFloors;
    struct soap *soap;
};

class CLASHRESULTRELATED__removeFloorClashResultResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__setResultRemarks
{
  public:
    std::vector<CLASHRESULTRELATED__clashResultRemarks *> remarks;
    struct soap *soap;
};

class CLASHRESULTRELATED__setResultRemarksResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__removeSignAllClashResult
{
  public:
    CLASHRESULTRELATED__clashResultUnique *clashResultUnique;
    struct soap *soap;
};

class CLASHRESULTRELATED__removeSignAllClashResultResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__clearRemovedClashResult
{
  public:
    CLASHRESULTRELATED__clashResultUnique *clashResultUnique;
    struct soap *soap;
};

class CLASHRESULTRELATED__clearRemovedClashResultResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__removeSignClashResultId
{
  public:
    std::vector<std::string> clashId;
    CLASHRESULTRELATED__clashResultUnique *clashResultUnique;
    CLASHRESULTRELATED__basicPage *page;
    struct soap *soap;
};

class CLASHRESULTRELATED__removeSignClashResultIdResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__setResultDisposeState
{
  public:
    std::vector<CLASHRESULTRELATED__clashResultDisposeState *> disposeStates;
    struct soap *soap;
};

class CLASHRESULTRELATED__setResultDisposeStateResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__getListClashResult
{
  public:
    CLASHRESULTRELATED__clashResultUnique *clashResultUnique;
    CLASHRESULTRELATED__basicPage *page;
    struct soap *soap;
};

class CLASHRESULTRELATED__getListClashResultResponse
{
  public:
    std::vector<CLASHRESULTRELATED__clashResult *> return_;
    struct soap *soap;
};

class CLASHRESULTRELATED__setResultPicViewport
{
  public:
    std::vector<CLASHRESULTRELATED__clashResultPicViewport *> picViewport;
    struct soap *soap;
};

class CLASHRESULTRELATED__setResultPicViewportResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__saveAllClashResult
{
  public:
    std::vector<CLASHRESULTRELATED__clashResult *> clashResultInfos;
    CLASHRESULTRELATED__clashResultUnique *clashResultUnique;
    CLASHRESULTRELATED__basicPage *page;
    struct soap *soap;
};

class CLASHRESULTRELATED__saveAllClashResultResponse
{
  public:
    struct soap *soap;
};

class CLASHRESULTRELATED__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __CLASHRESULTRELATED__removeFloorClashResult(CLASHRESULTRELATED__removeFloorClashResult *CLASHRESULTRELATED__removeFloorClashResult_, CLASHRESULTRELATED__removeFloorClashResultResponse &CLASHRESULTRELATED__removeFloorClashResultResponse_);
int __CLASHRESULTRELATED__setResultRemarks(CLASHRESULTRELATED__setResultRemarks *CLASHRESULTRELATED__setResultRemarks_, CLASHRESULTRELATED__setResultRemarksResponse &CLASHRESULTRELATED__setResultRemarksResponse_);
int __CLASHRESULTRELATED__removeSignAllClashResult(CLASHRESULTRELATED__removeSignAllClashResult *CLASHRESULTRELATED__removeSignAllClashResult_, CLASHRESULTRELATED__removeSignAllClashResultResponse &CLASHRESULTRELATED__removeSignAllClashResultResponse_);
int __CLASHRESULTRELATED__clearRemovedClashResult(CLASHRESULTRELATED__clearRemovedClashResult *CLASHRESULTRELATED__clearRemovedClashResult_, CLASHRESULTRELATED__clearRemovedClashResultResponse &CLASHRESULTRELATED__clearRemovedClashResultResponse_);
int __CLASHRESULTRELATED__removeSignClashResultId(CLASHRESULTRELATED__removeSignClashResultId *CLASHRESULTRELATED__removeSignClashResultId_, CLASHRESULTRELATED__removeSignClashResultIdResponse &CLASHRESULTRELATED__removeSignClashResultIdResponse_);
int __CLASHRESULTRELATED__setResultDisposeState(CLASHRESULTRELATED__setResultDisposeState *CLASHRESULTRELATED__setResultDisposeState_, CLASHRESULTRELATED__setResultDisposeStateResponse &CLASHRESULTRELATED__setResultDisposeStateResponse_);
int __CLASHRESULTRELATED__getListClashResult(CLASHRESULTRELATED__getListClashResult *CLASHRESULTRELATED__getListClashResult_, CLASHRESULTRELATED__getListClashResultResponse &CLASHRESULTRELATED__getListClashResultResponse_);
int __CLASHRESULTRELATED__setResultPicViewport(CLASHRESULTRELATED__setResultPicViewport *CLASHRESULTRELATED__setResultPicViewport_, CLASHRESULTRELATED__setResultPicViewportResponse &CLASHRESULTRELATED__setResultPicViewportResponse_);
int __CLASHRESULTRELATED__saveAllClashResult(CLASHRESULTRELATED__saveAllClashResult *CLASHRESULTRELATED__saveAllClashResult_, CLASHRESULTRELATED__saveAllClashResultResponse &CLASHRESULTRELATED__saveAllClashResultResponse_);
