#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>

namespace cadmira::resources {
namespace {

struct StringEntry {
  int id;
  std::u16string_view text;
};

// Sorted by id.
constexpr StringEntry kEnglishStrings[] = {
    {101, u"Import"},
    {102, u"Export"},
    {103, u"Save"},
    {104, u"Cancel"},
    {105, u"Help"},
    {106, u"Interface"},
    {107, u"English"},
    {108, u"Chinese"},
    {109, u"Interface Language Change"},
    {110, u"Reader"},
    {111, u"Orvanta"},
    {112, u"Confirm"},
    {113, u"Interface"},
    {114, u"Cadmira"},
    {115, u"&About Cadmira(A)"},
    {116, u"Ma&ximize(X)"},
    {117, u"Mi&nimize(N)"},
    {118, u"&Close(C)"},
    {119,
     u"Choose \u2018Enabled\u2019 to use Read Mode by default in Zandor OrvantaPDF browser "
     u"plugins, and disallow users from exiting this mode. \r\n"
     u"Choose \u2018Disabled\u2019 to not use Read Mode by default and allow users to freely enter "
     u"and exit Read Mode. \r\n"
     u"This setting will change the corresponding setting in Preferences > Document> Open Settings."},
    {120,
     u"Choose \u2018Enabled\u2019 to use Read Mode by default in Zandor Reader browser plugins, "
     u"and disallow users from exiting this mode. \r\n"
     u"Choose \u2018Disabled\u2019 to not use Read Mode by default and allow users to freely enter "
     u"and exit Read Mode. \r\n"
     u"This setting will change the corresponding setting in Preferences > Document> Open Settings."},
    {122, u"Preferences"},
    {123, u"Ribbon Set"},
    {124, u"Plugins"},
    {125,
     u"1. Confirm that the version number of Zandor OrvantaPDF or Zandor Reader in the "
     u"'Preferences' Tab matches with the version number of the software. \r\n"
     u"2. XML file has higher priority than the GPO template. If the XML file and the "
     u"GPO template have the same settings, the XML file will override the GPO template."},
    {126, u"Notice"},
    {127, u"About Zandor Reader"},
    {129, u"Advertisement"},
    {130, u"Application Language"},
    {131, u"Default PDF Viewer"},
    {132, u"Forbid Auto Update"},
    {133, u"Forbid Default Checking"},
    {135, u"Main Program Name"},
    {139, u"RMS Setting"},
    {140, u"Safe Reading Mode"},
    {141, u"Set User Manual Link"},
    {142, u"Start Page"},
    {143, u"Status Bar"},
    {144, u"Version of Zandor Reader:"},
    {145, u"Description"},
    {146, u"Options"},
    {147, u"Ribbon Options:"},
    {148, u"Plugin List:"},
    {150, u"Add"},
    {152,
     u"Check any plugin item, the corresponding plugin will be hidden.\r\n"
     u"\r\n"
     u"Plugin Path: Set the path of the New Plugin, then Click Add Button to add into "
     u"Plugin list. Also you can choose the Delete button to delete the new Add Plugin. \r\n"
     u"\r\n"
     u"Note: Only applications with .zpi extensions can be hidden from Zandor Reader. "
     u"You can find these plugins in the installation directory of Zandor Reader "
     u"(..\\Zandor Reader\\plugins)."},
    {153, u"Check any configuration item of this Ribbon, the corresponding Ribbon will be hidden."},
    {154,
     u"Set the new contents in 'About Zandor Reader' dialog.\r\n"
     u"\r\n"
     u"Copyright: Change the content of copyright. The default is Zandor information.\r\n"
     u"\r\n"
     u"Content: Change the contents under copyright information. The default lists the "
     u"technology built in Zandor Reader.\r\n"
     u"\r\n"
     u"Logo Path: Set the path of the logo. "},
    {156,
     u"Change the settings of advertisement in right corner of the tab bar.\r\n"
     u"\r\n"
     u"Check 'Remove Advertisement' to hide advertisements in the right corner of the "
     u"tab bar and disable the setting in 'Preferences > General > Application Startup'.\r\n"
     u"\r\n"
     u"Check 'Scroll'  to scroll the ads circularly and set the Rolling Time. The "
     u"default time is 10 seconds."},
    {157,
     u"Change the application language settings. \r\n"
     u"\r\n"
     u"Check 'Don't Show Community Languages' to hide community languages. Otherwise "
     u"community-translated languages will be listed under official languages. \r\n"
     u"\r\n"
     u"Default Application Language: Input a language file name, such as "
     u"'lang_en-us.xml', to set this language as default application language. This will "
     u"remove the setting item in 'Preferences > Languages'."},
    {158,
     u"Set Zandor Reader as your default PDF viewer. This option will take effect under "
     u"the administrator account.\r\n"
     u"\r\n"
     u"Check 'System PDF Viewer' to set Zandor Reader as the system default PDF viewer.\r\n"
     u"\r\n"
     u"Check 'Web Browser PDF Viewer' to set Zandor Reader as the default PDF viewer in "
     u"web browsers and remove the corresponding setting under Preferences > File "
     u"Associations > Advanced."},
    {159, u"Check this button to disable automatically updates"},
    {160,
     u"Check to hide the 'Set to Default PDF Reader' dialog when Zandor Reader isn't the "
     u"default PDF viewer."},
    {162, u"Change the program's name. The default is 'Zandor Reader'."},
    {166,
     u"Enable 'Add 'protected' to the name of encrypted files' to append \"(protected)\" "
     u"to the end of the file name of encrypted files.\r\n"
     u"\r\n"
     u"Enable 'Encrypt Metadata' to encrypt document metadata and disable the related "
     u"settings of RMS Setting in 'Preferences' menu.\r\n"
     u"\r\n"
     u"Check 'Forbid Web View' to forbid users to view protected content using a browser "
     u"add-on.\r\n"
     u"\r\n"
     u"Check to use the Microsoft IRM version 1, which is a Microsoft extension to the "
     u"PDF format to support Microsoft IRM protection. The extension allows PDF "
     u"documents to be encrypted by Microsoft IRM technology that is implemented by "
     u"Microsoft's Active Directory Rights Management Server as well as by Azure Active "
     u"Directory Rights Management Services.\r\n"
     u"If not defined, Microsoft IRM Protection Version 2(PPDF) is used.\r\n"
     u"\r\n"
     u"Enable 'RMS Interoperability', all encrypted PDF will conform to MicrosoftIRM "
     u"Protection for PDF Specification and hence be able to be decrypted by other RMS Viewer.\r\n"
     u"\r\n"
     u" Enable 'Save as' to turn on the Save As feature for RMS protected files."},
    {167,
     u"Change the setting of 'Preferences > Trust Manager > Enable safe Reading Mode' .\r\n"
     u"\r\n"
     u"Choose 'Enabled' to enable Safe Reading Mode and control unauthorized action and "
     u"date transmissions including URL connection, launching external files and running "
     u"JavaScript functions to efficiently avoid arracks from malicious documents. \r\n"
     u"\r\n"
     u"Choose 'Disabled' to disable Safe Reading Mode and remove these security settings."},
    {168, u"Change the link of User Manual to the local link you want."},
    {169, u"Check 'Hide Start Page' to hide the Start Page."},
    {170,
     u"Change the setting of Status Bar.\r\n"
     u"\r\n"
     u"Choose whether or not the Status Bar will be shown. If you choose 'Auto-hide "
     u"Status Bar', the Status Bar will only appear when you put the cursor near the "
     u"bottom of the page."},
    {172, u"Add 'protected' to the name of encrypted files"},
    {173, u"Encrypt metadata"},
    {174, u"Forbid Web Viewing of Protected Content"},
    {177, u"RMS Interoperability"},
    {178, u"Use Microsoft IRM Version 1"},
    {179, u"Save as"},
    {181, u"Insert Printed PDF into Pre-Generated PDF"},
    {182, u"Notification Messages"},
    {183, u"Copyright:"},
    {184, u"Content:"},
    {185, u"Logo Path:"},
    {186, u"Browse"},
    {187, u"Insert Printed PDF into Previously Generated PDF"},
    {188, u"Do not Show Community Languages"},
    {189, u"Default Application Language:"},
    {190, u"Web Browser PDF Viewer"},
    {191, u"System PDF Viewer"},
    {192, u"Disable  Automatic Updates"},
    {193, u"Forbid Checking for Default PDF Viewer"},
    {196, u"Program Name:"},
    {198, u"Safe Reading Mode"},
    {199, u"Set User Manual Link:"},
    {200, u"Hide Start Page"},
    {201, u"Status Bar"},
    {202, u"Default"},
    {203, u"Disabled"},
    {204, u"Enabled"},
    {206, u"Auto-hide status bar"},
    {207, u"Show status bar"},
    {208, u"Hide status bar"},
    {209, u"Remove Advertisement"},
    {210, u"Scroll"},
    {211, u"Rolling Time: (1-60000s)"},
    {214,
     u"Change the setting of 'Preferences > Create PDF > Insert printed PDFs into "
     u"previously generated one, except those created by OrvantaPDF'.\r\n"
     u"\r\n"
     u"With this option checked, you can append PDF files generated with Zandor "
     u"OrvantaPDF Printer to previously generated files.\r\n"
     u"\r\n"},
    {215,
     u"Choose 'Disabled' to turn off the automatic expansion of notification messages "
     u"that prompt users to use OCR, fill forms, etc.\r\n"
     u"\r\n"
     u"Choose 'Enabled' to automatically expand notification messages.\r\n"
     u"\r\n"
     u"This will change the corresponding setting in Preferences > General."},
    {217, u"Version of Zandor OrvantaPDF:"},
    {218, u"Import Succeed"},
    {220, u"Plugin Path:"},
    {222, u"Export Succeed"},
    {223, u"Save Succeed"},
    {224, u"Delete"},
    {225,
     u"The program will restart when the interface changes. However,\r\n"
     u"it will cause the data in the window loss. Do you agree with?"},
    {226, u"Interface Change"},
    {227, u"&Move(M)"},
    {228, u"Are you sure to delete the highlighted plugin from the list--"},
    {229, u"Plugin Delete"},
    {230, u"The plugin has already exist in the list."},
    {231, u"The plugin is inserted in the list successfully."},
    {232,
     u"The document could not be saved. The file may be read-only, or opened by another "
     u"user. Please save the document with a different name or in different folder."},
    {235, u"Please enter the version!"},
    {236,
     u"Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go "
     u"to \u201CInterface\u201D to choose the product Reader or Orvanta firstly. "},
    {237,
     u"Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go "
     u"to \u201CInterface\u201D to choose the product Reader or Orvanta firstly. "},
    {238,
     u"This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right "
     u"one and try again."},
    {239, u"The rolling time of advertisement is not between 1 and 60000s."},
    {240, u"About Zandor OrvantaPDF"},
    {241,
     u"Set the new contents in 'About Zandor OrvantaPDF' dialog.\r\n"
     u"\r\n"
     u"Copyright: Change the content of copyright. The default is Zandor information.\r\n"
     u"\r\n"
     u"Content: Change the contents under copyright information.The default lists the "
     u"technology built in Zandor OrvantaPDF.\r\n"
     u"\r\n"
     u"Logo Path: Set the path of the logo."},
    {242,
     u"Set Zandor OrvantaPDF as your default PDF viewer. This option will take effect "
     u"under the administrator account.\r\n"
     u"\r\n"
     u"Check 'System PDF Viewer' to set Zandor OrvantaPDF as the system default PDF viewer.\r\n"
     u"\r\n"
     u"Check 'Web Browser PDF Viewer' to set Zandor OrvantaPDF as the default PDF viewer "
     u"in web browsers and remove the corresponding setting under Preferences > File "
     u"Associations > Advanced."},
    {243,
     u"Check to hide the 'Set to Default PDF Reader' dialog when Zandor OrvantaPDF isn't "
     u"the default PDF viewer."},
    {244, u"Change the program's name. The default is 'Zandor OrvantaPDF'."},
    {245,
     u"Check any plugin item, the corresponding plugin will be hidden.\r\n"
     u"\r\n"
     u"Plugin Path: Set the path of the New Plugin, then Click Add Button to add into "
     u"Plugin list. Also you can choose the Delete button to delete the new Add Plugin. \r\n"
     u"\r\n"
     u"Note: Only applications with .zpi extensions can be hidden from Zandor "
     u"OrvantaPDF. You can find these plugins in the installation directory of Zandor "
     u"OrvantaPDF (..\\Zandor OrvantaPDF\\plugins)."},
    {246, u"The format of xml is error."},
    {247, u"The highlighted plugin which is initialized should not be deleted."},
    {248, u"Cadmira-Zandor OrvantaPDF"},
    {249, u"Cadmira-Zandor Reader"},
    {250,
     u"Check 'Disabled Tessadoc features' to disable all Tessadoc features.\r\n"
     u"\r\n"
     u"Check 'Share usage data when using Tessadoc features' to disable sharing usage "
     u"data when using Tessadoc features. \r\n"
     u"Because data tracking is required when opening Tessadoc protected or Enforce "
     u"Tracking document, once this option is checked, these documents will not be opened.\r\n"
     u"\r\n"
     u"Check 'Autaomatically save PDF files in Tessadoc format' to forbid the "
     u"application automatically save PDF files in Tessadoc format. \r\n"
     u"\r\n"
     u"Check 'Automatically convert Office files to Tessadoc document' to forbid the "
     u"application automatically convert Office files to Tessadoc format when converting "
     u"to PDF files."},
    {254, u"Tessadoc"},
    {268,
     u"Enable this option to disable the security warning when Zandor OrvantaPDF is "
     u"launched by a third-party application without a valid digital signature."},
    {269, u"Security Warning"},
    {270, u"Disable Security Warning "},
    {271,
     u"Enable this option to disable the security warning when Zandor Reader is launched "
     u"by a third-party application without a valid digital signature."},
    {275, u"The plugin file name should not contain \";\"."},
    {282, u"Plugin Edit"},
    {288, u"Lock Read Mode in web browsers"},
    {289, u"User Experience Improvement"},
    {290,
     u"Choose \u2018Disabled\u2019 to turn off anonymous data collection.\r\n"
     u"\r\n"
     u"Choose \u2018Enabled\u2019 to turn on anonymous data collection. \r\n"
     u"\r\n"
     u"This will change the corresponding setting in Preferences > General. "},
    {291, u"Filter Comments"},
    {292,
     u"Choose 'Enabled' to filter comments by the original author only. \r\n"
     u"\r\n"
     u"Choose 'Disabled' to filter comments by all participants. \r\n"
     u"\r\n"
     u"This will change the corresponding setting in Comment > Filter window."},
    {293, u"Default Tessadoc Server"},
    {294,
     u"Set the default Tessadoc server, the end user can use this server URL to connect "
     u"your enterprise Tessadoc server."},
    {295, u"Share the PDF file that caused this crash"},
    {296,
     u"Choose 'Enabled' to always share the PDF file that caused crash.\r\n"
     u"\r\n"
     u"Choose 'Disabled' to not share the PDF file that caused crash.\r\n"
     u"\r\n"
     u"This will change and grey out the corresponding setting of \u2018Share the PDF file "
     u"that caused this crash\u2019 option in Crash Report."},
    {297, u"Features which require internet connection"},
    {298,
     u"Choose 'Disabled' to disable all features which require internet connection.\r\n"
     u"\r\n"
     u"Choose 'Enabled' to enable all features which require internet connection.\r\n"
     u"\r\n"
     u"This will change the corresponding setting in Preferences > General."},
    {299,
     u"The program could not be restarted. The interface change will take effect the next time "
     u"you start it."},
    {330, u"Settings"},
    {331, u"checked"},
    {332, u"not checked"},
    {333, u"partly checked"},
    {340, u"Find:"},
    {341, u"Changed only"},
    {342, u"%1 controls hidden"},
    {343, u"%1 plug-ins hidden"},
    {344, u"Save the changes to %1?"},
    {345, u"the new file"},
    {346, u"changed"},
    {402, u"(empty)"},
    {403, u"Configuration Report"},
    {404, u"File"},
    {405, u"Form"},
    {406, u"plain"},
    {407, u"sealed"},
    {408, u"Product"},
    {409, u"Version"},
    {410, u"Report date"},
    {411, u"Setting"},
    {412, u"Option"},
    {413, u"Value"},
    {414, u"Untouched page"},
    {415, u"No setting differs from an untouched page."},
    {416, u"Hidden ribbon controls"},
    {417, u"Ribbon element"},
    {418, u"Name path"},
    {419, u"No ribbon control is hidden."},
    {420, u"Hidden plug-ins"},
    {421, u"Plug-in file"},
    {422, u"Caption"},
    {423, u"No plug-in is hidden."},
    {424, u"Findings"},
    {425, u"Differences"},
    {426, u"Both show the same."},
    {427, u"Compare with File…"},
    {428, u"Save Report…"},
    {429, u"The pages as they are now"},
    {430, u"hidden"},
    {431, u"shown"},
    {432, u"(none)"},
    {433, u"Compare"},
    {434, u"Close"},
    {435, u"The report could not be written."},
    {436, u"The report is saved."},
};

// Strictly increasing ids, so that the binary search finds the one entry of an id.
static_assert(std::adjacent_find(std::begin(kEnglishStrings), std::end(kEnglishStrings),
                                 [](const StringEntry& a, const StringEntry& b) { return a.id >= b.id; }) ==
              std::end(kEnglishStrings));

}  // namespace

std::u16string_view EnglishString(int id) {
  const auto found = std::lower_bound(std::begin(kEnglishStrings), std::end(kEnglishStrings), id,
                                      [](const StringEntry& e, int wanted) { return e.id < wanted; });
  if (found == std::end(kEnglishStrings) || found->id != id) return {};
  return found->text;
}

}  // namespace cadmira::resources
