// xsi:type polymorphism of the seven hierarchies: a derived object in a base
// position is written with its own type and members, and read back as the
// class its xsi:type names; without xsi:type the base class is made.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Proxies.h"
#include "WireIo.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

struct PolyCase {
  const char *name;
  const char *prefix;
  const char *uri;
  const char *requestTag;
  // Writes a request holding a derived object in a base position.
  std::function<std::string(struct soap *)> write;
  const char *expectedWritten;  // after namespace declarations are removed
  // Reads `xml` (the request element) and returns the dynamic class of the
  // base-position object: 0 base, 1 first derived, 2 second derived.
  std::function<int(struct soap *, const std::string &)> readKind;
  const char *memberXml;        // children of the base-position element
  const char *baseMember;       // element name of the base position
  const char *derivedTypes[2];  // xsi:type values to try
};

// 0 base, 1 first derived, 2 second derived; negative when nothing was read.
template <class Base, class D1, class D2>
int Classify(Base *object) {
  if (!object) return -2;
  if (dynamic_cast<D2 *>(object)) return 2;
  if (dynamic_cast<D1 *>(object)) return 1;
  return 0;
}

template <class Request, class Base, class D1, class D2>
int KindOf(struct soap *engine, const std::string &xml, const char *tag, Base *Request::*member) {
  Request request;
  if (!ReadElement(engine, xml, tag, &request)) return -1;
  return Classify<Base, D1, D2>(request.*member);
}

template <class Request, class Base, class D1, class D2>
int KindOfItem(struct soap *engine, const std::string &xml, const char *tag,
               std::vector<Base *> Request::*member) {
  Request request;
  if (!ReadElement(engine, xml, tag, &request)) return -1;
  if ((request.*member).size() != 1) return -2;
  return Classify<Base, D1, D2>((request.*member)[0]);
}

std::string s1 = "1";
int seven = 7;

const PolyCase kCases[] = {
    {"device chain", "DEVICE", kv::wire::kPathwalkAreaUri, "DEVICE:addDevice",
     [](struct soap *e) {
       static DEVICE__device4Edit device;
       device.soap_default(nullptr);
       device.deviceName = &s1;
       device.deviceId = &s1;
       DEVICE__addDevice request;
       request.devices.push_back(&device);
       return WriteElement(e, request, "DEVICE:addDevice");
     },
     "<DEVICE:addDevice><devices xsi:type=\"DEVICE:device4Edit\"><deviceName>1</deviceName>"
     "<deviceId>1</deviceId></devices></DEVICE:addDevice>",
     [](struct soap *e, const std::string &xml) {
       return KindOfItem<DEVICE__addDevice, DEVICE__device4Add, DEVICE__device4Edit, DEVICE__device>(
           e, xml, "DEVICE:addDevice", &DEVICE__addDevice::devices);
     },
     "<deviceId>1</deviceId><isDefaultDevice>true</isDefaultDevice>", "devices",
     {"DEVICE:device4Edit", "DEVICE:device"}},
    {"path chain", "WALKPATH", kv::wire::kPathwalkAreaUri, "WALKPATH:addPath",
     [](struct soap *e) {
       static WALKPATH__path4Edit path;
       path.soap_default(nullptr);
       path.wsid = &seven;
       path.pathId = &s1;
       WALKPATH__addPath request;
       request.paths.push_back(&path);
       return WriteElement(e, request, "WALKPATH:addPath");
     },
     "<WALKPATH:addPath><paths xsi:type=\"WALKPATH:path4Edit\"><wsid>7</wsid><pathId>1</pathId></paths>"
     "</WALKPATH:addPath>",
     [](struct soap *e, const std::string &xml) {
       return KindOfItem<WALKPATH__addPath, WALKPATH__path4Add, WALKPATH__path4Edit, WALKPATH__path>(
           e, xml, "WALKPATH:addPath", &WALKPATH__addPath::paths);
     },
     "<pathId>1</pathId>", "paths", {"WALKPATH:path4Edit", "WALKPATH:path"}},
    {"clash overview unique", "CLASHRESULTVIEW", kv::wire::kClashAreaUri,
     "CLASHRESULTVIEW:getListClashResultFoor",
     [](struct soap *e) {
       static CLASHRESULTVIEW__clashResultOverview overview;
       overview.soap_default(nullptr);
       overview.belongTo = &seven;
       overview.ruleId = &s1;
       CLASHRESULTVIEW__getListClashResultFoor request;
       request.unique = &overview;
       return WriteElement(e, request, "CLASHRESULTVIEW:getListClashResultFoor");
     },
     "<CLASHRESULTVIEW:getListClashResultFoor><unique xsi:type=\"CLASHRESULTVIEW:clashResultOverview\">"
     "<belongTo>7</belongTo><ruleId>1</ruleId></unique></CLASHRESULTVIEW:getListClashResultFoor>",
     [](struct soap *e, const std::string &xml) {
       return KindOf<CLASHRESULTVIEW__getListClashResultFoor, CLASHRESULTVIEW__clashResultUnique,
                     CLASHRESULTVIEW__clashResultFloorInfo, CLASHRESULTVIEW__clashResultOverview>(
           e, xml, "CLASHRESULTVIEW:getListClashResultFoor", &CLASHRESULTVIEW__getListClashResultFoor::unique);
     },
     "<belongTo>1</belongTo>", "unique",
     {"CLASHRESULTVIEW:clashResultFloorInfo", "CLASHRESULTVIEW:clashResultOverview"}},
    {"clash result unique", "CLASHRESULTRELATED", kv::wire::kClashAreaUri, "CLASHRESULTRELATED:getListClashResult",
     [](struct soap *e) {
       static CLASHRESULTRELATED__clashResultFloor floor;
       floor.soap_default(nullptr);
       floor.belongTo = &seven;
       floor.majorFloor = &s1;
       CLASHRESULTRELATED__getListClashResult request;
       request.clashResultUnique = &floor;
       return WriteElement(e, request, "CLASHRESULTRELATED:getListClashResult");
     },
     "<CLASHRESULTRELATED:getListClashResult><clashResultUnique xsi:type=\"CLASHRESULTRELATED:clashResultFloor\">"
     "<belongTo>7</belongTo><majorFloor>1</majorFloor></clashResultUnique></CLASHRESULTRELATED:getListClashResult>",
     [](struct soap *e, const std::string &xml) {
       return KindOf<CLASHRESULTRELATED__getListClashResult, CLASHRESULTRELATED__clashResultUnique,
                     CLASHRESULTRELATED__clashResultFloor, CLASHRESULTRELATED__clashResultPicViewport>(
           e, xml, "CLASHRESULTRELATED:getListClashResult",
           &CLASHRESULTRELATED__getListClashResult::clashResultUnique);
     },
     "<belongTo>1</belongTo>", "clashResultUnique",
     {"CLASHRESULTRELATED:clashResultFloor", "CLASHRESULTRELATED:clashResultPicViewport"}},
    {"hole result query", "HOLERESULT", kv::wire::kHoleAreaUri, "HOLERESULT:findHoleResults",
     [](struct soap *e) {
       static HOLERESULT__holeResultFloor floor;
       floor.soap_default(nullptr);
       floor.wsid = &seven;
       floor.majorProject = &seven;
       HOLERESULT__findHoleResults request;
       request.queryParam = &floor;
       return WriteElement(e, request, "HOLERESULT:findHoleResults");
     },
     "<HOLERESULT:findHoleResults><queryParam xsi:type=\"HOLERESULT:holeResultFloor\"><wsid>7</wsid>"
     "<majorProject>7</majorProject></queryParam></HOLERESULT:findHoleResults>",
     [](struct soap *e, const std::string &xml) {
       return KindOf<HOLERESULT__findHoleResults, HOLERESULT__affiliateQueryParam, HOLERESULT__holeResultRemarks,
                     HOLERESULT__holeResultFloor>(e, xml, "HOLERESULT:findHoleResults",
                                                  &HOLERESULT__findHoleResults::queryParam);
     },
     "<belongTo>1</belongTo>", "queryParam", {"HOLERESULT:holeResultRemarks", "HOLERESULT:holeResultFloor"}},
    {"hole floor query", "HOLERESULTFLOOR", kv::wire::kHoleAreaUri, "HOLERESULTFLOOR:findHoleResultFloors",
     [](struct soap *e) {
       static HOLERESULTFLOOR__holeResultFloorInfo info;
       info.soap_default(nullptr);
       info.floor = &s1;
       HOLERESULTFLOOR__findHoleResultFloors request;
       request.queryParam = &info;
       return WriteElement(e, request, "HOLERESULTFLOOR:findHoleResultFloors");
     },
     "<HOLERESULTFLOOR:findHoleResultFloors><queryParam xsi:type=\"HOLERESULTFLOOR:holeResultFloorInfo\">"
     "<floor>1</floor></queryParam></HOLERESULTFLOOR:findHoleResultFloors>",
     [](struct soap *e, const std::string &xml) {
       return KindOf<HOLERESULTFLOOR__findHoleResultFloors, HOLERESULTFLOOR__affiliateQueryParam,
                     HOLERESULTFLOOR__holeResultFloorInfo, HOLERESULTFLOOR__holeResultFloorInfo>(
           e, xml, "HOLERESULTFLOOR:findHoleResultFloors", &HOLERESULTFLOOR__findHoleResultFloors::queryParam);
     },
     "<belongTo>1</belongTo>", "queryParam",
     {"HOLERESULTFLOOR:holeResultFloorInfo", "HOLERESULTFLOOR:holeResultFloorInfo"}},
    {"hole check situation", "HOLECHECKSITUATION", kv::wire::kHoleAreaUri,
     "HOLECHECKSITUATION:getHoleCheckSitaution",
     [](struct soap *e) {
       static HOLECHECKSITUATION__holeCheckSituation situation;
       static bool locked = true;
       situation.soap_default(nullptr);
       situation.unReleaseLock = &locked;
       HOLECHECKSITUATION__getHoleCheckSitaution request;
       request.uniqueparam = &situation;
       return WriteElement(e, request, "HOLECHECKSITUATION:getHoleCheckSitaution");
     },
     "<HOLECHECKSITUATION:getHoleCheckSitaution><uniqueparam xsi:type=\"HOLECHECKSITUATION:holeCheckSituation\">"
     "<unReleaseLock>true</unReleaseLock></uniqueparam></HOLECHECKSITUATION:getHoleCheckSitaution>",
     [](struct soap *e, const std::string &xml) {
       return KindOf<HOLECHECKSITUATION__getHoleCheckSitaution, HOLECHECKSITUATION__affiliateQueryParam,
                     HOLECHECKSITUATION__holeCheckSituation, HOLECHECKSITUATION__holeCheckSituation>(
           e, xml, "HOLECHECKSITUATION:getHoleCheckSitaution",
           &HOLECHECKSITUATION__getHoleCheckSitaution::uniqueparam);
     },
     "<belongTo>1</belongTo>", "uniqueparam",
     {"HOLECHECKSITUATION:holeCheckSituation", "HOLECHECKSITUATION:holeCheckSituation"}},
};

std::string RequestXml(const PolyCase &c, const std::string &typeAttribute) {
  return std::string("<") + c.requestTag + " xmlns:" + c.prefix + "=\"" + c.uri +
         "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><" + c.baseMember + typeAttribute + ">" +
         c.memberXml + "</" + c.baseMember + "></" + c.requestTag + ">";
}

TEST(Polymorphism, DerivedObjectsAreWrittenWithTheirTypeAndMembers) {
  for (const PolyCase &c : kCases) {
    SCOPED_TRACE(c.name);
    Engine e(c.prefix);
    std::string xml = WithoutNamespaceDeclarations(c.write(e.get()));
    EXPECT_NE(xml.find(c.expectedWritten), std::string::npos) << xml;
  }
}

TEST(Polymorphism, XsiTypeSelectsTheDerivedClass) {
  for (const PolyCase &c : kCases) {
    SCOPED_TRACE(c.name);
    {
      Engine e(c.prefix);
      EXPECT_EQ(c.readKind(e.get(), RequestXml(c, "")), 0) << "no xsi:type gives the base";
    }
    {
      Engine e(c.prefix);
      EXPECT_EQ(c.readKind(e.get(), RequestXml(c, " xsi:type=\"ns9:unknownType\" xmlns:ns9=\"urn:x\"")), 0);
    }
    for (int kind = 1; kind <= 2; ++kind) {
      Engine e(c.prefix);
      // A different prefix bound to the same namespace must match too.
      std::string type = c.derivedTypes[kind - 1];
      type = "q:" + type.substr(type.find(':') + 1);
      std::string attribute = std::string(" xmlns:q=\"") + c.uri + "\" xsi:type=\"" + type + "\"";
      // A single derived class is listed twice and reported as the second.
      int expected = std::string(c.derivedTypes[0]) == c.derivedTypes[1] ? 2 : kind;
      EXPECT_EQ(c.readKind(e.get(), RequestXml(c, attribute)), expected) << type;
    }
  }
}

}  // namespace
}  // namespace kv::test
