#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/plugins/model/PluginItem.h"
#include "resources/Product.h"

struct CXML_TreeElement;

namespace cadmira::document {
class CDomDocument;
}

namespace cadmira::pages {

class IAddedPluginStore;

// Told of every change of a plug-in list, so that a view can follow it.
class IPluginListObserver {
 public:
  virtual void OnPluginInserted(std::size_t row) = 0;
  virtual void OnPluginRemoved(std::size_t row) = 0;
  virtual void OnPluginChecked(std::size_t row, bool checked) = 0;

 protected:
  ~IPluginListObserver() = default;
};

enum class PluginAddOutcome {
  Added,
  Duplicate,    // a row has that file name already (ignoring case)
  BadFileName,  // empty, or holding ";"
};

struct PluginAddResult {
  PluginAddOutcome outcome;
  std::size_t row = 0;  // the new row, when added
};

// The Plugins page's list without its window: the product's default plug-ins, then those added on
// this workstation (kept in a store), each row with a check mark that hides the plug-in. Rows
// are only ever appended, and removed one at a time.
class CPluginListModel {
 public:
  CPluginListModel() = default;
  CPluginListModel(const CPluginListModel&) = delete;
  CPluginListModel& operator=(const CPluginListModel&) = delete;

  void SetObserver(IPluginListObserver* observer) { m_observer = observer; }

  // Lists the default plug-ins of the product in the interface language, then every plug-in the
  // store keeps; later additions go to the store at once. A null store keeps nothing.
  void Fill(resources::Product product, int language, IAddedPluginStore* store);
  // A default plug-in: listed, and never deleted.
  void AppendDefault(PluginItem plugin);
  // A plug-in added before, wherever it is known from: listed and kept with the added ones, but
  // not stored again now.
  void AppendAdded(PluginItem plugin);

  std::size_t Count() const { return m_rows.size(); }
  const PluginItem& Item(std::size_t row) const { return m_rows.at(row).plugin; }
  bool Checked(std::size_t row) const { return m_rows.at(row).checked; }
  void SetChecked(std::size_t row, bool checked);
  // Sets every row of the file name (ignoring case); the number of rows it found.
  std::size_t SetCheckedByFileName(std::u16string_view fileName, bool checked);
  // The first row of the file name, ignoring case.
  std::optional<std::size_t> FindFileName(std::u16string_view fileName) const;
  // A row whose file name is one of the default list's (ignoring case) cannot be deleted.
  bool IsInitialized(std::size_t row) const;

  // What Add would answer for a chosen path: Added, or why it refuses.
  PluginAddOutcome CheckAdd(std::u16string_view chosenPath) const;
  // Adds the plug-in a chosen path names (its caption and file name), unchecked and last, and
  // stores it at once; a file name already listed or unfit for the hidden list is refused.
  PluginAddResult Add(std::u16string_view chosenPath);
  // Removes a row that is not initialized, and the first added plug-in of its file name; the
  // store keeps it until RewriteStore. False, with nothing changed, for an initialized row.
  bool Remove(std::size_t row);

  // Checks exactly the rows that a loaded document hides; a document without a plug-in list
  // leaves every check as it is.
  void ApplyPluginSection(const CXML_TreeElement* root);
  // Lists every file name a loaded document hides that no row has yet, after the rows there are,
  // so that a Save writes it again and the person can untick it; it is the file's, not this
  // workstation's, so it is neither stored nor among the added plug-ins. The number of rows listed.
  std::size_t AdoptHiddenNames(const CXML_TreeElement* root);
  // The file names of the checked rows, in row order.
  std::vector<std::u16string> HiddenFileNames() const;
  // Sets the document's UnloadPluginArray from the checked rows, then the Tessadoc plug-ins when
  // that feature is disabled.
  void WritePluginSection(document::CDomDocument& document, bool disableTessadoc) const;

  // The plug-ins added on this workstation: the stored ones, then those added since, less the
  // deleted ones.
  const std::vector<PluginItem>& AddedPlugins() const { return m_added; }
  // Makes the store keep exactly the added plug-ins. Does nothing for a list never filled, so
  // that an unused list never empties the store.
  bool RewriteStore() const;

 private:
  struct Row {
    PluginItem plugin;
    bool checked = false;
  };

  void AppendRow(PluginItem plugin);

  std::vector<Row> m_rows;
  std::vector<std::u16string> m_defaultFiles;
  std::vector<PluginItem> m_added;
  IAddedPluginStore* m_store = nullptr;
  IPluginListObserver* m_observer = nullptr;
};

}  // namespace cadmira::pages
