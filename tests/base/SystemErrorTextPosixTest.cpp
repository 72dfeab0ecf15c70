#include "base/SystemErrorText.h"

#include <cerrno>
#include <clocale>
#include <locale.h>
#include <string>

#include <gtest/gtest.h>

namespace cadmira {
namespace {

bool LocaleAvailable(const char* name) {
  locale_t locale = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return false;
  freelocale(locale);
  return true;
}

TEST(ErrorMessageInLocale, SwapsOnlyTheSystemsOwnReasonAtTheEnd) {
  // scripts/install-deps generates the locale; without it the swap cannot be seen.
  ASSERT_TRUE(LocaleAvailable("zh_CN.UTF-8"));
  struct Row {
    Error error;
    const char* locale;
    std::string expected;
  };
  const Row rows[] = {
      {{"Cannot write /x/p.xml: No space left on device", ENOSPC},
       "zh_CN.UTF-8",
       "Cannot write /x/p.xml: \u8bbe\u5907\u4e0a\u6ca1\u6709\u7a7a\u95f4"},
      {{"Cannot replace /x/p.xml: Input/output error", EIO},
       "zh_CN.UTF-8",
       "Cannot replace /x/p.xml: \u8f93\u5165/\u8f93\u51fa\u9519\u8bef"},
      // Our own reasons carry no system number and stay as they are.
      {{"Cannot replace /x/p.xml: the file is read-only", 0},
       "zh_CN.UTF-8",
       "Cannot replace /x/p.xml: the file is read-only"},
      // A number whose text is not where the message ends is not guessed at.
      {{"Cannot write /x/p.xml", ENOSPC}, "zh_CN.UTF-8", "Cannot write /x/p.xml"},
      {{"No space left on device", EIO}, "zh_CN.UTF-8", "No space left on device"},
      {{"Cannot write /x/p.xml: No space left on device", ENOSPC},
       "C",
       "Cannot write /x/p.xml: No space left on device"},
      {{"Cannot write /x/p.xml: No space left on device", ENOSPC},
       "xx_NOWHERE.UTF-8",
       "Cannot write /x/p.xml: No space left on device"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ErrorMessageInLocale(row.error, row.locale), row.expected) << row.error.message << " in " << row.locale;
  }
}

}  // namespace
}  // namespace cadmira
