// The proxies against the independent test server: our service definitions
// must agree with its hand-written schemas.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Proxies.h"
#include "WireTestUtil.h"

namespace kv::test {
namespace {

std::string PeerUrl(const std::string &path) {
  std::ifstream in(KV_PEER_STATE "/peer.port");
  std::string port;
  in >> port;
  return "http://127.0.0.1:" + port + path;
}

TEST(Peer, ClashRulesAddListAndRename) {
  const std::string url = PeerUrl("/RUVU/webservice/clash/VXClashRuleWebService");
  VXClashRuleWebServiceSoapBindingProxy proxy(SOAP_ENC_MTOM);
  UseUtf8(proxy);
  proxy.soap_endpoint = url.c_str();

  std::string name = "碰撞规则", md5 = "abc";
  LONG64 size = 9007199254740993LL;
  CLASHRULE__moxFileAttribute file;
  file.md5 = &md5;
  file.size = &size;
  CLASHRULE__clashRule4Add rule;
  rule.ruleFile = &file;
  rule.ruleName = &name;
  CLASHRULE__addClashRule add;
  add.clashRule = &rule;
  CLASHRULE__addClashRuleResponse added;
  ASSERT_EQ(proxy.addClashRule(&add, &added), SOAP_OK) << (proxy.soap_fault_string() ? proxy.soap_fault_string() : "");
  ASSERT_NE(added.return_, nullptr);

  std::string newName = "改名";
  CLASHRULE__renameClashRule rename;
  rename.ruleId = added.return_;
  rename.newName = &newName;
  CLASHRULE__renameClashRuleResponse renamed;
  ASSERT_EQ(proxy.renameClashRule(&rename, &renamed), SOAP_OK);

  CLASHRULE__listClashRules list;
  CLASHRULE__listClashRulesResponse listed;
  ASSERT_EQ(proxy.listClashRules(&list, &listed), SOAP_OK);
  const CLASHRULE__clashRule *found = nullptr;
  for (const CLASHRULE__clashRule *r : listed.return_)
    if (r->ruleId && *r->ruleId == *added.return_) found = r;
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(*found->ruleName, "改名");
  ASSERT_NE(found->ruleFile, nullptr);
  EXPECT_EQ(*found->ruleFile->size, 9007199254740993LL);
}

}  // namespace
}  // namespace kv::test
