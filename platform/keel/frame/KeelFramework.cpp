#include "keel/frame/KeelFramework.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "keel/cmd/CmdMgr.h"
#include "keel/config/VarConfigMgr.h"
#include "keel/web/AppWebServiceMgr.h"
#include "ui/UiThread.h"
#include "wrench/LogMsg.h"
#include "wrench/SysRoot.h"
#include "wrench/TextConvert.h"

namespace KEEL::FRAME {
namespace {

std::mutex g_pathsMutex;
std::wstring g_logProperties, g_logFile, g_languageRes;

void Log(WRENCH::loglv level, const std::wstring &text) { WRENCH::CLogMsg::LogMsg(level, text.c_str()); }

std::string WebServiceLibrary() {
  const char *env = std::getenv("KV_WEBSERVICE_LIBRARY");
  if (env && *env) return env;
  std::string inRoot = WRENCH::ConvertGBKToUtf8(WRENCH::GetSysRoot()) + "libKvWebService.so";
  std::error_code error;
  if (std::filesystem::exists(inRoot, error)) return inRoot;
  return "libKvWebService.so";
}

}  // namespace

CKeelFramework::CKeelFramework() {}

CKeelFramework::~CKeelFramework() { delete data_; }

IKeelData *CKeelFramework::GetCoreData() { return data_; }

bool CKeelFramework::InitInstance() {
  KVUI::AssertUiThread("CKeelFramework::InitInstance");
  return data_ && data_->InitInstance();
}

int CKeelFramework::ExitInstance() {
  KVUI::AssertUiThread("CKeelFramework::ExitInstance");
  return data_ ? data_->ExitInstance() : 0;
}

int CKeelFramework::Run() { return 0; }

void CKeelFramework::InitLoginInstance(const std::wstring &resFile) {
  KVUI::AssertUiThread("CKeelFramework::InitLoginInstance");
  if (data_) return;
  resFile_ = resFile;
  data_ = CreateCoreData();
  if (!data_) {
    Log(WRENCH::LV_ERROR, L"the program made no core data");
    return;
  }

  auto *host = new KEEL::WEB::CAppWebServiceMgr();
  KEEL::WEB::WebHostConfig config;
  config.library = WebServiceLibrary();
  // Completions and web errors reach the program on its user-interface
  // thread, after the call that started the request has returned.
  config.dispatcher = KVUI::UiDispatcher();
  std::string error;
  if (!host->Load(config, error)) Log(WRENCH::LV_ERROR, WRENCH::UTF8ToUnicode(error));
  data_->AddManager(host);
  data_->AddManager(new KEEL::CONFIG::CVarConfigMgr());
  auto *commands = new KEEL::CMD::CCmdMgr(data_);
  data_->AddManager(commands);

  if (auto *keelData = dynamic_cast<CKeelData *>(data_)) keelData->TakeMgrs();

  // A file that cannot be read is reported by its reader; a missing one
  // binds no ids.
  commands->LoadCmdIds(WRENCH::GetSysRoot() + L"config/system/CmdIds.xml");
  error.clear();
  if (!commands->LoadCommands(error)) Log(WRENCH::LV_ERROR, WRENCH::UTF8ToUnicode(error));
}

void CKeelFramework::SetLogSysProperties(const std::wstring &path) {
  std::lock_guard<std::mutex> lock(g_pathsMutex);
  g_logProperties = path;
}

void CKeelFramework::SetLogSysLogFile(const std::wstring &path) {
  std::lock_guard<std::mutex> lock(g_pathsMutex);
  g_logFile = path;
}

void CKeelFramework::SetLanguageRes(const std::wstring &path) {
  std::lock_guard<std::mutex> lock(g_pathsMutex);
  g_languageRes = path;
}

std::wstring CKeelFramework::GetLogSysProperties() {
  std::lock_guard<std::mutex> lock(g_pathsMutex);
  return g_logProperties;
}

std::wstring CKeelFramework::GetLogSysLogFile() {
  std::lock_guard<std::mutex> lock(g_pathsMutex);
  return g_logFile;
}

std::wstring CKeelFramework::GetLanguageRes() {
  std::lock_guard<std::mutex> lock(g_pathsMutex);
  return g_languageRes;
}

}  // namespace KEEL::FRAME
