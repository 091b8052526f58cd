// CKeelFramework: the program's framework object. A program derives from
// it, makes its core data in CreateCoreData and calls InitLoginInstance
// once; from then on the core data answers GetManager by name.
//
// InitLoginInstance, in this order: CreateCoreData; the framework's own
// managers into the registry: "AppWebServiceMgr" (the web-service host,
// loading libKvWebService.so), "AppVarConfigMgr", "AppCommandMgr"; the
// program's managers (CKeelData::CreateMgrs, then CreateMFCMgrs); the
// ribbon ids of "config/system/CmdIds.xml" under the installation root, if
// that file exists; the program's commands (its exported GetCommands).
//
// The web-service library is $KV_WEBSERVICE_LIBRARY, else
// "libKvWebService.so" in the installation root when it is there, else the
// name as the dynamic loader finds it. A library that cannot be loaded
// leaves a host that knows no operation (logged).
//
// Threads: the user-interface thread (asserted).
#pragma once

#include <string>

#include "keel/frame/KeelData.h"

namespace KEEL::FRAME {

class CKeelFramework {
 public:
  CKeelFramework();
  /// The core data, or null before InitLoginInstance made it.
  virtual IKeelData *GetCoreData();
  /// Sets the managers up (IKeelData::InitInstance); false without data.
  virtual bool InitInstance();
  /// Shuts the managers down (IKeelData::ExitInstance).
  virtual int ExitInstance();
  /// Nothing to run here (the program runs its message loop); 0.
  virtual int Run();
  /// Deletes the core data and with it every manager.
  virtual ~CKeelFramework();
  /// The program's core data; called once, by InitLoginInstance.
  virtual IKeelData *CreateCoreData() = 0;

  CKeelFramework(const CKeelFramework &) = delete;
  CKeelFramework &operator=(const CKeelFramework &) = delete;

  /// Makes the core data and fills the registry (see above); `resFile` is
  /// the login resource file, kept as given. Runs once; later calls do
  /// nothing.
  void InitLoginInstance(const std::wstring &resFile);
  /// The resource file given to InitLoginInstance.
  const std::wstring &GetLoginResFile() const { return resFile_; }

  /// Full paths of the log properties, the log file and the language file.
  static void SetLogSysProperties(const std::wstring &path);
  static void SetLogSysLogFile(const std::wstring &path);
  static void SetLanguageRes(const std::wstring &path);
  static std::wstring GetLogSysProperties();
  static std::wstring GetLogSysLogFile();
  static std::wstring GetLanguageRes();

 private:
  IKeelData *data_ = nullptr;
  std::wstring resFile_;
};

}  // namespace KEEL::FRAME
