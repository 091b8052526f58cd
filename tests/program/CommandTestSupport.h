// A fixture for the program's own commands: the application started with
// the program's real command table, its registry, command manager and the
// journal lines of one command or manager.
#pragma once

#include <boost/any.hpp>

#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "keel/cmd/CmdMgr.h"
#include "keel/frame/KeelData.h"

namespace kv::test {

class CommandTest : public ShellTest {
 protected:
  /// Starts the application (asserted).
  void SetUp() override;
  /// The core data of the started application.
  KEEL::FRAME::IKeelData *Data() const;
  /// "AppCommandMgr".
  KEEL::CMD::CCmdMgr *CmdMgr() const;
  /// The command `name` as T (null when missing or no T).
  template <class T>
  T *Command(const std::wstring &name) const {
    return dynamic_cast<T *>(CmdMgr()->GetCommand(name));
  }
  /// Runs `name` without a parameter; the manager's result.
  bool Run(const std::wstring &name);
  /// The journal entries of registry or command name `name` as
  /// "op|arg|arg", in order.
  std::vector<std::wstring> Calls(const std::wstring &name) const;
  /// Clears the journal.
  void ClearJournal() const;
};

}  // namespace kv::test
