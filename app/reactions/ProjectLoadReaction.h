// The program's reactions around the loading of a project or work set:
// before it, the left pane with its display-control page and the 3D view
// tab "BIM 视图" with its view manager "HoopsViewMgr" and operator
// "AppHoopsOperator" (each made once); after it, the view's colour, the
// view ports, the dimension marks and the project-mode rows of the
// command-state rules, set by the kind of what was opened.
#pragma once

#include <string>
#include <unordered_map>

#include "keel/frame/KeelData.h"
#include "moxmanagers/MoxManagers.h"

class CDisplayControlDlg;

namespace KVREACT {

/// Command name -> the project mode in which it is disabled.
using ProjModeTable = std::unordered_map<std::wstring, int>;

/// Shows the left pane, or on the first load makes it with its tab-page
/// manager and the display-control page `page` (made here when null,
/// owned by the caller); then CreateBimView.
void PrepareProjectLoad(KEEL::FRAME::IKeelData *data, CDisplayControlDlg *&page);
/// Makes the 3D view tab, its view manager and operator and connects the
/// view's input, unless a view tab exists.
void CreateBimView(KEEL::FRAME::IKeelData *data);
/// After the load of `info`: the view's colour (skipped when the operator,
/// its view or its scene is missing), the view ports, the dimension marks
/// and the rows of `projMode`. A missing "MoxViewPortMgr" ends it early.
void LoadNewProject(KEEL::FRAME::IKeelData *data, const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info,
                    ProjModeTable &projMode);
/// Whether a member of work set `workSetId` is a project of kind 6; false
/// when "MoxWorkSetMgr" or "MoxProjectDataMgr" is missing.
bool WorkSetHasKind6(KEEL::FRAME::IKeelData *data, int workSetId);

}  // namespace KVREACT
