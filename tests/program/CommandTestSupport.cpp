#include "CommandTestSupport.h"

#include "journal/Journal.h"

namespace kv::test {

void CommandTest::SetUp() {
  ASSERT_TRUE(Start());
  ASSERT_NE(Data(), nullptr);
  ASSERT_NE(CmdMgr(), nullptr);
  ClearJournal();
}

KEEL::FRAME::IKeelData *CommandTest::Data() const {
  return app && app->m_pFramework ? app->m_pFramework->GetCoreData() : nullptr;
}

KEEL::CMD::CCmdMgr *CommandTest::CmdMgr() const {
  return KEEL::FRAME::GetManagerAs<KEEL::CMD::CCmdMgr>(Data(), L"AppCommandMgr");
}

bool CommandTest::Run(const std::wstring &name) {
  boost::any none;
  return CmdMgr()->RunCommand(name, none);
}

std::vector<std::wstring> CommandTest::Calls(const std::wstring &name) const {
  std::vector<std::wstring> calls;
  for (const auto &entry : KVOUTSIDE::CJournal::Instance().Find(name)) {
    std::wstring call = entry.op;
    for (const auto &arg : entry.args) call += L"|" + arg;
    calls.push_back(call);
  }
  return calls;
}

void CommandTest::ClearJournal() const { KVOUTSIDE::CJournal::Instance().Clear(); }

}  // namespace kv::test
