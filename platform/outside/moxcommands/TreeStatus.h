// The state record of the shared display trees (header only: the
// display-control manager passes it too).
#pragma once

#include <string>
#include <vector>

namespace MOXCOMMANDS::SHARED_UI {

/// A display tree's state: the operator it shows and its expanded and
/// checked nodes. Copied whole.
struct StTreeStatus {
  std::wstring strName;
  std::vector<std::wstring> vecExpanded;
  std::vector<std::wstring> vecChecked;
};

}  // namespace MOXCOMMANDS::SHARED_UI
