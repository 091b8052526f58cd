// The page "显示控制" of the left task pane: the display tree of the loaded
// project, buttons that collapse and expand it and one that opens the
// display filter. It rebuilds its tree on each project or work-set load and
// follows the display-control manager.
#pragma once

#include <string>

#include "moxcommands/SharedUi.h"
#include "moxmanagers/MoxManagers.h"
#include "ui/Controls.h"

class CDisplayControlDlg : public MOXCOMMANDS::SHARED_UI::CSelfAdaptDialog,
                           public MOXMANAGERS::MOXCURPROJ::IMoxProjLoadObserver,
                           public MOXMANAGERS::DISPCTRLUI::IDisplayControlUIObserver {
  DECLARE_DYNAMIC(CDisplayControlDlg)

 public:
  /// Template 311, no parent, no tree.
  CDisplayControlDlg();
  /// Drops the tree (its window first).
  ~CDisplayControlDlg() override;

  /// The base's set-up; attaches the page to "MoxCurProjectMgr" and
  /// "MoxDisplayControlUIMgr" under key 5.
  BOOL OnInitDialog() override;
  /// Swallows Escape and Enter so that the page never closes itself.
  BOOL PreTranslateMessage(MSG *msg) override;
  /// Gives the layout of the two tree buttons and the tree.
  void SetCtrlLayout() override;

  /// Nothing.
  void SaveOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Drops the tree and resets the filter button.
  void CleanOldProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Nothing.
  void PrepareLoadProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// For a project or work set, builds the tree of the first segment of
  /// kind 1; false when a needed manager is missing.
  bool LoadNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;
  /// Nothing; true.
  bool RestoreNewProjInfo(const MOXMANAGERS::MOXCURPROJ::StOpenInfo &info) override;

  /// The filter button's text turns red while the filter is on.
  void OnFilterStateChanged(bool on) override;
  /// Reads the tree again when it shows operator `name`.
  void OnRefreshTree(const std::wstring &name) override;
  /// Gives the tree `status` when it names the tree's operator.
  void OnSetTreeStatus(const MOXCOMMANDS::SHARED_UI::StTreeStatus &status) override;
  /// Copies the tree's state into `status` when there is a tree.
  void OnGetTreeStatus(MOXCOMMANDS::SHARED_UI::StTreeStatus &status) override;
  /// Nothing.
  void OnClearSelection() override;
  /// True.
  bool CanChangeFilter() override;

  /// The display tree, or null.
  MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree *GetDisplayTree() const { return m_pDisplayTree; }
  /// The filter button.
  CBCGPButton &GetFilterButton() { return m_btnFilter; }

 protected:
  /// Binds the filter button.
  void DoDataExchange(CDataExchange *dx) override;
  /// The base's creation; -1 when it fails.
  int OnCreate(LPCREATESTRUCT cs);
  /// Runs "AppCmd_DisplayFilter".
  void OnBtnFilter();
  /// Collapses the tree.
  void OnBtnCollapse();
  /// Expands the tree.
  void OnBtnExpand();
  DECLARE_MESSAGE_MAP()

 private:
  /// Drops the tree, its window first.
  void DropDisplayTree();
  /// Puts the tree below the buttons and shows it.
  void PlaceDisplayTree();

  MOXCOMMANDS::SHARED_UI::CHoopsDisplayTree *m_pDisplayTree = nullptr;
  CBCGPButton m_btnFilter;
};
