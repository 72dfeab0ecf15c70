#pragma once

#include <nlohmann/json.hpp>

// The English string table and every dialog template laid out by the framework at the screen's
// dots per inch: each dialog's size and each control's id, kind, text and pixel rectangle
// relative to its parent widget.
nlohmann::json DumpTemplates();
