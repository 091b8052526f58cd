// Stand-ins of the shared dialog parts of MoxCommands: the self-adapting
// dialog and the display tree. They record their calls in the journal and
// keep what they are given; nothing is laid out and no model is walked.
// An answer of "create" for either class makes its constructor fail
// (KVOUTSIDE::FailCreateIfAnswered).
#pragma once

#include <string>
#include <vector>

#include "keel/KeelOutside.h"
#include "moxcommands/TreeStatus.h"
#include "ui/Dialog.h"

namespace MOXCOMMANDS::SHARED_UI {

/// How one control follows the dialog's size.
struct StDlgCtrlInfo {
  UINT nCtrlID = 0;
  int nFlags = 0;
  int nPercent = 0;
};

/// A dialog that lays its controls out by a property list.
class CSelfAdaptDialog : public CBCGPDialog {
  DECLARE_DYNAMIC(CSelfAdaptDialog)

 public:
  explicit CSelfAdaptDialog(UINT templateId, CWnd *parent = nullptr);
  /// The base's set-up, then the layout hook.
  BOOL OnInitDialog() override;
  /// The layout hook: gives the controls' properties.
  virtual void SetCtrlLayout() {}
  /// Takes the list of control properties (recorded, replaces the former).
  void SetControlProperty(const std::vector<StDlgCtrlInfo> &controls);
  /// The list last given to SetControlProperty.
  const std::vector<StDlgCtrlInfo> &GetControlProperty() const { return controls_; }

 private:
  std::vector<StDlgCtrlInfo> controls_;
};

/// Told when a tree node's check changes (not modelled).
class ITreeCheckNotifier {
 public:
  virtual ~ITreeCheckNotifier() {}
};

/// The tree control of the shared trees: expansion and state.
class CHoopsTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(CHoopsTreeCtrl)

 public:
  /// The tree's control id once created.
  static constexpr UINT kCtrlId = 1100;
  ~CHoopsTreeCtrl() override;
  /// Expands (true) or collapses every node.
  void BatchExpand(bool expand);
  /// Whether the last BatchExpand expanded.
  bool IsExpanded() const { return expanded_; }
  /// Takes the expanded and checked nodes of `status`.
  void SetTreeStatus(const StTreeStatus &status);
  /// The tree's state, named with its operator.
  void GetTreeStatus(StTreeStatus &status);
  /// The operator the tree shows.
  const std::wstring &GetOperatorName() const { return status_.strName; }

 protected:
  /// Records one call of the tree.
  void Record(const std::wstring &op, std::vector<std::wstring> args = {}) const;
  StTreeStatus status_;

 private:
  bool expanded_ = false;
};

/// The tree of an operator's display segments.
class CHoopsDisplayTree : public CHoopsTreeCtrl {
  DECLARE_DYNAMIC(CHoopsDisplayTree)

 public:
  explicit CHoopsDisplayTree(ITreeCheckNotifier *notifier = nullptr);
  ~CHoopsDisplayTree() override;
  /// Creates the tree window (id kCtrlId) under `parent` for segment
  /// `segment` of operator `op`; FALSE without a parent window.
  BOOL CreateDisplayTree(CWnd *parent, KEEL::HOOPS::IHoopsCtrlMgr *ctrl, const std::wstring &op,
                         const std::wstring &segment);
  /// Reads the segments again (recorded).
  void RefreshDisplayTree();
  /// The segment the tree starts at.
  const std::wstring &GetSegmentName() const { return segment_; }

 private:
  ITreeCheckNotifier *notifier_;
  std::wstring segment_;
};

}  // namespace MOXCOMMANDS::SHARED_UI
