// All nine services in one generator run; the fault detail knows every
// service's Exception element. The typed members come before the generic
// element: the generic reader of this runtime cannot take an element whose
// name differs from the member's, so an Exception would otherwise be lost.

#import "device.h"
#import "clashresultview.h"
#import "clashresultrelated.h"
#import "clashrule.h"
#import "walkpath.h"
#import "holechecksituation.h"
#import "holeresultfloor.h"
#import "holeresult.h"
#import "holerule.h"


struct SOAP_ENV__Detail
{
    DEVICE__Exception *DEVICE__Exception_;
    CLASHRESULTVIEW__Exception *CLASHRESULTVIEW__Exception_;
    CLASHRESULTRELATED__Exception *CLASHRESULTRELATED__Exception_;
    CLASHRULE__Exception *CLASHRULE__Exception_;
    WALKPATH__Exception *WALKPATH__Exception_;
    HOLECHECKSITUATION__Exception *HOLECHECKSITUATION__Exception_;
    HOLERESULTFLOOR__Exception *HOLERESULTFLOOR__Exception_;
    HOLERESULT__Exception *HOLERESULT__Exception_;
    HOLERULE__Exception *HOLERULE__Exception_;
    int __type;
    void *fault;
    _XML __any;
};
