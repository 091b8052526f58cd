// The managers' operation tables against the catalogue's: every operation
// of every service, under the same name and in the same order, and the
// method and callback named after the operation. The managers' declared
// interfaces against their tables: the same operations in the same slots.
#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "KvWebServiceManager.h"
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

// The slot of a virtual member function in its class's table, read from
// the member pointer (Itanium C++ ABI on x86: 1 + the slot's byte offset);
// -1 when it is not virtual.
template <class F>
std::ptrdiff_t Slot(F member) {
  static_assert(sizeof(F) == 2 * sizeof(std::ptrdiff_t), "an Itanium member function pointer");
  std::ptrdiff_t words[2];
  std::memcpy(words, &member, sizeof words);
  if ((words[0] & 1) == 0) return -1;
  return (words[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void *));
}

struct OperationSlots {
  std::string method;
  std::ptrdiff_t async, sync, callback;
};

struct ManagerSlots {
  std::string manager;
  std::ptrdiff_t reset;
  std::vector<OperationSlots> operations;
};

#define KV_TEST_OPERATION_SLOTS(IMgr, SERVICE, op, NAME, Method, Callback, IN_KIND, InType, HOLDER, St) \
  {#Method, Slot(static_cast<void *(IMgr::*)(KV_MGR_INPUT_##IN_KIND(InType) IMgr::Query *)>(&IMgr::Method)), \
   Slot(static_cast<void *(IMgr::*)(KV_MGR_INPUT_##IN_KIND(InType)::boost::shared_ptr<KV_MGR_HOLDER_##HOLDER(St)> &)>( \
       &IMgr::Method)), \
   Slot(&IMgr::Query::Callback)},
#define KV_TEST_MANAGER_SLOTS(SERVICE, CMgr, IMgr, IQuery, OPERATIONS) \
  ManagerSlots{#IMgr, Slot(&KVWEBSERVICEMANAGER::SERVICE::IMgr::ReSetObserver), \
               {OPERATIONS(KV_TEST_OPERATION_SLOTS, KVWEBSERVICEMANAGER::SERVICE::IMgr)}},

// Callers built against the interfaces call by slot: the headers declare
// the operations in the table's order, the destructor and ReSetObserver
// first, each operation's observer form before its holder form; the
// observer's callbacks from the first slot on.
TEST(ManagerTable, DeclaredSlotsFollowTheTable) {
#if defined(__x86_64__)
  const std::vector<ManagerSlots> kManagers = {KV_WEB_MANAGERS(KV_TEST_MANAGER_SLOTS)};
  for (auto &m : kManagers) {
    SCOPED_TRACE(m.manager);
    EXPECT_EQ(m.reset, 2) << "after the destructor's two entries";
    for (std::size_t k = 0; k < m.operations.size(); ++k) {
      const OperationSlots &o = m.operations[k];
      SCOPED_TRACE(o.method);
      const auto slot = static_cast<std::ptrdiff_t>(k);
      EXPECT_EQ(o.async, m.reset + 1 + 2 * slot);
      EXPECT_EQ(o.sync, m.reset + 2 + 2 * slot);
      EXPECT_EQ(o.callback, slot);
    }
  }
#else
  GTEST_SKIP() << "reads Itanium x86 member pointers";
#endif
}

}  // namespace
}  // namespace kv::test
