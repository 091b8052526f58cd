#include "CommandBase.h"

CCommandBase::~CCommandBase() {}

bool CCommandBase::IsClickButton() const { return false; }

void CCommandBase::SetClickButton(bool) {}
