#pragma once

namespace cadmira::resources {

// The strings of the settings report, the differences and the window's Compare and Save Report;
// a check box's state is said with kCheckedText and kNotCheckedText.
inline constexpr int kEmptyText = 402;
inline constexpr int kReportTitle = 403;
inline constexpr int kReportFile = 404;
inline constexpr int kReportForm = 405;
inline constexpr int kPlainForm = 406;
inline constexpr int kSealedForm = 407;
inline constexpr int kReportProduct = 408;
inline constexpr int kReportVersion = 409;
inline constexpr int kReportDate = 410;
inline constexpr int kSettingColumn = 411;
inline constexpr int kOptionColumn = 412;
inline constexpr int kValueColumn = 413;
inline constexpr int kUntouchedColumn = 414;
inline constexpr int kNoSettingDiffers = 415;
inline constexpr int kHiddenRibbonHeading = 416;
inline constexpr int kRibbonElementColumn = 417;
inline constexpr int kNamePathColumn = 418;
inline constexpr int kNoRibbonHidden = 419;
inline constexpr int kHiddenPluginsHeading = 420;
inline constexpr int kPluginFileColumn = 421;
inline constexpr int kCaptionColumn = 422;
inline constexpr int kNoPluginHidden = 423;
inline constexpr int kFindingsHeading = 424;
inline constexpr int kDifferencesTitle = 425;
inline constexpr int kBothSame = 426;
inline constexpr int kCompareCommand = 427;
inline constexpr int kSaveReportCommand = 428;
inline constexpr int kPagesNow = 429;
inline constexpr int kHiddenWord = 430;
inline constexpr int kShownWord = 431;
inline constexpr int kNoneWord = 432;
inline constexpr int kCompareTitle = 433;
inline constexpr int kCloseButton = 434;
inline constexpr int kReportNotWritten = 435;
inline constexpr int kReportSaved = 436;

// The tabs' labels, which head the pages' parts of a report.
inline constexpr int kPreferencesTab = 122;
inline constexpr int kRibbonTab = 123;
inline constexpr int kPluginsTab = 124;
// The interface change dialog's product words.
inline constexpr int kReaderWord = 110;
inline constexpr int kOrvantaWord = 111;

}  // namespace cadmira::resources
