#pragma once

#include <cstddef>
#include <string>

namespace cadmira::framework {

// The local time of a crash, as the dump file's name shows it.
struct CrashTime {
  int year, month, day, hour, minute, second, millisecond;
};

// "<folder>ERLOG_YYYYMMDDhhmmss<ms><nn>.dmp": every field at least two digits wide (the year four),
// so a millisecond of 100 or more makes the name one digit longer. Writes at most `capacity`
// bytes including the terminating zero and returns the length, or 0 when it does not fit.
// Uses no allocation and no locale, so the signal handler can call it.
std::size_t FormatCrashDumpName(char* out, std::size_t capacity, const char* folder, const CrashTime& time, int number);

// Local calendar time of a moment given as seconds and milliseconds since the epoch and the
// local offset from UTC in seconds. Pure arithmetic, for the same reason.
CrashTime CrashTimeFromEpoch(long long seconds, int millisecond, long utcOffsetSeconds);

// The user's own folder for crash reports, with its trailing "/": "Cadmira/" in the state folder,
// which is `stateHome` when that is an absolute path, else "<home>/.local/state". Empty when
// neither is known.
std::string CrashReportFolder(const char* stateHome, const char* home);

// The same for this process: XDG_STATE_HOME, and HOME or the user's home folder.
std::string CrashReportFolder();

// Handles SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT on an alternate stack: writes a text report
// (signal, fault address, backtrace, memory map) into a dump file in `dumpFolder` (which ends with
// "/") named by FormatCrashDumpName, and ends the process with status 128 + the signal number.
// Missing folders are created with mode 0700 and the report gets mode 0600.
// The folder, the pseudo-random number (rand() % 100, never seeded) and the UTC offset are taken
// now, so that the handler itself makes only async-signal-safe calls.
void InstallCrashHandler(const std::string& dumpFolder);

}  // namespace cadmira::framework
