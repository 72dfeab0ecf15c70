#include "document/MapPageControls.h"

namespace cadmira::document {
namespace {

template <class Map, class Value>
Value Lookup(const Map& map, const typename Map::key_type& id, Value fallback) {
  const auto found = map.find(id);
  return found == map.end() ? fallback : found->second;
}

}  // namespace

bool MapPageControls::Checked(int dialogId, int controlId) const {
  return Lookup(m_checked, {dialogId, controlId}, false);
}

void MapPageControls::SetChecked(int dialogId, int controlId, bool checked) {
  m_checked[{dialogId, controlId}] = checked;
}

int MapPageControls::ComboIndex(int dialogId, int controlId) const {
  return Lookup(m_comboIndex, {dialogId, controlId}, 0);
}

void MapPageControls::SetComboIndex(int dialogId, int controlId, int index) {
  m_comboIndex[{dialogId, controlId}] = index;
}

std::u16string MapPageControls::Text(int dialogId, int controlId) const {
  return Lookup(m_text, {dialogId, controlId}, std::u16string());
}

void MapPageControls::SetText(int dialogId, int controlId, const std::u16string& text) {
  m_text[{dialogId, controlId}] = text;
}

void MapPageControls::SetEnabled(int dialogId, int controlId, bool enabled) {
  m_enabled[{dialogId, controlId}] = enabled;
}

bool MapPageControls::Enabled(int dialogId, int controlId) const {
  return Lookup(m_enabled, {dialogId, controlId}, true);
}

}  // namespace cadmira::document
