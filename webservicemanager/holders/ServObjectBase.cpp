#include "holders/ServObjectBase.h"

namespace MOXAPP {

CServObjectBase::~CServObjectBase() {}

void CServObjectBase::SetFinished() { finished = true; }

void CServObjectBase::SetState(int value) { state = value != 0; }

void CServObjectBase::SetCode(const std::wstring &value) { code = value; }

void CServObjectBase::SetText(const std::wstring &value) { text = value; }

void CServObjectBase::SetFlag(bool value) { flag = value; }

bool CServObjectBase::IsFinished() { return finished; }

bool CServObjectBase::GetState() { return state; }

std::wstring CServObjectBase::GetCode() { return code; }

std::wstring CServObjectBase::GetText() { return text; }

bool CServObjectBase::GetFlag() { return flag; }

}  // namespace MOXAPP
