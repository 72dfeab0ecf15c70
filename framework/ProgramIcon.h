#pragma once

#include <QIcon>

namespace cadmira::framework {

// The program icon in every size the resources draw it. A size is decoded the first time it is
// drawn, so an icon that is only set costs nothing.
QIcon ProgramIcon();

// The icon a window hands the window manager: the platform's small and large sizes only.
QIcon ProgramWindowIcon();

}  // namespace cadmira::framework
