#include "ui/Toolkit.h"

#include <atomic>
#include <cstdio>
#include <string>

#include "ui/PlatformTrace.h"

IMPLEMENT_DYNAMIC(CBCGPToolTipCtrl, CObject)
IMPLEMENT_DYNAMIC(CBCGPVisualManager, CObject)
IMPLEMENT_DYNAMIC(CBCGPVisualManager2013, CBCGPVisualManager)

BOOL CBCGPGraphicsManagerD2D::m_bForceSoftwareRendering = FALSE;

namespace {

std::atomic<bool> g_ole{true};
std::atomic<bool> g_libraries{true};
HINSTANCE g_resources = nullptr;
const CRuntimeClass *g_visualManager = nullptr;
CBCGPVisualManager2013::Style g_style = CBCGPVisualManager2013::Office2013_White;
BCGP_DOCK_TYPE g_dock = BCGP_DT_UNDEFINED;
std::atomic<std::uintptr_t> g_nextModule{0x7000};

std::wstring Hex(unsigned long v) {
  wchar_t buf[32];
  std::swprintf(buf, 32, L"0x%lX", v);
  return buf;
}

void Trace(const std::wstring &s) { KVUI::TracePlatformCall(s); }

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX *init) {
  Trace(L"InitCommonControlsEx " + std::to_wstring(init ? init->dwSize : 0) + L" " +
        Hex(init ? init->dwICC : 0));
  return TRUE;
}

BOOL AfxOleInit() {
  bool ok = g_ole;
  Trace(std::wstring(L"AfxOleInit ") + (ok ? L"TRUE" : L"FALSE"));
  return ok;
}

void AfxOleTerm(BOOL justRevoke) { Trace(std::wstring(L"AfxOleTerm ") + (justRevoke ? L"TRUE" : L"FALSE")); }
void AfxEnableControlContainer() { Trace(L"AfxEnableControlContainer"); }
BOOL AfxInitRichEdit() {
  Trace(L"AfxInitRichEdit");
  return TRUE;
}
BOOL AfxInitRichEdit2() {
  Trace(L"AfxInitRichEdit2");
  return TRUE;
}

HRESULT CoInitializeEx(void *, DWORD mode) {
  Trace(L"CoInitializeEx " + Hex(mode));
  return S_OK;
}

void CoUninitialize() { Trace(L"CoUninitialize"); }

HMODULE LoadLibraryW(const wchar_t *name) {
  bool ok = g_libraries && name && *name;
  Trace(std::wstring(L"LoadLibraryW ") + (name ? name : L"") + (ok ? L"" : L" (missing)"));
  return ok ? reinterpret_cast<HMODULE>(g_nextModule += 0x10) : nullptr;
}

BOOL FreeLibrary(HMODULE module) {
  Trace(L"FreeLibrary");
  return module != nullptr;
}

void BCGCBProSetResourceHandle(HINSTANCE module) {
  g_resources = module;
  Trace(std::wstring(L"BCGCBProSetResourceHandle ") + (module ? L"module" : L"null"));
}

void BCGCBProCleanUp() { Trace(L"BCGCBProCleanUp"); }

void CBCGPTooltipManager::SetTooltipParams(UINT types, const CRuntimeClass *tooltipClass,
                                           const CBCGPToolTipParams *params) {
  types_ = types;
  class_ = tooltipClass;
  params_ = params ? *params : CBCGPToolTipParams();
  std::string n = tooltipClass ? tooltipClass->m_lpszClassName : "-";
  Trace(L"SetTooltipParams " + Hex(types) + L" " + std::wstring(n.begin(), n.end()));
}

CBCGPTooltipManager *GetTooltipManager() {
  static auto *m = new CBCGPTooltipManager;
  return m;
}

void CBCGPVisualManager::SetDefaultManager(const CRuntimeClass *managerClass) {
  g_visualManager = managerClass;
  std::string n = managerClass ? managerClass->m_lpszClassName : "-";
  Trace(L"SetDefaultManager " + std::wstring(n.begin(), n.end()));
}

const CRuntimeClass *CBCGPVisualManager::GetDefaultManagerClass() { return g_visualManager; }

void CBCGPVisualManager2013::SetStyle(Style style) {
  g_style = style;
  Trace(L"CBCGPVisualManager2013::SetStyle " + std::to_wstring(int(style)));
}

CBCGPVisualManager2013::Style CBCGPVisualManager2013::GetStyle() { return g_style; }

void CBCGPDockManager::SetDockMode(BCGP_DOCK_TYPE mode, BCGP_SMARTDOCK_THEME theme) {
  g_dock = mode;
  Trace(L"SetDockMode " + std::to_wstring(int(mode)) + L" " + std::to_wstring(int(theme)));
}

BCGP_DOCK_TYPE CBCGPDockManager::GetDockMode() { return g_dock; }

namespace KVUI {
void SetOleAvailable(bool available) { g_ole = available; }
void SetLibraryAvailable(bool available) { g_libraries = available; }
HINSTANCE GetToolkitResourceHandle() { return g_resources; }
}  // namespace KVUI
