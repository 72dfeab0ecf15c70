#include "base/CodePageMap.h"

const CZD_CodePageMap* CZD_CodePageMap::Get(int codePage) {
  static const CZD_CodePageMap kMaps[] = {
      {0, "UTF-8"}, {932, "CP932"}, {936, "CP936"}, {949, "CP949"}, {950, "CP950"},
  };
  for (const CZD_CodePageMap& map : kMaps) {
    if (map.m_nCodePage == codePage) {
      return &map;
    }
  }
  return nullptr;
}
