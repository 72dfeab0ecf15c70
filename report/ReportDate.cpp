#include "report/ReportDate.h"

#include <cstdio>

namespace cadmira::report {

std::u16string ReportDate(std::time_t time) {
  // One thread, so the shared result of gmtime is safe here, and it is there on every platform.
  const std::tm* day = std::gmtime(&time);
  if (day == nullptr) return {};
  // Room for any int in each field, so the date is never cut.
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", day->tm_year + 1900, day->tm_mon + 1, day->tm_mday);
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace cadmira::report
