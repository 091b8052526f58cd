#include "keel/cmd/CmdMgr.h"

#include <dlfcn.h>

#include <pugixml.hpp>

#include <algorithm>
#include <exception>

#include "ui/UiThread.h"
#include "wrench/ConfigFile.h"
#include "wrench/LogMsg.h"
#include "wrench/TextConvert.h"

namespace KEEL::CMD {
namespace {

using GetCommandsFn = void (*)(std::vector<ICmdObject *> &);

void LogWarn(const std::wstring &text) { WRENCH::CLogMsg::LogMsg(WRENCH::LV_WARN, text.c_str()); }

std::wstring What(const std::exception &e) { return WRENCH::UTF8ToUnicode(e.what()); }

}  // namespace

CCmdMgr::CCmdMgr(KEEL::FRAME::IKeelData *data) : CMgrObject(L"AppCommandMgr"), data_(data) {}

CCmdMgr::~CCmdMgr() {
  viewConnections_.clear();
  for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
    try {
      (*it)->Release();
    } catch (const std::exception &e) {
      LogWarn(L"command release failed: " + What(e));
    }
    delete *it;
  }
}

void CCmdMgr::SetStatus(ICmdObject *command, int status) {
  if (auto *base = dynamic_cast<CCmdObject *>(command)) base->SetStatus(status);
}

ICmdObject *CCmdMgr::Find(const std::wstring &name) {
  for (ICmdObject *c : commands_)
    if (c->GetName() == name) return c;
  return nullptr;
}

ICmdObject *CCmdMgr::GetCommand(const std::wstring &name) {
  KVUI::AssertUiThread("CCmdMgr::GetCommand");
  return Find(name);
}

bool CCmdMgr::QueryCmdId(UINT id) {
  KVUI::AssertUiThread("CCmdMgr::QueryCmdId");
  auto it = ids_.find(id);
  return it != ids_.end() && Find(it->second);
}

std::wstring CCmdMgr::GetCmdName(UINT id) {
  KVUI::AssertUiThread("CCmdMgr::GetCmdName");
  auto it = ids_.find(id);
  return it == ids_.end() ? std::wstring() : it->second;
}

void CCmdMgr::Fault(int code, const std::wstring &text) {
  lastFault_.nCode = code;
  lastFault_.strText = text;
}

bool CCmdMgr::RunCommand(const std::wstring &name, boost::any &param) {
  KVUI::AssertUiThread("CCmdMgr::RunCommand");
  lastFault_ = CmdFault();
  ICmdObject *command = Find(name);
  if (!command) {
    Fault(CMD_FAULT_NOT_FOUND, L"命令不存在: " + name);
    return false;
  }
  if (executing_.count(command)) {
    Fault(CMD_FAULT_BUSY, L"命令正在执行: " + name);
    return false;
  }
  const bool pushPull = command->GetGroup() == CMD_GROUP_PUSHPULL;
  if (pushPull) {
    if (current_) StopCommand(std::wstring());
    current_ = command;
  }
  bool ok = false;
  std::wstring thrown;
  executing_.insert(command);
  SetStatus(command, CMD_STATUS_EXECUTING);
  try {
    command->SetParam(param);
    ok = command->Execute();
  } catch (const std::exception &e) {
    thrown = What(e);
  } catch (...) {
    thrown = L"unknown exception";
  }
  executing_.erase(command);

  CmdFault fault;
  if (thrown.empty()) {
    try {
      fault = command->GetFault();
    } catch (...) {
      thrown = L"GetFault threw";
    }
  }
  if (!thrown.empty()) {
    ok = false;
    fault = CmdFault{CMD_FAULT_EXCEPTION, L"命令异常: " + name + L": " + thrown};
    LogWarn(fault.strText);
  } else if (fault.nCode == 0 && !ok) {
    fault = CmdFault{CMD_FAULT_FAILED, L"命令执行失败: " + name};
  }
  const bool failed = fault.nCode != 0;

  if (current_ == command && !failed) {
    SetStatus(command, CMD_STATUS_RUNNING);
  } else {
    if (current_ == command) current_ = nullptr;
    SetStatus(command, pushPull ? CMD_STATUS_STOPPED : CMD_STATUS_IDLE);
  }
  // Runs nested inside this one set their faults earlier; this run's is
  // the last word.
  lastFault_ = fault;
  return !failed;
}

bool CCmdMgr::RunCommandById(UINT id, boost::any &param) {
  KVUI::AssertUiThread("CCmdMgr::RunCommandById");
  auto it = ids_.find(id);
  if (it == ids_.end()) {
    lastFault_ = CmdFault{CMD_FAULT_NOT_FOUND, L"命令标识不存在: " + std::to_wstring(id)};
    return false;
  }
  return RunCommand(it->second, param);
}

bool CCmdMgr::StopCommand(const std::wstring &name) {
  KVUI::AssertUiThread("CCmdMgr::StopCommand");
  ICmdObject *command = name.empty() ? current_ : Find(name);
  if (!command) return false;
  if (current_ == command) current_ = nullptr;
  try {
    if (command->PreStop()) command->Stop();
  } catch (const std::exception &e) {
    LogWarn(L"stopping " + command->GetName() + L" failed: " + What(e));
  } catch (...) {
    LogWarn(L"stopping " + command->GetName() + L" failed");
  }
  SetStatus(command, command->GetGroup() == CMD_GROUP_PUSHPULL ? CMD_STATUS_STOPPED : CMD_STATUS_IDLE);
  return true;
}

CmdFault CCmdMgr::GetLastFault() {
  KVUI::AssertUiThread("CCmdMgr::GetLastFault");
  return lastFault_;
}

void CCmdMgr::ReleaseObject() {
  KVUI::AssertUiThread("CCmdMgr::ReleaseObject");
  if (current_) StopCommand(std::wstring());
  viewConnections_.clear();
  view_ = nullptr;
}

ICmdObject *CCmdMgr::InputTarget() {
  if (current_) return current_;
  if (ICmdObject *resting = Find(resting_)) return resting;
  for (ICmdObject *c : commands_)
    if (c->GetGroup() == CMD_GROUP_IDLE) return c;
  return nullptr;
}

template <class Fn>
void CCmdMgr::Route(const char *what, Fn fn) {
  KVUI::AssertUiThread(what);
  ICmdObject *target = InputTarget();
  if (!target) return;
  try {
    fn(target);
  } catch (const std::exception &e) {
    LogWarn(L"view input to " + target->GetName() + L" failed: " + What(e));
  } catch (...) {
    LogWarn(L"view input to " + target->GetName() + L" failed");
  }
}

void CCmdMgr::SetViewMgr(KEEL::MFC::IMFCViewMgr *view) {
  KVUI::AssertUiThread("CCmdMgr::SetViewMgr");
  viewConnections_.clear();
  view_ = view;
  if (!view) return;
  using View = KEEL::MFC::IMFCViewMgr;
  using MouseOp = void (ICmdObject::*)(UINT, CPoint);
  static const std::pair<View::MsgType, MouseOp> kMouse[] = {
      {View::LBUTTONDOWN, &ICmdObject::OnLButtonDown},     {View::LBUTTONUP, &ICmdObject::OnLButtonUp},
      {View::LBUTTONDBLCLK, &ICmdObject::OnLButtonDblClk}, {View::RBUTTONDOWN, &ICmdObject::OnRButtonDown},
      {View::RBUTTONUP, &ICmdObject::OnRButtonUp},         {View::RBUTTONDBLCLK, &ICmdObject::OnRButtonDblClk},
      {View::MBUTTONDOWN, &ICmdObject::OnMButtonDown},     {View::MBUTTONUP, &ICmdObject::OnMButtonUp},
      {View::MBUTTONDBLCLK, &ICmdObject::OnMButtonDblClk}, {View::MOUSEMOVE, &ICmdObject::OnMouseMove},
  };
  for (const auto &entry : kMouse) {
    MouseOp op = entry.second;
    viewConnections_.emplace_back(view->ConnectMouseMsg(entry.first, [this, op](UINT flags, CPoint point) {
      Route("CCmdMgr mouse input", [&](ICmdObject *c) { (c->*op)(flags, point); });
    }));
  }
  viewConnections_.emplace_back(view->ConnectKeyMsg(View::KEYDOWN, [this](UINT key, UINT repeat, UINT flags) {
    Route("CCmdMgr key input", [&](ICmdObject *c) { c->OnKeyDown(key, repeat, flags); });
  }));
  viewConnections_.emplace_back(view->ConnectKeyMsg(View::KEYUP, [this](UINT key, UINT repeat, UINT flags) {
    Route("CCmdMgr key input", [&](ICmdObject *c) { c->OnKeyUp(key, repeat, flags); });
  }));
  viewConnections_.emplace_back(view->ConnectMouseMsgWheel([this](UINT flags, short delta, CPoint point) {
    int handled = 0;
    Route("CCmdMgr wheel input", [&](ICmdObject *c) { handled = c->OnMouseWheel(flags, delta, point); });
    return handled;
  }));
  viewConnections_.emplace_back(view->ConnectPreTranslateMessage([this](MSG *msg) {
    int eaten = 0;
    Route("CCmdMgr message", [&](ICmdObject *c) { eaten = c->PreTranslateMessage(msg); });
    return eaten;
  }));
}

bool CCmdMgr::LoadCommands(std::string &error) {
  KVUI::AssertUiThread("CCmdMgr::LoadCommands");
  auto getCommands = reinterpret_cast<GetCommandsFn>(dlsym(RTLD_DEFAULT, "GetCommands"));
  if (!getCommands) {
    error = "the program exports no GetCommands";
    return false;
  }
  std::vector<ICmdObject *> commands;
  try {
    getCommands(commands);
  } catch (const std::exception &e) {
    error = std::string("GetCommands failed: ") + e.what();
  } catch (...) {
    error = "GetCommands failed";
  }
  // What was handed over before a throw is still ours.
  for (ICmdObject *c : commands) AddCommand(c);
  return error.empty();
}

bool CCmdMgr::AddCommand(ICmdObject *command) {
  if (!command) return false;
  std::wstring name = command->GetName();
  if (Find(name)) {
    LogWarn(L"command \"" + name + L"\" is there already; the second one is dropped");
    delete command;
    return false;
  }
  commands_.push_back(command);
  try {
    command->SetKeelData(data_);
    if (!command->Initialize()) LogWarn(L"command \"" + name + L"\" did not initialise");
  } catch (const std::exception &e) {
    LogWarn(L"command \"" + name + L"\" did not initialise: " + What(e));
  }
  return true;
}

void CCmdMgr::BindCmdId(UINT id, const std::wstring &name) { ids_[id] = name; }

bool CCmdMgr::LoadCmdIds(const std::wstring &file) {
  pugi::xml_document doc;
  if (WRENCH::LoadConfigXml(file, doc) != WRENCH::ConfigRead::kLoaded) return false;
  for (pugi::xml_node cmd : doc.child("KvCmdIds").children("Cmd")) {
    unsigned id = cmd.attribute("id").as_uint(0);
    std::wstring name = WRENCH::UTF8ToUnicode(cmd.attribute("name").value());
    if (id && !name.empty()) BindCmdId(id, name);
  }
  return true;
}

void CCmdMgr::SetRestingCommand(const std::wstring &name) { resting_ = name; }

ICmdObject *CCmdMgr::GetCurrentCommand() { return current_; }

ICmdObject *CCmdMgr::GetInputCommand(const KEEL::MFC::IMFCViewMgr *view) {
  return view && view == view_ ? InputTarget() : nullptr;
}

std::vector<std::wstring> CCmdMgr::GetCommandNames() {
  std::vector<std::wstring> names;
  for (ICmdObject *c : commands_) names.push_back(c->GetName());
  return names;
}

}  // namespace KEEL::CMD
