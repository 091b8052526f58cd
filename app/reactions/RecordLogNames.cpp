#include "RecordLogNames.h"

namespace KVREACT {
namespace {

const std::pair<const wchar_t *, const wchar_t *> kRecordLogNames[] = {
    {L"APP_WORKSET_FLOORINFO", L"楼层信息"},
    {L"APP_WORKSET_BASEPOINT", L"指定基点"},
    {L"AppCmd_SaveViewPort", L"保存视口"},
    {L"APP_RECORD_PATH_CMD", L"录制"},
};

}  // namespace

void SetRecordLogNames(std::map<std::wstring, std::wstring> &names) {
  for (const auto &row : kRecordLogNames) names[row.first] = row.second;
}

}  // namespace KVREACT
