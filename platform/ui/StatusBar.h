// The status bar: panes by indicator id, each with a text and a width.
#pragma once

#include <string>
#include <vector>

#include "ui/Wnd.h"

/// The extended toolkit's status bar.
class CBCGPStatusBar : public CWnd {
  DECLARE_DYNAMIC(CBCGPStatusBar)

 public:
  /// Creates the bar's window at the bottom of `parent`.
  BOOL Create(CWnd *parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = 0xE801);
  /// Makes one pane per indicator id (texts empty, widths 0); FALSE for a
  /// negative count or null ids with a count.
  BOOL SetIndicators(const UINT *ids, int count);
  /// Number of panes.
  int GetCount() const { return int(panes_.size()); }
  /// The indicator id of pane `index`, or 0.
  UINT GetItemID(int index) const;
  /// Sets the text of pane `index`; FALSE when there is none.
  BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
  /// The text of pane `index` (empty when there is none).
  CString GetPaneText(int index) const;
  /// Sets the width of pane `index` in pixels.
  void SetPaneWidth(int index, int cx);
  /// The width of pane `index` (0 when there is none).
  int GetPaneWidth(int index) const;

 private:
  struct Pane {
    UINT id = 0;
    std::wstring text;
    int width = 0;
  };
  std::vector<Pane> panes_;
};
