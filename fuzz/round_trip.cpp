// Reads arbitrary bytes as a configuration file, applies it to pages held in maps, writes the
// document those pages give and reads that back. Every value the product writes must come back,
// and writing the pages again must give the same bytes.
#include "base/AsciiCase.h"
#include "document/DocumentWriter.h"
#include "document/HiddenRibbonPaths.h"
#include "document/MapPageControls.h"
#include "document/PluginList.h"
#include "document/PreferenceCatalogue.h"
#include "document/PreferenceReader.h"
#include "document/ReadConfigFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace cadmira::document;

// What the three pages hold after a load: the controls, the ticked plug-ins and the checked
// ribbon elements. The pages keep each plug-in and ribbon element once; the lists model that
// without the plug-in list and ribbon definition the real pages are built from.
struct Pages {
  MapPageControls controls;
  std::vector<std::u16string> plugins;
  std::vector<RibbonPath> ribbon;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "round trip: %s\n", what);
  __builtin_trap();
}

std::u16string Lowered(std::u16string_view text) {
  std::u16string lowered(text);
  for (char16_t& c : lowered) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lowered;
}

// The writer adds the Tessadoc plug-ins itself when that preference is ticked, so the page
// ticks only the others.
std::vector<std::u16string> TickedPlugins(const CXML_TreeElement* root, bool disableTessadoc) {
  std::set<std::u16string> seen;
  if (disableTessadoc) {
    for (const std::u16string& name : SplitUnloadPluginArray(kTessadocPlugins)) seen.insert(Lowered(name));
  }
  std::vector<std::u16string> ticked;
  const std::optional<std::u16string> value = ReadUnloadPluginArray(root);
  if (!value) return ticked;
  for (std::u16string& name : SplitUnloadPluginArray(*value)) {
    if (seen.insert(Lowered(name)).second) ticked.push_back(std::move(name));
  }
  return ticked;
}

bool SameNames(const RibbonPath& a, const RibbonPath& b, std::size_t count) {
  if (a.size() < count || b.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (!cadmira::AsciiEqualNoCase(a[i], b[i])) return false;
  }
  return true;
}

bool Contains(const std::vector<RibbonPath>& paths, const RibbonPath& path) {
  return std::any_of(paths.begin(), paths.end(), [&](const RibbonPath& other) {
    return other.size() == path.size() && SameNames(other, path, path.size());
  });
}

// What the writer hides by itself along with another path: the annotation label with the
// annotation control, the status-bar control with a status-bar choice.
bool WrittenAlongside(const RibbonPath& path, const std::vector<RibbonPath>& paths, const MapPageControls& controls) {
  if (path.size() == 3 && !path[0].empty() && cadmira::AsciiEqualNoCase(path[2], u"Format_Setting_AnnotLabel")) {
    const RibbonPath annotation{path[0], path[1], u"Format_Setting_Annotation"};
    if (Contains(paths, annotation)) return true;
  }
  const RibbonPath statusBar{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"};
  if (path.size() != 3 || !SameNames(path, statusBar, 3)) return false;
  for (const PreferenceRow& row : PreferenceCatalogue()) {
    for (const PreferenceBinding& binding : row.bindings) {
      if (binding.hidesStatusBarRibbon && controls.ComboIndex(binding.dialogId, binding.controlId) > 0) return true;
    }
  }
  return false;
}

// The controls the writer hides alongside others have no elements below them on the ribbon page.
bool BelowWrittenAlongside(const RibbonPath& path) {
  if (path.size() != 4) return false;
  const RibbonPath statusBar{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"};
  return cadmira::AsciiEqualNoCase(path[2], u"Format_Setting_AnnotLabel") || SameNames(path, statusBar, 3);
}

// The ribbon page holds each element once, as a check box in a tree of at most four levels: a
// checked element hides its subtree, and an element without a name is never written itself.
std::vector<RibbonPath> TickedRibbon(const CXML_TreeElement* root, const MapPageControls& controls) {
  std::vector<RibbonPath> hidden;
  VisitHiddenRibbonPaths(root,
                         [&](std::span<const std::u16string> path) { hidden.emplace_back(path.begin(), path.end()); });
  std::vector<RibbonPath> ticked;
  for (const RibbonPath& path : hidden) {
    if (path.empty() || path.size() > 4 || path.back().empty() || BelowWrittenAlongside(path)) continue;
    if (path[0].empty() && path.size() != 2 && path.size() != 3) continue;
    if (Contains(ticked, path) || WrittenAlongside(path, hidden, controls)) continue;
    const bool underAnother = std::any_of(hidden.begin(), hidden.end(), [&](const RibbonPath& other) {
      return other.size() < path.size() && !other.back().empty() && SameNames(path, other, other.size());
    });
    if (!underAnother) ticked.push_back(path);
  }
  return ticked;
}

Pages Apply(const CXML_TreeElement* root) {
  Pages pages;
  ApplyPreferenceSection(root, pages.controls);
  pages.plugins = TickedPlugins(root, pages.controls.Checked(kTessadocDialog, kDisableTessadocCheck));
  pages.ribbon = TickedRibbon(root, pages.controls);
  return pages;
}

// Null when the pages hold text that a file cannot carry: the writer refuses it.
std::optional<std::vector<unsigned char>> Write(const Pages& pages, cadmira::resources::Product product) {
  CWriteContext context;
  try {
    FillDocument(context, product, pages.controls, pages.plugins, pages.ribbon);
    return context.m_spXmlDoc->Serialize();
  } catch (const CDomError&) {
    return std::nullopt;
  }
}

void CompareWrittenControls(const Pages& first, const Pages& second, cadmira::resources::Product product) {
  const auto& a = first.controls;
  const auto& b = second.controls;
  if (a.Text(kPreferencesDialog, kVersionEdit) != b.Text(kPreferencesDialog, kVersionEdit)) Fail("version");
  for (const PreferenceRow& row : PreferenceCatalogue()) {
    if (!RowAppliesTo(row, product)) continue;
    for (const PreferenceBinding& binding : row.bindings) {
      const int dialog = binding.dialogId;
      const int control = binding.controlId;
      switch (binding.kind) {
        case ControlKind::None:
          break;
        case ControlKind::CheckBox:
          if (a.Checked(dialog, control) != b.Checked(dialog, control)) Fail("check box");
          break;
        case ControlKind::ComboBox:
          // No selection is written as item 0.
          if (std::max(a.ComboIndex(dialog, control), 0) != std::max(b.ComboIndex(dialog, control), 0)) {
            Fail("combo box");
          }
          break;
        case ControlKind::Edit:
          if (a.Text(dialog, control) != b.Text(dialog, control)) Fail("edit");
          break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ConfigFile file = ReadConfigBytes(std::vector<unsigned char>(data, data + size), ReadForms::PlainThenSealed);
  // The window applies only a file of a product; it writes for the product chosen.
  if (!file.product) return 0;
  const cadmira::resources::Product product = *file.product;
  const Pages first = Apply(file.Root());
  const std::optional<std::vector<unsigned char>> written = Write(first, product);
  if (!written) return 0;

  const ConfigFile back = ReadConfigBytes(*written, ReadForms::PlainOnly);
  if (!back.Root()) Fail("the written file does not parse");
  if (back.product != product) Fail("the written file names another product");
  const Pages second = Apply(back.Root());
  CompareWrittenControls(first, second, product);
  if (second.plugins != first.plugins) Fail("plug-ins");

  const std::optional<std::vector<unsigned char>> again = Write(second, product);
  if (!again) Fail("the second write was refused");
  if (*again != *written) Fail("the second write differs from the first");
  return 0;
}
