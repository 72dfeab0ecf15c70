#pragma once

#include <functional>

class QWidget;

namespace cadmira::app {

// The Interface button: runs the interface change dialog; when it is confirmed, stores the choice
// and asks whether to restart now. On Yes, `mayRestart` (when given) decides whether the restart,
// which loses what the window holds, goes on.
void InterfaceChange(QWidget* owner, const std::function<bool()>& mayRestart = {});

// Stores a confirmed choice. A language index of 0 stores English, 1 Chinese, anything else the
// language stored now; a product index of 0 stores Reader, 1 Orvanta, anything else nothing.
void StoreInterfaceChoice(int languageIndex, int productIndex);

// Starts a new instance of the program and ends this one at once, losing unsaved edits. When the
// new instance cannot be started, says so and keeps this one running.
void RestartProgram(QWidget* owner);

}  // namespace cadmira::app
