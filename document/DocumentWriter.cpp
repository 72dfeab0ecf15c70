#include "document/DocumentWriter.h"

#include "document/HideRibbonPath.h"
#include "document/PluginList.h"
#include "document/PreferenceCatalogue.h"
#include "document/PreferenceWriter.h"
#include "document/ProductTable.h"

namespace cadmira::document {
namespace {

CDomElement AppendNew(CDomDocument& document, CDomElement parent, std::u16string_view tag) {
  CDomElement element = document.CreateElement(tag);
  document.Append(parent, element);
  return element;
}

// The version box text goes to the root found again by its tag; a missing root or attribute
// leaves the value as the skeleton made it.
void WriteVersion(CDomDocument& document, resources::Product product, const std::u16string& version) {
  CDomElement root = document.FindByTag(ProductOf(product).rootTag);
  if (!root) return;
  if (CDomAttribute attribute = document.AttributeNode(root, u"version"))
    document.SetAttributeValue(attribute, version);
}

// The skeleton, the preference values and the root's version: what every build starts with.
CDomDocument& FillPreferencesAndVersion(CWriteContext& context, resources::Product product,
                                        const IPageControls& controls) {
  if (!BuildDocument(context, product)) throw CDomError(kE_POINTER, "the document could not be created");
  CDomDocument& document = *context.m_spXmlDoc;
  FillPreferenceSection(context, controls);
  WriteVersion(document, product, controls.Text(kPreferencesDialog, kVersionEdit));
  return document;
}

}  // namespace

bool BuildDocument(CWriteContext& context, resources::Product product) {
  context.m_spXmlDoc.reset();
  context.m_ribbonRecord.Clear();
  context.m_spXmlDoc = CDomDocument::Create();
  if (!context.m_spXmlDoc) return false;
  CDomDocument& document = *context.m_spXmlDoc;
  const ProductInfo& info = ProductOf(product);

  CDomElement root = document.CreateElement(info.rootTag);
  document.SetAttribute(root, u"version", u"");
  document.SetAttribute(root, u"Edition", info.edition);
  document.AppendToDocument(root);

  CDomElement profstore = AppendNew(document, root, u"Profstore");
  CDomElement preferences = AppendNew(document, profstore, u"Preferences");
  WritePreferenceSection(document, preferences, product);

  CDomElement plugins = AppendNew(document, profstore, u"Plugins");
  CDomElement plugin = AppendNew(document, plugins, u"Plugin");
  document.SetAttribute(plugin, u"Text", u"Plugin");
  document.SetAttribute(plugin, u"UnloadPluginArray", u"");

  AppendNew(document, profstore, u"RibbonUI");
  return true;
}

void FillDocument(CWriteContext& context, resources::Product product, const IPageControls& controls,
                  std::span<const std::u16string> hiddenPlugins, std::span<const RibbonPath> hiddenRibbon) {
  CDomDocument& document = FillPreferencesAndVersion(context, product, controls);
  const bool disableTessadoc = controls.Checked(kTessadocDialog, kDisableTessadocCheck);
  WritePluginSection(document, JoinUnloadPluginArray(hiddenPlugins, disableTessadoc));
  for (const RibbonPath& path : hiddenRibbon) HideRibbonPath(context, path);
}

void FillDocument(CWriteContext& context, resources::Product product, const IDocumentPages& pages) {
  CDomDocument& document = FillPreferencesAndVersion(context, product, pages.Controls());
  pages.WritePluginSection(document);
  pages.WriteRibbonSection(context);
}

}  // namespace cadmira::document
