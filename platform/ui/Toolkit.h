// Platform and toolkit set-up calls the program makes at start and end
// (common controls, OLE, COM, resource library, visual manager, docking,
// tooltips). The model keeps their settings and reports each call through
// the platform trace (PlatformTrace.h); nothing else happens.
#pragma once

#include "ui/Object.h"

// Common controls.
struct INITCOMMONCONTROLSEX {
  DWORD dwSize = 0;
  DWORD dwICC = 0;
};
constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;
/// Registers the common control classes; TRUE.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX *init);

// OLE and COM.
using HRESULT = LONG;
constexpr HRESULT S_OK = 0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
/// Starts OLE; FALSE when the model says OLE is missing (KVUI::SetOleAvailable).
BOOL AfxOleInit();
/// Ends OLE.
void AfxOleTerm(BOOL justRevoke = TRUE);
/// Lets dialogs hold ActiveX controls.
void AfxEnableControlContainer();
/// Loads rich-edit support; TRUE.
BOOL AfxInitRichEdit();
BOOL AfxInitRichEdit2();
/// Starts COM on this thread; S_OK.
HRESULT CoInitializeEx(void *reserved, DWORD mode);
/// Ends COM on this thread.
void CoUninitialize();

// Libraries.
/// Loads library `name`: a handle, or null when the model says it is
/// missing (KVUI::SetLibraryAvailable).
HMODULE LoadLibraryW(const wchar_t *name);
/// Frees a library handle; FALSE for null.
BOOL FreeLibrary(HMODULE module);
/// Uses `module` for the toolkit's own resources (null: the built-in ones).
void BCGCBProSetResourceHandle(HINSTANCE module);
/// Frees the toolkit's global resources.
void BCGCBProCleanUp();

/// The tooltip window class.
class CBCGPToolTipCtrl : public CObject {
  DECLARE_DYNAMIC(CBCGPToolTipCtrl)
};

/// Tooltip settings.
struct CBCGPToolTipParams {
  BOOL m_bBoldLabel = TRUE;
  BOOL m_bDrawDescription = TRUE;
  BOOL m_bDrawIcon = TRUE;
  BOOL m_bRoundedCorners = FALSE;
  BOOL m_bDrawSeparator = FALSE;
  BOOL m_bVislManagerTheme = FALSE;
  int m_nMaxDescrWidth = 0;
};
constexpr UINT BCGP_TOOLTIP_TYPE_ALL = 0xFFFF;

/// Keeps the tooltip settings per tooltip kind.
class CBCGPTooltipManager {
 public:
  /// Sets the tooltip class and settings for the kinds in `types`.
  void SetTooltipParams(UINT types, const CRuntimeClass *tooltipClass = nullptr,
                        const CBCGPToolTipParams *params = nullptr);
  UINT GetTypes() const { return types_; }
  const CRuntimeClass *GetTooltipClass() const { return class_; }
  const CBCGPToolTipParams &GetParams() const { return params_; }

 private:
  UINT types_ = 0;
  const CRuntimeClass *class_ = nullptr;
  CBCGPToolTipParams params_;
};
/// The application's tooltip manager.
CBCGPTooltipManager *GetTooltipManager();

/// The look of every window.
class CBCGPVisualManager : public CObject {
  DECLARE_DYNAMIC(CBCGPVisualManager)

 public:
  /// Makes `managerClass` the visual manager of every window.
  static void SetDefaultManager(const CRuntimeClass *managerClass);
  /// The class given to SetDefaultManager, or null.
  static const CRuntimeClass *GetDefaultManagerClass();
};

/// The visual manager of the 2013 look, with its colour styles.
class CBCGPVisualManager2013 : public CBCGPVisualManager {
  DECLARE_DYNAMIC(CBCGPVisualManager2013)

 public:
  enum Style { Office2013_White = 0, Office2013_Gray = 1, Office2013_DarkGray = 2 };
  static void SetStyle(Style style);
  static Style GetStyle();
};

/// Drawing through the 2D graphics layer.
class CBCGPGraphicsManagerD2D {
 public:
  /// Draw without hardware acceleration.
  static BOOL m_bForceSoftwareRendering;
};

enum BCGP_DOCK_TYPE { BCGP_DT_UNDEFINED = 0, BCGP_DT_IMMEDIATE = 1, BCGP_DT_STANDARD = 2, BCGP_DT_SMART = 0x80 };
enum BCGP_SMARTDOCK_THEME { BCGP_SDT_DEFAULT = 0, BCGP_SDT_VS2005 = 1, BCGP_SDT_VS2008 = 2 };

/// Docking of control bars.
class CBCGPDockManager {
 public:
  /// Sets the docking mode and the smart-docking theme.
  static void SetDockMode(BCGP_DOCK_TYPE mode, BCGP_SMARTDOCK_THEME theme = BCGP_SDT_DEFAULT);
  static BCGP_DOCK_TYPE GetDockMode();
};

namespace KVUI {
/// Whether AfxOleInit succeeds (default true).
void SetOleAvailable(bool available);
/// Whether LoadLibraryW finds its libraries (default true).
void SetLibraryAvailable(bool available);
/// The module given to BCGCBProSetResourceHandle.
HINSTANCE GetToolkitResourceHandle();
}  // namespace KVUI
