#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "app/DocumentState.h"
#include "document/DocumentPages.h"
#include "resources/Product.h"

namespace cadmira::framework {
class Dialog;
}

namespace cadmira::app {

// Whether the pages would now write another document than they did when nothing counted as
// changed (at start, after the last accepted load, after the last Save or Export), shown in the
// window's title, and the question asked before an action would lose such a change. Selecting,
// expanding or finding change nothing that is written, so they are no change; an edit undone by
// hand is none either.
class CUnsavedChanges {
 public:
  CUnsavedChanges(framework::Dialog& window, const CDocumentState& state, const document::IDocumentPages& pages);

  // What the pages would write now counts as unchanged.
  void TakeBaseline();
  bool Changed() const;
  // Marks the title while there is a change, the platform's way.
  void ShowInTitle();

  // While one is alive the title is left as it is: a load edits every page many times over.
  class Hold {
   public:
    explicit Hold(CUnsavedChanges* changes) : m_changes(changes) {
      if (m_changes != nullptr) ++m_changes->m_holds;
    }
    ~Hold() {
      if (m_changes != nullptr) --m_changes->m_holds;
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    CUnsavedChanges* m_changes;
  };

  // Before an action that would lose a change: true when it may go on, that is when there is no
  // change, when the person discards it, or when they choose to save it and `save` wrote it.
  // Cancel, a refusal or a failed write keep the window as it is.
  bool MayLoseChanges(const std::function<bool()>& save);

 private:
  std::optional<std::vector<unsigned char>> WrittenNow() const;

  framework::Dialog& m_window;
  const CDocumentState& m_state;
  const document::IDocumentPages& m_pages;
  resources::Product m_product = resources::Product::Orvanta;
  std::optional<std::vector<unsigned char>> m_baseline;
  bool m_titleMarked = false;
  int m_holds = 0;
};

}  // namespace cadmira::app
