#pragma once

#include <gtest/gtest.h>

#include "framework/ScriptedHost.h"

// Makes every scripted host of the test binary fail the running test on an unexpected message box,
// file dialog or modal dialog, on a box other than the scripted one, and on an answer left unused.
// Call it from the binary's main, after InitGoogleTest.
inline void FailTestsOnHostProblems() {
  cadmira::framework::ScriptedHost::SetFailureHandler(
      [](const QString& problem) { ADD_FAILURE() << "Scripted host: " << problem.toStdString(); });
}
