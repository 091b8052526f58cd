#include "KvCompAttrCmd.h"

#include <utility>

CKvCompAttrCmd::CKvCompAttrCmd(std::wstring name) : m_strName(std::move(name)) {}

CKvCompAttrCmd::CKvCompAttrCmd(const CKvCompAttrCmd &other) : CPushMsgCmdObj(other), m_strName(other.m_strName) {}

CKvCompAttrCmd &CKvCompAttrCmd::operator=(const CKvCompAttrCmd &other) {
  CPushMsgCmdObj::operator=(other);
  m_strName = other.m_strName;
  return *this;
}

CKvCompAttrCmd::~CKvCompAttrCmd() {}

std::wstring CKvCompAttrCmd::GetName() { return m_strName; }

bool CKvCompAttrCmd::Executing() { return true; }

bool CKvCompAttrCmd::PreStop() { return true; }
