#include "ui/Object.h"

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass *base) const {
  for (const CRuntimeClass *c = this; c; c = c->m_pBaseClass)
    if (c == base) return true;
  return false;
}

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};
const CRuntimeClass *CObject::GetRuntimeClass() const { return &classCObject; }

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
