#pragma once

#include <ctime>
#include <string>

namespace cadmira::report {

// The day of `time` in UTC as YYYY-MM-DD.
std::u16string ReportDate(std::time_t time);

}  // namespace cadmira::report
