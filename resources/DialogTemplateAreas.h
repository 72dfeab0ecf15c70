#pragma once

#include "resources/DialogTemplate.h"

#include <span>

// The dialog templates, kept in one table per area of the program.
namespace cadmira::resources {

// The main window, its About box and the interface change dialog.
std::span<const DialogTemplateData> MainWindowTemplates();

// The three pages of the main window's tab control.
std::span<const DialogTemplateData> PageTemplates();

// The option pages of the Preferences page.
std::span<const DialogTemplateData> OptionPageTemplates();

}  // namespace cadmira::resources
