// The managers' operation tables against the catalogue's: every operation
// of every service, under the same name and in the same order, and the
// method and callback named after the operation.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "catalogue/interfaces/OperationTable.h"
#include "managers/ManagerTable.h"

namespace kv::test {
namespace {

struct Row {
  std::string service;
  std::string op;
  std::string name;
  std::string method;
  std::string callback;
};

#define KV_TEST_MANAGER_ROW(D, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  {#SERVICE, #op, NAME, #Method, #Callback},
#define KV_TEST_MANAGER_ROWS(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) OPERATIONS(KV_TEST_MANAGER_ROW, ~)
#define KV_TEST_CATALOGUE_ROW(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType) \
  {#SERVICE, #op, NAME, "", ""},

const std::vector<Row> kManagerRows = {KV_WEB_MANAGERS(KV_TEST_MANAGER_ROWS)};
const std::vector<Row> kCatalogueRows = {KV_WEB_OPERATIONS(KV_TEST_CATALOGUE_ROW)};

std::map<std::string, std::vector<std::string>> NamesByService(const std::vector<Row> &rows) {
  std::map<std::string, std::vector<std::string>> names;
  for (auto &row : rows) names[row.service].push_back(row.name);
  return names;
}

TEST(ManagerTable, HoldsTheCataloguesOperationsInItsOrder) {
  EXPECT_EQ(kManagerRows.size(), 55u);
  EXPECT_EQ(NamesByService(kManagerRows), NamesByService(kCatalogueRows));
}

TEST(ManagerTable, MethodsAndCallbacksAreNamedAfterTheOperation) {
  for (auto &row : kManagerRows) {
    SCOPED_TRACE(row.name);
    std::string op = row.op;
    op[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(op[0])));
    EXPECT_EQ(row.method, "Service" + op);
    EXPECT_EQ(row.callback, "On" + row.method);
    EXPECT_EQ(row.name.substr(row.name.find('_') + 1), row.op);
  }
}

}  // namespace
}  // namespace kv::test
