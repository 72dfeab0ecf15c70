#include "pages/preferences/RMSdlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1043, 172}, {1044, 173}, {1035, 174}, {1041, 177}, {1040, 178}, {1036, 179}};
constexpr OptionPageCombo kCombos[] = {{1033, kThreeWayItems}, {1034, kThreeWayItems}};

}  // namespace

CRMSdlg::CRMSdlg() : COptionPage(kDialogId, {kLabels, kCombos}, true) {}

}  // namespace cadmira::pages
