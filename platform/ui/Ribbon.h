// The ribbon: a bar of elements, each with a command id, a name, a text,
// an enabled and a check state, data, tooltip, description and image
// indexes; buttons with sub-items; the colour button. A command-update
// pass asks the target frame for every top-level element's state through
// CBCGPRibbonCmdUI; a click posts the element's WM_COMMAND to the frame.
// Nothing is drawn; repaints are counted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/CmdUI.h"
#include "ui/Collections.h"
#include "ui/Wnd.h"

class CBCGPRibbonBar;
class CBCGPRibbonCmdUI;

using DWORD_PTR = std::uintptr_t;

/// One element of the ribbon.
class CBCGPBaseRibbonElement : public CObject {
  DECLARE_DYNAMIC(CBCGPBaseRibbonElement)

 public:
  CBCGPBaseRibbonElement();
  ~CBCGPBaseRibbonElement() override;
  CBCGPBaseRibbonElement(const CBCGPBaseRibbonElement &) = delete;
  CBCGPBaseRibbonElement &operator=(const CBCGPBaseRibbonElement &) = delete;

  /// The command id (0: none).
  UINT GetID() const { return id_; }
  void SetID(UINT id) { id_ = id; }
  /// The name the element is found by (the command's name).
  const std::wstring &GetName() const { return name_; }
  void SetName(const std::wstring &name) { name_ = name; }
  /// The label.
  CString GetText() const { return text_; }
  void SetText(LPCTSTR text) { text_ = text ? text : L""; }
  /// The application's value kept with the element.
  DWORD_PTR GetData() const { return data_; }
  void SetData(DWORD_PTR data) { data_ = data; }
  /// The tooltip text.
  CString GetToolTipText() const { return toolTip_; }
  void SetToolTipText(LPCTSTR text) { toolTip_ = text ? text : L""; }
  /// The description shown under the tooltip.
  CString GetDescription() const { return description_; }
  void SetDescription(LPCTSTR text) { description_ = text ? text : L""; }
  /// Whether the last update disabled the element (enabled until then).
  BOOL IsDisabled() const { return disabled_; }
  /// Whether the last update checked the element.
  BOOL IsChecked() const { return checked_; }
  /// The ribbon the element belongs to, or null.
  CBCGPRibbonBar *GetParentRibbonBar() const { return bar_; }
  /// The element this one is a sub-item of, or null.
  CBCGPBaseRibbonElement *GetParentElement() const { return parent_; }
  /// Asks `target` for the element's state (one element of an update pass).
  virtual void OnUpdateCmdUI(CBCGPRibbonCmdUI *ui, CFrameWnd *target, BOOL disableIfNoHandler);
  /// What a user's click does: posts WM_COMMAND of the id to the ribbon's
  /// target frame. FALSE when disabled, without id or without target.
  virtual BOOL Click();
  /// Repaints the element (counted).
  void Redraw() { ++redraws_; }
  int GetRedrawCount() const { return redraws_; }

 protected:
  friend class CBCGPRibbonCmdUI;
  friend class CBCGPRibbonBar;
  friend class CBCGPRibbonButton;
  virtual void SetParentRibbonBar(CBCGPRibbonBar *bar) { bar_ = bar; }
  UINT id_ = 0;
  std::wstring name_;
  std::wstring text_;
  DWORD_PTR data_ = 0;
  std::wstring toolTip_;
  std::wstring description_;
  BOOL disabled_ = FALSE;
  BOOL checked_ = FALSE;
  int redraws_ = 0;
  CBCGPRibbonBar *bar_ = nullptr;
  CBCGPBaseRibbonElement *parent_ = nullptr;
};

/// A button, optionally with sub-items (a menu or split button).
class CBCGPRibbonButton : public CBCGPBaseRibbonElement {
  DECLARE_DYNAMIC(CBCGPRibbonButton)

 public:
  CBCGPRibbonButton() = default;
  CBCGPRibbonButton(UINT id, LPCTSTR text, int smallImage = -1, int largeImage = -1);
  ~CBCGPRibbonButton() override;
  /// The small or large image index (-1: none).
  int GetImageIndex(BOOL large) const { return large ? largeImage_ : smallImage_; }
  void SetImageIndex(int index, BOOL large) { (large ? largeImage_ : smallImage_) = index; }
  /// Adds `item` (owned from now on) at `index` (-1: at the end).
  void AddSubItem(CBCGPBaseRibbonElement *item, int index = -1);
  /// Removes and deletes sub-item `index`; FALSE when there is none.
  BOOL RemoveSubItem(int index);
  /// Removes and deletes every sub-item.
  void RemoveAllSubItems();
  /// The sub-items in order.
  const std::vector<CBCGPBaseRibbonElement *> &GetSubItems() const { return subItems_; }

 protected:
  void SetParentRibbonBar(CBCGPRibbonBar *bar) override;

 private:
  int smallImage_ = -1;
  int largeImage_ = -1;
  std::vector<CBCGPBaseRibbonElement *> subItems_;
};

/// The colour button: a current colour chosen from colour groups laid out in
/// columns, and an optional "other colours" button.
class CBCGPRibbonColorButton : public CBCGPRibbonButton {
  DECLARE_DYNAMIC(CBCGPRibbonColorButton)

 public:
  /// One group of colours with its caption.
  struct ColorGroup {
    std::wstring name;
    std::vector<COLORREF> colors;
    bool contiguousColumns = false;
  };
  CBCGPRibbonColorButton() = default;
  CBCGPRibbonColorButton(UINT id, LPCTSTR text, int smallImage = -1, COLORREF color = RGB(0, 0, 0));
  /// The current colour.
  COLORREF GetColor() const { return color_; }
  void SetColor(COLORREF color) { color_ = color; }
  /// The number of colour columns.
  int GetColumns() const { return columns_; }
  void SetColumns(int columns) { columns_ = columns; }
  /// Adds a group of colours under caption `name`.
  void AddColorsGroup(LPCTSTR name, const CList<COLORREF, COLORREF> &colors, BOOL contiguousColumns = FALSE);
  /// Removes every colour group.
  void RemoveAllColorGroups() { groups_.clear(); }
  /// The colour groups in order.
  const std::vector<ColorGroup> &GetColorGroups() const { return groups_; }
  /// Names `color` (for every colour button).
  static void SetColorName(COLORREF color, const CString &name);
  /// The name of `color`; empty when unnamed. Whether it has one.
  static CString GetColorName(COLORREF color, bool *named = nullptr);
  /// Shows the "other colours" button with its label and tooltip.
  void EnableOtherButton(LPCTSTR label, LPCTSTR toolTip = nullptr);
  /// Whether the other button is shown, and its texts.
  bool HasOtherButton() const { return other_; }
  const std::wstring &GetOtherLabel() const { return otherLabel_; }
  const std::wstring &GetOtherToolTip() const { return otherToolTip_; }
  /// What a user's choice of `color` does: it becomes current, then Click.
  BOOL ChooseColor(COLORREF color);

 private:
  COLORREF color_ = RGB(0, 0, 0);
  int columns_ = 0;
  std::vector<ColorGroup> groups_;
  bool other_ = false;
  std::wstring otherLabel_;
  std::wstring otherToolTip_;
};

/// The command-update object of a ribbon element: Enable and SetCheck are
/// recorded (as CCmdUI does) and set the element's state.
class CBCGPRibbonCmdUI : public CCmdUI {
 public:
  CBCGPRibbonCmdUI() = default;
  /// The element being updated.
  CBCGPBaseRibbonElement *m_pUpdated = nullptr;
  void Enable(BOOL on = TRUE) override;
  void SetCheck(int check = 1) override;
  void SetText(LPCTSTR text) override;
};

/// The ribbon bar: owns its elements.
class CBCGPRibbonBar : public CWnd {
  DECLARE_DYNAMIC(CBCGPRibbonBar)

 public:
  CBCGPRibbonBar();
  ~CBCGPRibbonBar() override;
  /// Creates the bar's window under `parent`.
  BOOL Create(CWnd *parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = 0xE806);
  /// Adds `element` (owned from now on) as a top-level element.
  void AddElement(CBCGPBaseRibbonElement *element);
  /// The first element (sub-items included) with command id `id`, or null.
  CBCGPBaseRibbonElement *FindByID(UINT id, BOOL visibleOnly = TRUE, BOOL excludeQuickAccess = FALSE) const;
  /// The first element (sub-items included) named `name`, or null.
  CBCGPBaseRibbonElement *FindByName(const std::wstring &name) const;
  /// The top-level elements in order.
  const std::vector<CBCGPBaseRibbonElement *> &GetElements() const { return elements_; }
  /// Minimises a shown ribbon or restores a minimised one.
  void ToggleMimimizeState();
  /// Whether the ribbon is minimised.
  BOOL IsRibbonMinimized() const { return minimized_; }
  /// A command-update pass over the top-level elements with `target`.
  void OnUpdateCmdUI(CFrameWnd *target, BOOL disableIfNoHandler);
  /// Where clicks go: the owner set here, else the parent frame, else the
  /// application's main window.
  void SetOwner(CWnd *owner) { owner_ = owner; }
  CWnd *GetTarget() const;
  /// Every live ribbon bar, in creation order.
  static std::vector<CBCGPRibbonBar *> GetAllBars();

 private:
  std::vector<CBCGPBaseRibbonElement *> elements_;
  BOOL minimized_ = FALSE;
  CWnd *owner_ = nullptr;
};

namespace KVUI {
/// A command-update pass of every live ribbon bar with `target`.
void UpdateRibbonBars(CFrameWnd *target);
/// One line per top-level element (sub-items indented with "> "):
/// "id name: enabled|disabled[, checked]".
std::vector<std::wstring> DescribeRibbon(const CBCGPRibbonBar &bar);
}  // namespace KVUI
