// The display names the record log shows for the program's own commands.
#pragma once

#include <map>
#include <string>

namespace KVREACT {

/// Sets (inserting or overwriting) the display names of the four logged
/// commands in `names`; other entries stay as they are.
void SetRecordLogNames(std::map<std::wstring, std::wstring> &names);

}  // namespace KVREACT
