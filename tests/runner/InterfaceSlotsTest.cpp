// Hosts built separately call the runner's interfaces by slot: every
// virtual operation stands in the slot its table gives, and nothing follows
// the last one. The two destructor entries of the C++ ABI come first where
// the destructor is declared first, and last in IWebRedirect.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/ServClasses.h"

namespace kv::test {
namespace {

using KEEL::WEB::IInput;
using KEEL::WEB::IOutput;
using KEEL::WEB::IWebRedirect;
using KEEL::WEB::IWebRunner;
using ListRules = KEEL::CLASHRULE::CServ_listClashRules;
using RunnerBase = KEEL::WEB::CServRunBase<KEEL::CLASHRULE::CIn_listClashRules, KEEL::CLASHRULE::COut_listClashRules,
                                           VXClashRuleWebServiceSoapBindingProxy, ListRules>;

// The slot a pointer to a virtual operation names: on this ABI it holds one
// more than the slot's byte offset in the table, and no adjustment for an
// operation of the class itself or of its first base. -1 otherwise.
template <class Member>
long SlotOf(Member member) {
  static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t), "a pointer to member function is two words");
  std::ptrdiff_t words[2];
  std::memcpy(words, &member, sizeof words);
  if ((words[0] & 1) == 0 || words[1] != 0) return -1;
  return static_cast<long>((words[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void *)));
}

// The first slot after those of I: that of one operation added to I.
template <class I>
struct OneMore : I {
  virtual void Added() {}
};
template <class I>
long SlotsOf() {
  return SlotOf(&OneMore<I>::Added);
}

struct Slot {
  std::string operation;
  long slot;
  long expected;
};

void ExpectSlots(const std::vector<Slot> &slots) {
  for (const Slot &s : slots) {
    SCOPED_TRACE(s.operation);
    EXPECT_EQ(s.slot, s.expected);
  }
}

TEST(InterfaceSlots, RunnerInterfaceThenTheTemplatesOwnOperations) {
  ExpectSlots({
      {"SetServTag", SlotOf(&IWebRunner::SetServTag), 2},
      {"GetServTag", SlotOf(&IWebRunner::GetServTag), 3},
      {"GetServName", SlotOf(&IWebRunner::GetServName), 4},
      {"SetServAddr", SlotOf(&IWebRunner::SetServAddr), 5},
      {"GetServAddr", SlotOf(&IWebRunner::GetServAddr), 6},
      {"SetServPath", SlotOf(&IWebRunner::SetServPath), 7},
      {"GetInput", SlotOf(&IWebRunner::GetInput), 8},
      {"GetOutput", SlotOf(&IWebRunner::GetOutput), 9},
      {"RunServ", SlotOf(&IWebRunner::RunServ), 10},
      {"GetServError", SlotOf(&IWebRunner::GetServError), 11},
      {"IsSupportMultiThread", SlotOf(&IWebRunner::IsSupportMultiThread), 12},
      {"Clone", SlotOf(&IWebRunner::Clone), 13},
      {"SetConnectTimeout", SlotOf(&IWebRunner::SetConnectTimeout), 14},
      {"SetSendTimeout", SlotOf(&IWebRunner::SetSendTimeout), 15},
      {"SetRecvTimeout", SlotOf(&IWebRunner::SetRecvTimeout), 16},
      {"SetServSession", SlotOf(&IWebRunner::SetServSession), 17},
      {"GetServSession", SlotOf(&IWebRunner::GetServSession), 18},
      {"end of IWebRunner", SlotsOf<IWebRunner>(), 19},
      {"CreateNew", SlotOf(&RunnerBase::CreateNew), 19},
      {"RunServImp", SlotOf(&RunnerBase::RunServImp), 20},
      {"the runner's overrides in the same slots", SlotOf(&ListRules::RunServ), 10},
  });
}

TEST(InterfaceSlots, RedirectInputAndOutput) {
  ExpectSlots({
      {"SetRedirectUrl", SlotOf(&IWebRedirect::SetRedirectUrl), 0},
      {"end of IWebRedirect (then the destructor)", SlotsOf<IWebRedirect>(), 3},
      {"end of IInput (the destructor alone)", SlotsOf<IInput>(), 2},
      {"end of IOutput (the destructor alone)", SlotsOf<IOutput>(), 2},
  });
}

// The destructor, then SetInput or GetResult, in every typed interface.
TEST(InterfaceSlots, TypedInputAndOutputOfEveryOperation) {
  std::vector<Slot> slots;
#define KV_TEST_TYPED_SLOTS(SERVICE, Service, op, NAME, IN_KIND, InType, OUT_KIND, OutType)      \
  slots.push_back({NAME " SetInput", SlotOf(&KEEL::SERVICE::IWSIn_##op::SetInput), 2});         \
  slots.push_back({NAME " end of IWSIn_", SlotsOf<KEEL::SERVICE::IWSIn_##op>(), 3});            \
  slots.push_back({NAME " GetResult", SlotOf(&KEEL::SERVICE::IWSOut_##op::GetResult), 2});      \
  slots.push_back({NAME " end of IWSOut_", SlotsOf<KEEL::SERVICE::IWSOut_##op>(), 3});
  KV_WEB_OPERATIONS(KV_TEST_TYPED_SLOTS)
#undef KV_TEST_TYPED_SLOTS
  ASSERT_EQ(slots.size(), 4u * 55);
  ExpectSlots(slots);
}

}  // namespace
}  // namespace kv::test
