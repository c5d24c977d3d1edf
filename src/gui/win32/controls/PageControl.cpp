#include "gui/win32/controls/PageControl.h"

#include <algorithm>

#include <commctrl.h>

#include "win32/WideText.h"

namespace {

// The padding of a tab around its caption, as the system has it.
constexpr SIZE kTabPadding{6, 3};

}  // namespace

TPageControl::TPageControl(TWinControl& parent, const TDesign& design) {
  CreateHandle(WC_TABCONTROLW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
               WS_EX_CONTROLPARENT, parent.Handle(), {}, design);
}

void TPageControl::Add(TTabSheet& page) {
  pages_.push_back(&page);
  if (!active_) active_ = &page;
  UpdateTabs();
}

std::vector<TTabSheet*> TPageControl::ShownPages() const {
  std::vector<TTabSheet*> shown;
  for (TTabSheet* page : pages_)
    if (page->TabVisible()) shown.push_back(page);
  return shown;
}

void TPageControl::UpdateTabs() {
  const std::vector<TTabSheet*> shown = ShownPages();
  if (active_ && !active_->TabVisible()) active_ = shown.empty() ? nullptr : shown.front();
  SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < shown.size(); ++i) {
    std::wstring caption = Utf8ToWide(shown[i]->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(Handle(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    if (shown[i] == active_) SendMessageW(Handle(), TCM_SETCURSEL, i, 0);
  }
  for (TTabSheet* page : pages_) page->SetVisible(page == active_);
  Resized();
}

void TPageControl::SetActivePage(TTabSheet& page) {
  if (&page == active_ || !page.TabVisible()) return;
  active_ = &page;
  const std::vector<TTabSheet*> shown = ShownPages();
  const auto index = std::find(shown.begin(), shown.end(), &page) - shown.begin();
  SendMessageW(Handle(), TCM_SETCURSEL, index, 0);
  for (TTabSheet* other : pages_) other->SetVisible(other == active_);
}

// The tabs keep the system's look where they all fit in one row; where they do not,
// they give up first their least width, then as much of their padding as it takes.
void TPageControl::FitTabs() {
  const auto count = SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0);
  const auto fits = [&] {
    RECT last{};
    return count == 0 || (SendMessageW(Handle(), TCM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last)) &&
                          last.right <= ClientWidth());
  };
  // Each setting lays the tabs out again only with the least width set after it.
  const auto layOut = [&](int padding, int leastWidth) {
    SendMessageW(Handle(), TCM_SETPADDING, 0, MAKELPARAM(padding, kTabPadding.cy));
    SendMessageW(Handle(), TCM_SETMINTABWIDTH, 0, leastWidth);
  };
  layOut(kTabPadding.cx, -1);
  for (int padding = kTabPadding.cx; !fits() && padding >= 0; --padding) layOut(padding, 0);
}

void TPageControl::Resized() {
  FitTabs();
  RECT display{0, 0, ClientWidth(), ClientHeight()};
  SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (TTabSheet* page : pages_)
    page->SetBounds(display.left, display.top, display.right - display.left, display.bottom - display.top);
}

LRESULT TPageControl::NotifyNotification(NMHDR& header) {
  if (header.code == TCN_SELCHANGE) {
    const auto index = static_cast<size_t>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    const std::vector<TTabSheet*> shown = ShownPages();
    if (index < shown.size()) {
      active_ = shown[index];
      for (TTabSheet* page : pages_) page->SetVisible(page == active_);
      DoChange();
    }
  }
  return 0;
}

void TPageControl::DoChange() {
  if (OnChange) OnChange(*this);
}

TTabSheet::TTabSheet(TPageControl& pageControl, const TTabSheetOptions& options)
    : pageControl_(pageControl), caption_(options.Caption), tabVisible_(options.TabVisible) {
  CreateCustom(L"VelmoraPage", WS_CHILD, WS_EX_CONTROLPARENT, pageControl.Handle());
  pageControl.Add(*this);
}

void TTabSheet::SetTabVisible(bool visible) {
  if (visible == tabVisible_) return;
  tabVisible_ = visible;
  pageControl_.UpdateTabs();
}
