#include "pages/preferences/Languagedlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1045, 188}, {1060, 189}};

}  // namespace

CLanguagedlg::CLanguagedlg() : COptionPage(kDialogId, {kLabels, {}}, true) {}

}  // namespace cadmira::pages
