#pragma once

#include <string_view>

// A borrowed slice of text: pointer and length, owning nothing.
template <class Unit>
class CZD_StrView {
 public:
  constexpr CZD_StrView() = default;
  // A length of -1 measures the text up to its terminator.
  constexpr CZD_StrView(const Unit* text, int length = -1)
      : m_view(text == nullptr ? std::basic_string_view<Unit>()
               : length < 0    ? std::basic_string_view<Unit>(text)
                               : std::basic_string_view<Unit>(text, static_cast<std::size_t>(length))) {}
  constexpr CZD_StrView(std::basic_string_view<Unit> view) : m_view(view) {}

  constexpr const Unit* data() const { return m_view.data(); }
  constexpr int GetLength() const { return static_cast<int>(m_view.size()); }
  constexpr bool IsEmpty() const { return m_view.empty(); }
  constexpr std::basic_string_view<Unit> View() const { return m_view; }
  constexpr operator std::basic_string_view<Unit>() const { return m_view; }

 private:
  std::basic_string_view<Unit> m_view;
};

using CZD_ByteStrView = CZD_StrView<char>;
using CZD_WideStrView = CZD_StrView<char16_t>;
