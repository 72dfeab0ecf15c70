#pragma once

// The ids of the dialogs, controls and strings that code names. The dialog templates and the
// string table define what each id holds; every other place names the id from here.
namespace cadmira::resources {

// Dialog templates.
inline constexpr int kMainDialog = 102;
inline constexpr int kUiChangeDialog = 130;
inline constexpr int kAboutDialog = 147;
inline constexpr int kRibbonDialog = 149;
inline constexpr int kPluginsDialog = 150;
inline constexpr int kPreferencesDialog = 152;
inline constexpr int kAdvertiseDialog = 171;
inline constexpr int kCheckPageDialog = 172;
inline constexpr int kTessadocDialog = 238;

// Controls, by the dialog that holds them. Every dialog's OK button is 1, its Cancel 2.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kMainSaveButton = 1007;
inline constexpr int kUiChangeLanguageCombo = 1007;
inline constexpr int kVersionEdit = 1075;
inline constexpr int kRollingTimeEdit = 1072;
inline constexpr int kDisableTessadocCheck = 1046;
inline constexpr int kRibbonLabel = 1028;
inline constexpr int kRibbonDescriptionBox = 1026;
inline constexpr int kRibbonDescriptionEdit = 1025;
// The find row of each of the three pages.
inline constexpr int kFindLabel = 1101;
inline constexpr int kFindEdit = 1102;
inline constexpr int kChangedOnlyCheck = 1103;
inline constexpr int kHiddenCountLabel = 1104;

// Strings that code loads by id, as X(name, id): the list drives the check that each has a text.
#define CADMIRA_TEXT_IDS(X)            \
  X(kEnglishText, 107)                 \
  X(kChineseText, 108)                 \
  X(kInterfaceTitle, 113)              \
  X(kProgramTitle, 114)                \
  X(kAboutMenuItem, 115)               \
  X(kMaximizeMenuItem, 116)            \
  X(kMinimizeMenuItem, 117)            \
  X(kCloseMenuItem, 118)               \
  X(kPreferencesTabText, 122)          \
  X(kRibbonTabText, 123)               \
  X(kPluginsTabText, 124)              \
  X(kHelpText, 125)                    \
  X(kNotice, 126)                      \
  X(kDescriptionTitle, 145)            \
  X(kOptionsTitle, 146)                \
  X(kRibbonOptionsLabel, 147)          \
  X(kReaderPluginsDescription, 152)    \
  X(kRibbonDescription, 153)           \
  X(kImportSucceed, 218)               \
  X(kExportSucceed, 222)               \
  X(kSaveSucceed, 223)                 \
  X(kRestartQuestion, 225)             \
  X(kInterfaceChangeCaption, 226)      \
  X(kMoveMenuItem, 227)                \
  X(kDeletePluginQuestion, 228)        \
  X(kDeletePluginCaption, 229)         \
  X(kDocumentNotSaved, 232)            \
  X(kEmptyVersionMessage, 235)         \
  X(kWrongProductReaderFile, 236)      \
  X(kWrongProductOrvantaFile, 237)     \
  X(kNotAConfigurationFile, 238)       \
  X(kRollingTimeMessage, 239)          \
  X(kOrvantaPluginsDescription, 245)   \
  X(kXmlFormatError, 246)              \
  X(kInitialPluginNotDeletedText, 247) \
  X(kOrvantaWindowTitle, 248)          \
  X(kReaderWindowTitle, 249)           \
  X(kRestartFailedText, 299)           \
  X(kSettingListName, 330)             \
  X(kCheckedText, 331)                 \
  X(kNotCheckedText, 332)              \
  X(kPartlyCheckedText, 333)           \
  X(kFindText, 340)                    \
  X(kChangedOnlyText, 341)             \
  X(kControlsHiddenText, 342)          \
  X(kPluginsHiddenText, 343)           \
  X(kSaveChangesQuestion, 344)         \
  X(kTheNewFile, 345)                  \
  X(kChangedDescription, 346)

#define CADMIRA_TEXT_ID_CONSTANT(name, id) inline constexpr int name = id;
CADMIRA_TEXT_IDS(CADMIRA_TEXT_ID_CONSTANT)
#undef CADMIRA_TEXT_ID_CONSTANT

#define CADMIRA_TEXT_ID_VALUE(name, id) id,
inline constexpr int kNamedTextIds[] = {CADMIRA_TEXT_IDS(CADMIRA_TEXT_ID_VALUE)};
#undef CADMIRA_TEXT_ID_VALUE

}  // namespace cadmira::resources
