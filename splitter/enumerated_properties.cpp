#include "splitter/enumerated_properties.h"

#include <algorithm>

namespace splitter {
namespace {

constexpr NamedValue kAppearance[] = {{0, u"OvFlat"}, {1, u"Ov3D"}};
constexpr NamedValue kBorderStyle[] = {{0, u"OvNone"}, {1, u"OvFixedSingle"}};
constexpr NamedValue kSplitterStyle[] = {{0, u"OvSplitterFlat"}, {1, u"OvSplitterRound"}};
constexpr NamedValue kOrientation[] = {{0, u"OvHorizontal"}, {1, u"OvVertical"}};
constexpr NamedValue kOLEDropMode[] = {{0, u"OvOLEDropNone"}, {1, u"OvOLEDropManual"}};
constexpr NamedValue kResizeMode[] = {{0, u"OvResizeLast"}, {1, u"OvResizeProportional"}};
constexpr NamedValue kMousePointer[] = {{0, u"vbDefault"},  {1, u"vbArrow"},           {2, u"vbCrosshair"},
                                        {3, u"vbIbeam"},    {4, u"vbIconPointer"},     {5, u"vbSizePointer"},
                                        {6, u"vbSizeNESW"}, {7, u"vbSizeNS"},          {8, u"vbSizeNWSE"},
                                        {9, u"vbSizeWE"},   {10, u"vbUpArrow"},        {11, u"vbHourglass"},
                                        {12, u"vbNoDrop"},  {13, u"vbArrowHourglass"}, {14, u"vbArrowQuestion"},
                                        {15, u"vbSizeAll"}, {99, u"vbCustom"}};

constexpr EnumeratedProperty kProperties[] = {{u"Appearance", kAppearance},       {u"BorderStyle", kBorderStyle},
                                              {u"SplitterStyle", kSplitterStyle}, {u"Orientation", kOrientation},
                                              {u"OLEDropMode", kOLEDropMode},     {u"MousePointer", kMousePointer},
                                              {u"ResizeMode", kResizeMode}};

}  // namespace

const NamedValue* EnumeratedProperty::Find(int32_t value) const {
  auto found =
      std::find_if(values.begin(), values.end(), [&](const NamedValue& named) { return named.value == value; });
  return found == values.end() ? nullptr : &*found;
}

std::span<const EnumeratedProperty> EnumeratedProperties() { return kProperties; }

const EnumeratedProperty* FindEnumeratedProperty(host::StringView property) {
  auto found = std::find_if(std::begin(kProperties), std::end(kProperties),
                            [&](const EnumeratedProperty& candidate) { return candidate.property == property; });
  return found == std::end(kProperties) ? nullptr : found;
}

host::String DisplayText(const NamedValue& named) { return host::DecimalText(named.value) + u" - " + named.name; }

}  // namespace splitter
