#pragma once

// The command line the tests' application object is built with.
inline const char* const kQtOptionsAndStartFile[] = {"-style", "Fusion", "-platform", "offscreen", "profstore.xml"};
inline constexpr const char* kStartFile = "profstore.xml";
