#include "pages/preferences/Programnamedlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1064, 196}};

}  // namespace

CProgramnamedlg::CProgramnamedlg() : COptionPage(kDialogId, {kLabels, {}}, true) {}

}  // namespace cadmira::pages
