#include "pages/preferences/model/OptionPageTexts.h"

namespace cadmira::pages {
namespace {

// Default, Disabled, Enabled.
constexpr int kThreeWayItems[] = {202, 203, 204};
// Default, Auto-hide, Show, Hide.
constexpr int kStatusBarItems[] = {202, 206, 207, 208};

constexpr OptionPageLabel kAboutLabels[] = {{1011, 183}, {1054, 184}, {1055, 185}, {1005, 186}};
constexpr OptionPageLabel kAdvertiseLabels[] = {{1056, 209}, {1046, 210}, {1057, 211}};
constexpr OptionPageLabel kCheckAppLabels[] = {{1046, 270}};
constexpr OptionPageLabel kCheckLabels[] = {{1053, 190}, {1047, 191}, {1010, 187},
                                            {1048, 192}, {1049, 193}, {1052, 200}};
constexpr OptionPageLabel kLanguageLabels[] = {{1045, 188}, {1060, 189}};
constexpr OptionPageLabel kLinkLabels[] = {{1067, 199}, {1005, 186}};
constexpr OptionPageLabel kProgramNameLabels[] = {{1064, 196}};
constexpr OptionPageLabel kRmsLabels[] = {{1043, 172}, {1044, 173}, {1035, 174}, {1041, 177}, {1040, 178}, {1036, 179}};
constexpr OptionPageLabel kSafeReadingLabels[] = {{1065, 198}};
constexpr OptionPageLabel kStatusLabels[] = {{1068, 201}};

constexpr OptionPageCombo kCollectDataCombos[] = {{1114, kThreeWayItems}};
constexpr OptionPageCombo kCommentsFilterCombos[] = {{1115, kThreeWayItems}};
constexpr OptionPageCombo kInternetCombos[] = {{1119, kThreeWayItems}};
constexpr OptionPageCombo kNotifyCombos[] = {{1111, kThreeWayItems}};
constexpr OptionPageCombo kReadModeCombos[] = {{1110, kThreeWayItems}};
constexpr OptionPageCombo kRmsCombos[] = {{1033, kThreeWayItems}, {1034, kThreeWayItems}};
constexpr OptionPageCombo kSafeReadingCombos[] = {{1066, kThreeWayItems}};
constexpr OptionPageCombo kSendCrashCombos[] = {{1032, kThreeWayItems}};
constexpr OptionPageCombo kStatusCombos[] = {{1069, kStatusBarItems}};

struct PageTexts {
  int dialogId;
  OptionPageTexts texts;
};

constexpr PageTexts kPages[] = {
    {151, {kAboutLabels, {}}},
    {170, {kRmsLabels, kRmsCombos}},
    {171, {kAdvertiseLabels, {}}},
    {172, {kCheckLabels, {}}},
    {173, {kLanguageLabels, {}}},
    {175, {kProgramNameLabels, {}}},
    {176, {kSafeReadingLabels, kSafeReadingCombos}},
    {177, {kLinkLabels, {}}},
    {178, {kStatusLabels, kStatusCombos}},
    {252, {kCheckAppLabels, {}}},
    {256, {{}, kReadModeCombos}},
    {257, {{}, kNotifyCombos}},
    {258, {{}, kCollectDataCombos}},
    {259, {{}, kCommentsFilterCombos}},
    {260, {{}, kSendCrashCombos}},
    {262, {{}, kInternetCombos}},
};

}  // namespace

OptionPageTexts TextsOfOptionPage(int dialogId) {
  for (const PageTexts& page : kPages) {
    if (page.dialogId == dialogId) return page.texts;
  }
  return {};
}

}  // namespace cadmira::pages
