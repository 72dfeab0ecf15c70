#pragma once

#include <string>

namespace cadmira::cli {

// A plain Reader file around the given Preferences children, with sections after them.
inline std::string ReaderFile(const std::string& preferences, const std::string& after = "") {
  return "<ZandorReader version=\"9.0\" Edition=\"Enterprise\"><Profstore><Preferences>" + preferences +
         "</Preferences>" + after + "</Profstore></ZandorReader>";
}

inline std::string OrvantaFile(const std::string& preferences, const std::string& after = "") {
  return "<ZandorOrvantaPDF version=\"9.0\" Edition=\"BIZ\"><Profstore><Preferences>" + preferences + "</Preferences>" +
         after + "</Profstore></ZandorOrvantaPDF>";
}

}  // namespace cadmira::cli
