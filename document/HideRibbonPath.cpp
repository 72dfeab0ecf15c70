#include "document/HideRibbonPath.h"

#include "base/AsciiCase.h"

namespace cadmira::document {
namespace {

CDomElement AppendNamed(CDomDocument& document, CDomElement parent, std::u16string_view tag, std::u16string_view name,
                        bool hidden) {
  CDomElement element = document.CreateElement(tag);
  document.SetAttribute(element, u"Name", name);
  if (hidden) document.SetAttribute(element, u"Visible", u"0");
  document.Append(parent, element);
  return element;
}

CDomElement TabElements(CDomDocument& document, CRibbonWriteRecord& record) {
  if (record.m_tabElements) return record.m_tabElements;
  for (CDomElement child : document.Children(record.m_ribbonUI)) {
    if (document.NodeName(child) == u"TabElements") {
      record.m_tabElements = child;
      return child;
    }
  }
  record.m_tabElements = document.CreateElement(u"TabElements");
  document.Append(record.m_ribbonUI, record.m_tabElements);
  return record.m_tabElements;
}

void HideBelowTabElements(CDomDocument& document, CRibbonWriteRecord& record, const RibbonPath& path) {
  CDomElement tabElements = TabElements(document, record);
  if (path.size() == 2) {
    record.RegisterTabChild(path[1], AppendNamed(document, tabElements, u"Control", path[1], true));
  } else if (path.size() == 3) {
    CDomElement control = record.FindTabChild(path[1]);
    if (!control) {
      control = AppendNamed(document, tabElements, u"Control", path[1], false);
      record.RegisterTabChild(path[1], control);
    }
    AppendNamed(document, control, u"SubItem", path[2], true);
  }
}

CDomElement Category(CDomDocument& document, CRibbonWriteRecord& record, const std::u16string& name) {
  CDomElement category = record.FindCategory(name);
  if (!category) {
    category = AppendNamed(document, record.m_ribbonUI, u"Category", name, false);
    record.RegisterCategory(name, category);
  }
  return category;
}

CDomElement Panel(CDomDocument& document, CRibbonWriteRecord& record, const RibbonPath& path) {
  CDomElement panel = record.FindPanel(path[0], path[1]);
  if (!panel) {
    panel = AppendNamed(document, Category(document, record, path[0]), u"Panel", path[1], false);
    record.RegisterPanel(path[0], path[1], panel);
  }
  return panel;
}

void HideBelowCategory(CDomDocument& document, CRibbonWriteRecord& record, const RibbonPath& path) {
  switch (path.size()) {
    case 1:
      record.RegisterCategory(path[0], AppendNamed(document, record.m_ribbonUI, u"Category", path[0], true));
      break;
    case 2:
      record.RegisterPanel(path[0], path[1],
                           AppendNamed(document, Category(document, record, path[0]), u"Panel", path[1], true));
      break;
    case 3: {
      CDomElement panel = Panel(document, record, path);
      CDomElement control = AppendNamed(document, panel, u"Control", path[2], true);
      // The annotation control has a label that must disappear with it.
      if (AsciiEqualNoCase(path[2], u"Format_Setting_Annotation")) {
        AppendNamed(document, panel, u"Control", u"Format_Setting_AnnotLabel", true);
      }
      record.RegisterControl(path[0], path[1], path[2], control);
      break;
    }
    case 4: {
      CDomElement control = record.FindControl(path[0], path[1], path[2]);
      if (!control) {
        control = AppendNamed(document, Panel(document, record, path), u"Control", path[2], false);
        record.RegisterControl(path[0], path[1], path[2], control);
      }
      AppendNamed(document, control, u"SubItem", path[3], true);
      break;
    }
    default:
      break;
  }
}

}  // namespace

void HideRibbonPath(CWriteContext& context, const RibbonPath& path) {
  if (path.empty()) return;
  CDomDocument& document = RequireDocument(context);
  CRibbonWriteRecord& record = context.m_ribbonRecord;
  if (!record.m_ribbonUI) record.m_ribbonUI = document.FindByTag(u"RibbonUI");
  if (!record.m_ribbonUI) return;
  if (path[0].empty()) {
    HideBelowTabElements(document, record, path);
  } else {
    HideBelowCategory(document, record, path);
  }
}

}  // namespace cadmira::document
