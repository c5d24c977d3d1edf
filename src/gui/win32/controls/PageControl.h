#pragma once

#include <string>
#include <vector>

#include "gui/win32/framework/CustomControl.h"

class TTabSheet;

// Tabs over pages: the page of the chosen tab shows, the others hide. Tab and the
// arrow keys move into the page shown, as into any other container. The tabs all show
// at once, in one row: where they would not fit, they are made narrower.
class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TWinControl& parent, const TDesign& design = {});
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet& page);

  TNotifyEvent OnChange;  // the user chose another tab

 protected:
  void Resized() override;
  LRESULT NotifyNotification(NMHDR& header) override;
  virtual void DoChange();

 private:
  friend class TTabSheet;
  void Add(TTabSheet& page);
  // Rebuilds the tabs from the pages whose tab shows.
  void UpdateTabs();
  void FitTabs();
  std::vector<TTabSheet*> ShownPages() const;

  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
};

struct TTabSheetOptions {
  std::string Caption;  // of its tab
  bool TabVisible = true;
};

// One page of a page control, with the caption of its tab.
class TTabSheet : public TCustomControl {
 public:
  TTabSheet(TPageControl& pageControl, const TTabSheetOptions& options);
  const std::string& Caption() const { return caption_; }
  bool TabVisible() const { return tabVisible_; }
  // A page without its tab cannot be chosen; if it was the one shown, the first
  // page with a tab shows instead.
  void SetTabVisible(bool visible);

 private:
  TPageControl& pageControl_;
  const std::string caption_;
  bool tabVisible_;
};
