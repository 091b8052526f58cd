// Every derived object on the wire carries its own xsi:type, also where it
// stands in a position declared with its own class; nothing else carries one.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DerivedClasses.h"
#include "LoopbackServer.h"
#include "Proxies.h"
#include "WireIo.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

template <class T>
void Place(std::vector<T *> &list, T *item) {
  list.push_back(item);
}
template <class T>
void Place(T *&member, T *item) {
  member = item;
}

struct DerivedCase {
  const char *typeName;  // "WALKPATH:path4Edit"
  const char *member;    // element of the derived object
  // Writes a message holding one default object of the class and returns
  // the XML that went out.
  std::function<std::string()> write;
};

#define KV_PROXY_ALIAS(PREFIX, Proxy, OPERATIONS) using ProxyOf##PREFIX = Proxy;
KV_SERVICES(KV_PROXY_ALIAS)
#undef KV_PROXY_ALIAS

// A request sent by the proxy to a loopback server.
#define KV_REQUEST_CASE(PREFIX, op, member, Class) \
  DerivedCase{#PREFIX ":" #Class, #member, [] { \
                LoopbackServer server; \
                server.ReplySoap("<ns1:" #op "Response xmlns:ns1=\"" + UriOf(#PREFIX) + "\"/>"); \
                PREFIX##__##Class item; \
                PREFIX##__##op request; \
                Place(request.member, &item); \
                PREFIX##__##op##Response response; \
                ProxyOf##PREFIX proxy(SOAP_ENC_MTOM); \
                const std::string url = server.Url("/RUVU/x"); \
                proxy.soap_endpoint = url.c_str(); \
                EXPECT_EQ(proxy.op(&request, &response), SOAP_OK); \
                return BodyChild(server.LastRequest().body); \
              }}

// A response, written in memory as the wire layer writes any message.
#define KV_RESPONSE_CASE(PREFIX, op, Class) \
  DerivedCase{#PREFIX ":" #Class, "return", [] { \
                Engine e(#PREFIX); \
                PREFIX##__##Class item; \
                PREFIX##__##op##Response response; \
                Place(response.return_, &item); \
                return WriteElement(e.get(), response, #PREFIX ":" #op "Response"); \
              }}

std::string UriOf(const std::string &prefix) {
  if (prefix == "DEVICE" || prefix == "WALKPATH") return kv::wire::kPathwalkAreaUri;
  if (prefix.rfind("CLASH", 0) == 0) return kv::wire::kClashAreaUri;
  return kv::wire::kHoleAreaUri;
}

const std::vector<DerivedCase> &Cases() {
  static const std::vector<DerivedCase> cases = {
      KV_REQUEST_CASE(DEVICE, editDevice, devices, device4Edit),
      KV_RESPONSE_CASE(DEVICE, cloneDevice, device),
      KV_REQUEST_CASE(WALKPATH, editPath, path, path4Edit),
      KV_RESPONSE_CASE(WALKPATH, listPath, path),
      KV_REQUEST_CASE(CLASHRESULTVIEW, addClashResultFoor, resultFoors, clashResultFloorInfo),
      KV_REQUEST_CASE(CLASHRESULTVIEW, setClashResultOverview, overview, clashResultOverview),
      KV_REQUEST_CASE(CLASHRESULTRELATED, removeFloorClashResult, clashResultFloors, clashResultFloor),
      KV_REQUEST_CASE(CLASHRESULTRELATED, setResultRemarks, remarks, clashResultRemarks),
      KV_REQUEST_CASE(CLASHRESULTRELATED, setResultDisposeState, disposeStates, clashResultDisposeState),
      KV_REQUEST_CASE(CLASHRESULTRELATED, setResultPicViewport, picViewport, clashResultPicViewport),
      KV_REQUEST_CASE(HOLECHECKSITUATION, setHoleCheckSituation, hcsituation, holeCheckSituation),
      KV_REQUEST_CASE(HOLERESULTFLOOR, addHoleResultFloors, resultFloors, holeResultFloorInfo),
      KV_REQUEST_CASE(HOLERESULT, changeHoleResultRemarks, remarks, holeResultRemarks),
      KV_REQUEST_CASE(HOLERESULT, changeHoleResultPicViewports, picViewports, holeResultPicViewport),
      KV_REQUEST_CASE(HOLERESULT, changeHoleResultDigStats, digStates, holeResultDigState),
      KV_REQUEST_CASE(HOLERESULT, changeHoleResultHoleSize, holeSize, holeResultHoleSize),
      KV_REQUEST_CASE(HOLERESULT, changeHoleResultStates, handleStates, holeResultState),
      KV_REQUEST_CASE(HOLERESULT, removeHoleResultsByFloor, holeResultFloors, holeResultFloor),
  };
  return cases;
}

size_t Count(const std::string &text, const std::string &what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(DerivedTypeNames, EveryDerivedClassCarriesItsOwnTypeInItsDeclaredPosition) {
  for (const DerivedCase &c : Cases()) {
    SCOPED_TRACE(c.typeName);
    const std::string xml = c.write();
    EXPECT_NE(xml.find(std::string("<") + c.member + " xsi:type=\"" + c.typeName + "\""), std::string::npos)
        << xml;
    EXPECT_EQ(Count(xml, "xsi:type="), 1u) << xml;
  }
}

TEST(DerivedTypeNames, TheTableCoversEveryDerivedClassOfTheDefinitions) {
  std::set<std::string> defined;
  const std::regex derived(R"(^class ([A-Z]+)__(\w+) : public [A-Z]+__\w+)");
  for (const char *file : {"clashresultrelated.h", "clashresultview.h", "clashrule.h", "device.h",
                           "holechecksituation.h", "holeresult.h", "holeresultfloor.h", "holerule.h",
                           "walkpath.h"}) {
    std::ifstream in(std::string(KV_SOAP_TYPES_DIR) + "/" + file);
    ASSERT_TRUE(in) << file;
    std::string line;
    std::smatch m;
    while (std::getline(in, line))
      if (std::regex_search(line, m, derived)) defined.insert(m[1].str() + ":" + m[2].str());
  }
  std::set<std::string> listed;
#define KV_LISTED(PREFIX, Class, Base) listed.insert(#PREFIX ":" #Class);
  KV_DERIVED_CLASSES(KV_LISTED)
#undef KV_LISTED
  EXPECT_EQ(listed, defined);
  std::set<std::string> tested;
  for (const DerivedCase &c : Cases()) tested.insert(c.typeName);
  EXPECT_EQ(tested, defined);
}

TEST(DerivedTypeNames, RootClassesMembersAndEmptyTextsCarryNone) {
  Engine e("WALKPATH");
  std::string empty, name = "a";
  int wsid = 3;
  WALKPATH__path4Add root;
  root.deviceId = &empty;
  root.pathName = &name;
  root.wsid = &wsid;
  WALKPATH__path4Edit edit;
  edit.pathId = &empty;
  WALKPATH__addPath request;
  request.paths = {&root, &edit};
  std::string xml = WithoutNamespaceDeclarations(WriteElement(e.get(), request, "WALKPATH:addPath"));
  EXPECT_NE(xml.find("<WALKPATH:addPath><paths><deviceId/><pathName>a</pathName><wsid>3</wsid></paths>"
                     "<paths xsi:type=\"WALKPATH:path4Edit\"><pathId/></paths></WALKPATH:addPath>"),
            std::string::npos)
      << xml;
}

}  // namespace
}  // namespace kv::test
