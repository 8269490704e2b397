#pragma once
// The form: a top-level window holding splitters, which fill its client area less a margin
// (stacked when there are several) and follow its size, and child controls placed on the
// form or inside a splitter. It draws its windowless labels and, at design time, a grid.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formhost/child_control.h"
#include "formhost/form_container.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "formhost/splitter_site.h"

struct FormOptions {
  SIZE client{640, 480};
  bool userMode = true;
  bool frameSite = true;
  bool quickActivate = false;
  bool visible = true;
};

struct FormCloseReport {
  // Per splitter: what the control's last Release returned, and the references to its
  // site left after the control let go of it (1: only the form's own).
  std::vector<ULONG> controlReleases;
  std::vector<ULONG> siteReferences;
};

class FormWindow {
 public:
  static constexpr int kMargin = 8;

  explicit FormWindow(const FormOptions& options = {});
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND Handle() const { return window_.get(); }
  FormContainer& Container() { return *container_.Get(); }
  bool UserMode() const { return userMode_; }

  // A splitter on the form, which lays it out in a slot of its own; or, given inside, a
  // splitter placed in that one (at pixels of its client area) for one of its panes to hold.
  SplitterSite& AddSplitter(const std::wstring& name);
  SplitterSite& AddSplitter(const std::wstring& name, SplitterSite& inside, const RECT& pixels);
  // Opening a saved form: a splitter loaded from its saved properties, on the form (inside
  // null) or in inside, and left parked; ActivateSplitters shows them all once the
  // controls bound to their panes are in them.
  SplitterSite& AddSavedSplitter(const std::wstring& name, IPropertyBag& saved, SplitterSite* inside,
                                 const RECT& pixels);
  void ActivateSplitters();
  // A control inside splitter, or on the form itself when splitter is null; pixels of
  // its container's client area.
  ChildControl& AddChild(ChildKind kind, const std::wstring& name, SplitterSite* splitter, const RECT& pixels);
  const std::vector<activex::ComPtr<SplitterSite>>& Splitters() const { return splitters_; }
  const std::vector<std::unique_ptr<ChildControl>>& Children() const { return children_; }

  // Gives the form a new client size; the splitters follow.
  void ResizeClient(int width, int height);
  void SetUserMode(bool userMode);

  // Design mode. A property change that a control reports (its panes' changes as "Panes")
  // marks the form changed, shown by a '*' in its title, until the form is saved. What
  // the controls report while the form places, loads and first shows them is the form's
  // own doing, not the user's edit, and marks nothing.
  bool Changed() const { return changed_; }
  void MarkSaved();
  // What saves the form: Ctrl+S and the system menu's Save run it while the form is
  // open, and a failure is shown in a message box.
  void SetSaveHandler(std::function<void()> save);
  // The splitter that the pages and the About box are for: the innermost one holding the
  // focus (a clicked splitter takes it), else the one given to Select, else the first.
  SplitterSite* Selected() const;
  void Select(SplitterSite& splitter);
  // Modal, from the form's system menu or F4 (pages, design mode only) and Shift+F1 (About);
  // throw DispatchError when the control fails.
  void ShowPropertyPages();
  void ShowAboutBox();
  // Removes the child controls and closes every splitter; the window stays until the
  // form goes. Later calls report nothing.
  FormCloseReport Close();
  bool IsClosed() const { return closed_; }
  // What the close reported, whether Close or the user closing the window ran it.
  const FormCloseReport& CloseReport() const { return closeReport_; }
  // Interactive use: the message loop until the user closes the form.
  void RunUntilClosed();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPropertyChanged();
  // The system menu's and the keys' commands; false for anything else.
  bool OnCommand(UINT command);
  void UpdateTitle();
  void OnPaint();
  RECT SplitterSlot(size_t index, size_t count) const;
  SplitterSite& AddSplitterSite(HWND parent, const SplitterSiteOptions& options);
  size_t SplittersOnForm() const;
  void Layout();
  // Runs one step of the form's own setup, during which reported changes mark nothing.
  template <typename Step>
  decltype(auto) SettingUp(Step&& step);

  bool userMode_;
  bool frameSite_;
  bool quickActivate_;
  bool closed_ = false;
  bool changed_ = false;
  int settingUp_ = 0;
  SplitterSite* selected_ = nullptr;
  std::function<void()> save_;
  FormCloseReport closeReport_;
  win32::UniqueWindow window_;
  activex::ComPtr<FormContainer> container_;
  std::vector<activex::ComPtr<SplitterSite>> splitters_;
  std::vector<std::unique_ptr<ChildControl>> children_;
};
