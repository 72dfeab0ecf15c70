#include "document/PreferenceCatalogue.h"

#include "base/AsciiCase.h"
#include "document/PageControls.h"
#include "document/ProductTable.h"

namespace cadmira::document {
namespace {

using Values = std::vector<std::u16string_view>;

// A check box written as `on` when checked and empty otherwise, read as checked iff `on`.
PreferenceBinding Flag(int dialog, int control, std::u16string_view attribute, std::u16string_view on) {
  return {ControlKind::CheckBox, dialog, control, MappingRule::States, {attribute}, {{u""}, {on}}, 0};
}

PreferenceBinding Edit(int dialog, int control, std::u16string_view attribute) {
  return {ControlKind::Edit, dialog, control, MappingRule::Text, {attribute}, {}};
}

// Default / Disabled / Enabled, with the value each item writes.
PreferenceBinding ThreeWay(int dialog, int control, std::u16string_view attribute, std::u16string_view disabled,
                           std::u16string_view enabled, int unmatched) {
  return {ControlKind::ComboBox,          dialog,   control, MappingRule::States, {attribute},
          {{u""}, {disabled}, {enabled}}, unmatched};
}

PreferenceBinding TessadocOption(int control) {
  return {ControlKind::CheckBox, kTessadocDialog, control, MappingRule::IntegerOn, {u"Mode"}, {{u""}, {u"1"}}};
}

constexpr int kCheckPage = resources::kCheckPageDialog;

std::vector<PreferenceRow> BuildCatalogue() {
  constexpr int kKeepState = -1;
  constexpr int kDefault = 0;
  std::vector<PreferenceRow> rows;
  rows.push_back({u"StartPage",
                  ProductScope::Both,
                  {u"Disable", u"Mode"},
                  {{ControlKind::CheckBox,
                    kCheckPage,
                    1052,
                    MappingRule::States,
                    {u"Disable", u"Mode"},
                    {{u"", u""}, {u"1", u"0"}},
                    0}}});
  rows.push_back({u"SafeReadingMode",
                  ProductScope::Both,
                  {u"Mode", u"Write"},
                  {{ControlKind::ComboBox,
                    176,
                    1066,
                    MappingRule::States,
                    {u"Mode", u"Write"},
                    {{u"", u""}, {u"0", u"0"}, {u"1", u"0"}},
                    kKeepState}}});
  rows.push_back({u"MainFrameName", ProductScope::Both, {u"Title"}, {Edit(175, 1073, u"Title")}});
  rows.push_back(
      {u"AboutDlg",
       ProductScope::Both,
       {u"Copyright", u"CopyrightContent", u"BackGroundPath"},
       {Edit(151, 1071, u"BackGroundPath"), Edit(151, 1023, u"CopyrightContent"), Edit(151, 1070, u"Copyright")}});
  rows.push_back({u"Advertise",
                  ProductScope::ReaderOnly,
                  {u"FolderPath", u"Rool", u"Time", u"Disable"},
                  {Flag(kAdvertiseDialog, 1056, u"Disable", u"1"),
                   Edit(kAdvertiseDialog, kRollingTimeEdit, u"Time"),
                   Flag(kAdvertiseDialog, 1046, u"Rool", u"1"),
                   {ControlKind::None, 0, 0, MappingRule::AlwaysEmpty, {u"FolderPath"}, {}}}});
  rows.push_back({u"GPOAppendMode", ProductScope::OrvantaOnly, {u"Mode"}, {Flag(kCheckPage, 1010, u"Mode", u"1")}});
  rows.push_back({u"HomePage",
                  ProductScope::Both,
                  {u"Title", u"Url"},
                  {{ControlKind::None, 0, 0, MappingRule::AlwaysEmpty, {u"Title", u"Url"}, {}}}});
  rows.push_back({u"SuppressSetDefDlg", ProductScope::Both, {u"Mode"}, {Flag(kCheckPage, 1049, u"Mode", u"1")}});
  rows.push_back({u"CustomLanguage",
                  ProductScope::Both,
                  {u"Mode", u"DefaultLanguage"},
                  {Edit(173, 1061, u"DefaultLanguage"), Flag(173, 1045, u"Mode", u"0")}});
  rows.push_back({u"DefaultReader",
                  ProductScope::Both,
                  {u"Mode", u"Write"},
                  {Flag(kCheckPage, 1053, u"Mode", u"1"), Flag(kCheckPage, 1047, u"Write", u"1")}});
  PreferenceBinding statusBar{ControlKind::ComboBox,
                              178,
                              1069,
                              MappingRule::States,
                              {u"Mode", u"Write"},
                              {{u"", u""}, {u"2", u"0"}, {u"1", u"0"}, {u"0", u"0"}},
                              kKeepState};
  statusBar.hidesStatusBarRibbon = true;
  rows.push_back({u"StatusBar", ProductScope::Both, {u"Write", u"Mode"}, {statusBar}});
  rows.push_back({u"RMSSetting",
                  ProductScope::Both,
                  {u"SaveAsCopyName", u"EncryptMetadata", u"ForbidViewInBrowser", u"AllowSaveAs"},
                  {Flag(170, 1036, u"AllowSaveAs", u"1"), Flag(170, 1035, u"ForbidViewInBrowser", u"1"),
                   ThreeWay(170, 1034, u"EncryptMetadata", u"0", u"1", kKeepState),
                   ThreeWay(170, 1033, u"SaveAsCopyName", u"0", u"1", kKeepState)}});
  rows.push_back({u"UserManualLocalPath", ProductScope::Both, {u"String"}, {Edit(177, 1074, u"String")}});
  // The product's attribute means "disable", so the ticked box writes "0".
  rows.push_back({u"DisableUpdate", ProductScope::Both, {u"Disable"}, {Flag(kCheckPage, 1048, u"Disable", u"0")}});
  rows.push_back({u"UseMicrosoftIRMV1", ProductScope::Both, {u"Enable"}, {Flag(170, 1040, u"Enable", u"1")}});
  rows.push_back({u"RMSInteroperability", ProductScope::Both, {u"Enable"}, {Flag(170, 1041, u"Enable", u"1")}});
  rows.push_back({u"CollectTDOCData", ProductScope::Both, {u"Mode"}, {TessadocOption(1045)}});
  rows.push_back({u"AutoConvertTessadoc", ProductScope::Both, {u"Mode"}, {TessadocOption(1080)}});
  rows.push_back({u"OfficeAutoConvertTessadoc", ProductScope::Both, {u"Mode"}, {TessadocOption(1096)}});
  rows.push_back({u"disableTessadoc",
                  ProductScope::Both,
                  {u"Mode"},
                  {{ControlKind::CheckBox,
                    kTessadocDialog,
                    kDisableTessadocCheck,
                    MappingRule::DisableTessadoc,
                    {u"Mode"},
                    {{u""}, {u"1"}}}}});
  rows.push_back(
      {u"ReadmodeInBrowser", ProductScope::Both, {u"Mode"}, {ThreeWay(256, 1110, u"Mode", u"0", u"1", kDefault)}});
  // The product's attribute says that bubbles are collapsed: "Disabled" expansion writes "1".
  rows.push_back(
      {u"CollapsedBubbleMsg", ProductScope::Both, {u"Mode"}, {ThreeWay(257, 1111, u"Mode", u"1", u"0", kDefault)}});
  rows.push_back({u"CollectData", ProductScope::Both, {u"Mode"}, {ThreeWay(258, 1114, u"Mode", u"0", u"1", kDefault)}});
  rows.push_back({u"CommentsFilterIgnoreReply",
                  ProductScope::Both,
                  {u"Mode"},
                  {ThreeWay(259, 1115, u"Mode", u"0", u"1", kDefault)}});
  rows.push_back(
      {u"SendCrashDocument", ProductScope::Both, {u"Mode"}, {ThreeWay(260, 1032, u"Mode", u"0", u"1", kDefault)}});
  rows.push_back({u"TDOCServer", ProductScope::Both, {u"String"}, {Edit(261, 1117, u"String")}});
  rows.push_back(
      {u"InternetConnection", ProductScope::Both, {u"Mode"}, {ThreeWay(262, 1119, u"Mode", u"0", u"1", kDefault)}});
  rows.push_back({u"CheckApp",
                  ProductScope::Both,
                  {u"CheckAppName", u"CheckAppSignature"},
                  {Flag(252, 1045, u"CheckAppName", u"0"), Flag(252, 1046, u"CheckAppSignature", u"0")}});
  return rows;
}

}  // namespace

std::span<const PreferenceRow> PreferenceCatalogue() {
  static const std::vector<PreferenceRow> rows = BuildCatalogue();
  return rows;
}

bool RowAppliesTo(const PreferenceRow& row, resources::Product product) {
  switch (row.scope) {
    case ProductScope::ReaderOnly:
      return product == resources::Product::Reader;
    case ProductScope::OrvantaOnly:
      return product != resources::Product::Reader;
    case ProductScope::Both:
      break;
  }
  return true;
}

const PreferenceRow* FindPreferenceRow(std::u16string_view key) {
  for (const PreferenceRow& row : PreferenceCatalogue()) {
    if (AsciiEqualNoCase(row.key, key)) return &row;
  }
  return nullptr;
}

}  // namespace cadmira::document
