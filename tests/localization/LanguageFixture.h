#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "localization/LanguageFile.h"

namespace cadmira::localization {

inline void LoadLanguageText(std::string_view xml) {
  LoadLanguageDocument({reinterpret_cast<const unsigned char*>(xml.data()), xml.size()});
}

// Every test starts and ends in English, whatever language file it loaded.
class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadLanguageFile(49001); }
  void TearDown() override { LoadLanguageFile(49001); }
};

}  // namespace cadmira::localization
