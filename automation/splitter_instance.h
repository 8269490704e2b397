#pragma once
// One OvSplitter created the way a container creates it: by ProgID, sited, sized,
// then initialised as a new instance. Closing unsites and releases it.

#include <windows.h>
#include <ole2.h>

#include <optional>
#include <string>

#include "automation/ambient_site.h"
#include "automation/dispatch_client.h"
#include "com/com_ptr.h"

struct SplitterOptions {
  // Ambient ScaleUnits of the site; no value means a site without that ambient.
  std::optional<std::wstring> scaleUnits = L"Twip";
  bool withSite = true;
  // Size in pixels handed over through IOleObject::SetExtent before InitNew.
  std::optional<SIZE> extentPixels = std::nullopt;
  // False leaves InitNew to the caller (to connect sinks first).
  bool initNew = true;
};

class SplitterInstance {
 public:
  static constexpr const wchar_t* kProgId = L"OrvaneSplitter.OvSplitter";

  explicit SplitterInstance(const SplitterOptions& options = {});
  ~SplitterInstance();
  SplitterInstance(const SplitterInstance&) = delete;
  SplitterInstance& operator=(const SplitterInstance&) = delete;

  void InitNew();
  // Unsites and releases the control now; later calls do nothing.
  void Close();

  const DispatchClient& Control() const { return control_; }
  DispatchClient Panes() const { return control_.Object(L"Panes"); }
  AmbientSite* Site() const { return site_.Get(); }

 private:
  activex::ComPtr<IOleObject> oleObject_;
  activex::ComPtr<AmbientSite> site_;
  DispatchClient control_;
};
