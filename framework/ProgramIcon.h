#pragma once

#include <QIcon>

namespace cadmira::framework {

// The program icon in every size the resources draw it.
QIcon ProgramIcon();

}  // namespace cadmira::framework
