#include "pages/preferences/model/PreferencePageRows.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "document/DocumentWriter.h"

namespace cadmira::pages {
namespace {

using document::ProductScope;
using Keys = std::u16string_view;

constexpr int kAppendBox[] = {1010};
constexpr int kViewerBoxes[] = {1053, 1047};
constexpr int kUpdateBox[] = {1048};
constexpr int kDefaultCheckBox[] = {1049};
constexpr int kStartPageBox[] = {1052};
constexpr int kAllCheckBoxes[] = {1053, 1047, 1010, 1048, 1049, 1052};

constexpr Keys kAbout[] = {u"AboutDlg"};
constexpr Keys kAdvertise[] = {u"Advertise"};
constexpr Keys kAppend[] = {u"GPOAppendMode"};
constexpr Keys kLanguage[] = {u"CustomLanguage"};
constexpr Keys kViewer[] = {u"DefaultReader"};
constexpr Keys kUpdate[] = {u"DisableUpdate"};
constexpr Keys kDefaultCheck[] = {u"SuppressSetDefDlg"};
constexpr Keys kProgramName[] = {u"MainFrameName"};
constexpr Keys kRms[] = {u"RMSSetting", u"UseMicrosoftIRMV1", u"RMSInteroperability"};
constexpr Keys kSafeReading[] = {u"SafeReadingMode"};
constexpr Keys kLink[] = {u"UserManualLocalPath"};
constexpr Keys kStartPage[] = {u"StartPage"};
constexpr Keys kStatusBar[] = {u"StatusBar"};
constexpr Keys kTessadoc[] = {u"disableTessadoc", u"CollectTDOCData", u"AutoConvertTessadoc",
                              u"OfficeAutoConvertTessadoc"};
constexpr Keys kCheckApp[] = {u"CheckApp"};
constexpr Keys kReadMode[] = {u"ReadmodeInBrowser"};
constexpr Keys kCommentsFilter[] = {u"CommentsFilterIgnoreReply"};
constexpr Keys kNotify[] = {u"CollapsedBubbleMsg"};
constexpr Keys kCollectData[] = {u"CollectData"};
constexpr Keys kSendCrash[] = {u"SendCrashDocument"};
constexpr Keys kServer[] = {u"TDOCServer"};
constexpr Keys kInternet[] = {u"InternetConnection"};

constexpr ProductScope kBoth = ProductScope::Both;

constexpr PreferencePageRow kRows[] = {
    {0, kBoth, 127, 240, 154, 241, 151, {}, kAbout},
    {1, ProductScope::ReaderOnly, 129, 129, 156, 156, 171, {}, kAdvertise},
    {3, kBoth, 130, 130, 157, 157, 173, {}, kLanguage},
    {4, kBoth, 131, 131, 158, 242, kCheckPageId, kViewerBoxes, kViewer},
    {5, kBoth, 132, 132, 159, 159, kCheckPageId, kUpdateBox, kUpdate},
    {6, kBoth, 133, 133, 160, 243, kCheckPageId, kDefaultCheckBox, kDefaultCheck},
    {7, kBoth, 135, 135, 162, 244, 175, {}, kProgramName},
    {2, ProductScope::OrvantaOnly, 181, 181, 214, 214, kCheckPageId, kAppendBox, kAppend},
    {18, kBoth, 182, 182, 215, 215, 257, {}, kNotify},
    {19, kBoth, 289, 289, 290, 290, 258, {}, kCollectData},
    {9, kBoth, 139, 139, 166, 166, 170, {}, kRms},
    {16, kBoth, 288, 288, 120, 119, 256, {}, kReadMode},
    {17, kBoth, 291, 291, 292, 292, 259, {}, kCommentsFilter},
    {22, kBoth, 295, 295, 296, 296, 260, {}, kSendCrash},
    {10, kBoth, 140, 140, 167, 167, 176, {}, kSafeReading},
    {11, kBoth, 141, 141, 168, 168, 177, {}, kLink},
    {12, kBoth, 142, 142, 169, 169, kCheckPageId, kStartPageBox, kStartPage},
    {13, kBoth, 143, 143, 170, 170, 178, {}, kStatusBar},
    {14, kBoth, 254, 254, 250, 250, 238, {}, kTessadoc},
    {23, kBoth, 293, 293, 294, 294, 261, {}, kServer},
    {15, kBoth, 269, 269, 271, 268, 252, {}, kCheckApp},
    {24, kBoth, 297, 297, 298, 298, 262, {}, kInternet},
};

constexpr int kCreationOrder[] = {151, 170, 256, 259, 260, 262, 257, 258, 171,
                                  172, 173, 175, 176, 177, 178, 238, 261, 252};

// The key the check-box page is filed under; its other rows reach it through their boxes.
constexpr int kCheckPageKey = 12;

bool IsReader(resources::Product product) { return product == resources::Product::Reader; }

}  // namespace

std::span<const PreferencePageRow> PreferencePageRows() { return kRows; }

std::vector<const PreferencePageRow*> ListedPreferenceRows(resources::Product product) {
  std::vector<const PreferencePageRow*> rows;
  for (const PreferencePageRow& row : kRows) {
    if (RowListedFor(row, product)) rows.push_back(&row);
  }
  return rows;
}

const PreferencePageRow* FindPreferencePageRow(int key) {
  const auto found =
      std::find_if(std::begin(kRows), std::end(kRows), [key](const auto& row) { return row.key == key; });
  return found == std::end(kRows) ? nullptr : found;
}

const PreferencePageRow* FindRowOfSetting(std::u16string_view settingKey) {
  for (const PreferencePageRow& row : kRows) {
    for (const std::u16string_view key : row.settings) {
      if (AsciiEqualNoCase(key, settingKey)) return &row;
    }
  }
  return nullptr;
}

const PreferencePageRow* FindRowOfControl(int dialogId, int controlId) {
  for (const PreferencePageRow& row : kRows) {
    if (row.pageId != dialogId) continue;
    if (row.checkBoxes.empty()) return &row;
    if (std::find(row.checkBoxes.begin(), row.checkBoxes.end(), controlId) != row.checkBoxes.end()) return &row;
  }
  return nullptr;
}

bool RowListedFor(const PreferencePageRow& row, resources::Product product) {
  switch (row.scope) {
    case ProductScope::ReaderOnly:
      return IsReader(product);
    case ProductScope::OrvantaOnly:
      return !IsReader(product);
    case ProductScope::Both:
      break;
  }
  return true;
}

int RowTextId(const PreferencePageRow& row, resources::Product product) {
  return IsReader(product) ? row.readerTextId : row.orvantaTextId;
}

int RowDescriptionId(const PreferencePageRow& row, resources::Product product) {
  return IsReader(product) ? row.readerDescriptionId : row.orvantaDescriptionId;
}

int InitialDescriptionId(resources::Product product) { return IsReader(product) ? 154 : 241; }

int VersionLabelId(resources::Product product) { return IsReader(product) ? 144 : 217; }

std::span<const int> OptionPageCreationOrder() { return kCreationOrder; }

int PageTableKey(int pageId) {
  if (pageId == kCheckPageId) return kCheckPageKey;
  const auto found =
      std::find_if(std::begin(kRows), std::end(kRows), [pageId](const auto& row) { return row.pageId == pageId; });
  return found == std::end(kRows) ? -1 : found->key;
}

std::span<const int> CheckPageBoxes() { return kAllCheckBoxes; }

}  // namespace cadmira::pages
