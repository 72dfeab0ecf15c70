#pragma once

// The documents the reader benchmarks share: realistic configuration files and the hostile
// shapes whose cost must grow no faster than their size.
#include <cstddef>
#include <string>

namespace bench {

// A configuration file as administrators write them: a few dozen preferences (some values
// non-ASCII or with references), a RibbonUI hiding controls, a plug-in list; grown to `size`
// bytes by hiding more ribbon controls.
inline std::string TypicalConfig(std::size_t size) {
  static const char* const kPreferences[] = {
      "<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>",
      "<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"0\"/>",
      "<Preference Text=\"MainFrameName\" Title=\"Contoso PDF Viewer\"/>",
      "<Preference Text=\"AboutDlg\" Copyright=\"Copyright \xC2\xA9 2026 Contoso Ltd.\" CopyrightContent=\"Deployed by "
      "Contoso IT &amp; Facilities\" BackGroundPath=\"C:\\Program Files\\Contoso\\logo.png\"/>",
      "<Preference Text=\"Advertise\" FolderPath=\"\" Rool=\"\" Time=\"\" Disable=\"1\"/>",
      "<Preference Text=\"HomePage\" Title=\"\xE4\xB8\xBB\xE9\xA1\xB5\" Url=\"https://intranet.contoso.example/start\"/>",
      "<Preference Text=\"SuppressSetDefDlg\" Mode=\"1\"/>",
      "<Preference Text=\"CustomLanguage\" Mode=\"0\" DefaultLanguage=\"lang_de-de.xml\"/>",
      "<Preference Text=\"DefaultReader\" Mode=\"\" Write=\"1\"/>",
      "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"0\"/>",
      "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"\" EncryptMetadata=\"1\" ForbidViewInBrowser=\"1\" "
      "AllowSaveAs=\"\"/>",
      "<Preference Text=\"UserManualLocalPath\" String=\"\\\\fileserver\\manuals\\reader.pdf\"/>",
      "<Preference Text=\"DisableUpdate\" Disable=\"0\"/>",
      "<Preference Text=\"UseMicrosoftIRMV1\" Enable=\"\"/>",
      "<Preference Text=\"CollectTDOCData\" Mode=\"\"/>",
      "<Preference Text=\"disableTessadoc\" Mode=\"1\"/>",
      "<Preference Text=\"Watermark\" Content=\"\xE5\x86\x85\xE9\x83\xA8\xE8\xB5\x84\xE6\x96\x99 &quot;Confidential&quot;\" "
      "Opacity=\"30\"/>",
  };
  std::string xml =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ZandorReader version=\"11.2.0\" "
      "Edition=\"Enterprise\">\n  <Profstore>\n    <Preferences>\n";
  for (const char* preference : kPreferences) xml += std::string("      ") + preference + "\n";
  xml += "    </Preferences>\n    <Plugins>\n      <Plugin Text=\"Plugin\" UnloadPluginArray=\"";
  for (int i = 0; i < 40; ++i) xml += "Plugin" + std::to_string(i) + ".zpi;";
  xml += "\"/>\n    </Plugins>\n    <RibbonUI>\n";
  const std::string tail = "    </RibbonUI>\n  </Profstore>\n</ZandorReader>\n";
  for (int category = 0; xml.size() + tail.size() < size; ++category) {
    xml += "      <Category Name=\"Ribbon_Category_" + std::to_string(category) + "\">\n";
    for (int panel = 0; panel < 6 && xml.size() + tail.size() < size; ++panel) {
      xml += "        <Panel Name=\"Panel_" + std::to_string(category) + "_" + std::to_string(panel) + "\">\n";
      for (int control = 0; control < 8; ++control) {
        xml += "          <Control Name=\"Control_" + std::to_string(panel) + "_" + std::to_string(control) +
               "\" Visible=\"0\"/>\n";
      }
      xml += "        </Panel>\n";
    }
    xml += "      </Category>\n";
  }
  return xml + tail;
}

// A larger document: many preference elements with short values, some of them Chinese, then a
// nested ribbon definition whose buttons carry text.
inline std::string LargeConfig(std::size_t size) {
  static const char* const kValues[] = {"0",
                                        "1",
                                        "Default",
                                        "\xE5\xB7\xB2\xE5\x90\xAF\xE7\x94\xA8",
                                        "http://intranet.example/start",
                                        "\xE7\xA6\x81\xE7\x94\xA8",
                                        "2"};
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Reader edition=\"Enterprise\" version=\"9.0\">\n"
      "<Profstore>\n<Preferences>\n";
  const std::size_t preferencesEnd = size * 9 / 10;
  for (std::size_t i = 0; xml.size() < preferencesEnd; ++i) {
    xml += "  <Preference Text=\"Setting" + std::to_string(i % 500) + "\" Value=\"" + kValues[i % 7] + "\" Mode=\"" +
           std::to_string(i % 3) + (i % 50 == 0 ? "\" Rool=\"&quot;on&quot;\"/>\n" : "\"/>\n");
  }
  xml += "</Preferences>\n<RibbonUI>\n";
  for (std::size_t tab = 0; xml.size() < size; ++tab) {
    xml += "  <Tab Name=\"Tab" + std::to_string(tab) + "\" Hide=\"0\">\n";
    for (int group = 0; group < 8; ++group) {
      xml += "    <Group Name=\"Group" + std::to_string(group) + "\">\n";
      for (int button = 0; button < 8; ++button) {
        xml += "      <Button Name=\"Button" + std::to_string(button) +
               "\" Hide=\"1\">\xE6\x8C\x89\xE9\x92\xAE</Button>\n";
      }
      xml += "    </Group>\n";
    }
    xml += "  </Tab>\n";
  }
  xml += "</RibbonUI>\n<Plugins HidePlugins=\"a.fpi;b.fpi;\"/>\n</Profstore>\n</Reader>\n";
  return xml;
}

// One preference element carrying `count` distinct attributes.
inline std::string ManyAttributes(std::size_t count) {
  std::string xml = "<ZandorReader version=\"1\"><Profstore><Preferences><Preference Text=\"StartPage\"";
  for (std::size_t i = 0; i < count; ++i) xml += " Attribute" + std::to_string(i) + "=\"1\"";
  return xml + "/></Preferences></Profstore></ZandorReader>";
}

// A RibbonUI nested `levels` deep with a hidden control at every level.
inline std::string DeepRibbon(std::size_t levels) {
  std::string xml = "<ZandorReader version=\"1\"><Profstore><Preferences/><RibbonUI>";
  for (std::size_t i = 0; i < levels; ++i) {
    xml += "<Category Name=\"Level" + std::to_string(i) + "\"><Control Name=\"Hidden" + std::to_string(i) +
           "\" Visible=\"0\"/>";
  }
  for (std::size_t i = 0; i < levels; ++i) xml += "</Category>";
  return xml + "</RibbonUI></Profstore></ZandorReader>";
}

// `count` elements, each with a name of its own: the name table's worst case.
inline std::string ManyDistinctNames(std::size_t count) {
  std::string xml = "<ZandorReader>";
  for (std::size_t i = 0; i < count; ++i) xml += "<Name" + std::to_string(i) + " n" + std::to_string(i) + "=\"1\"/>";
  return xml + "</ZandorReader>";
}

// One element whose text is a run of character references and multi-byte characters.
inline std::string ReferenceText(std::size_t count) {
  std::string xml = "<ZandorReader>";
  for (std::size_t i = 0; i < count; ++i) xml += "&amp;&#x4E2D;\xE6\x96\x87&lt;";
  return xml + "</ZandorReader>";
}

// A configuration file written for a Chinese office: most values are Chinese texts (titles,
// copyright lines, watermarks), with the names and switches in ASCII as always.
inline std::string ChineseConfig(std::size_t size) {
  static const char* const kTexts[] = {
      "\xE5\x86\x85\xE9\x83\xA8\xE8\xB5\x84\xE6\x96\x99\xEF\xBC\x8C\xE8\xAF\xB7\xE5\x8B\xBF\xE5\xA4\x96\xE4\xBC\xA0",
      "\xE7\x89\x88\xE6\x9D\x83\xE6\x89\x80\xE6\x9C\x89 \xC2\xA9 2026 \xE5\x8C\x97\xE4\xBA\xAC\xE7\xA7\x91\xE6\x8A\x80\xE6\x9C\x89\xE9\x99\x90\xE5\x85\xAC\xE5\x8F\xB8",
      "\xE4\xBC\x81\xE4\xB8\x9A\xE9\x98\x85\xE8\xAF\xBB\xE5\x99\xA8",
      "\xE4\xBF\xA1\xE6\x81\xAF\xE6\x8A\x80\xE6\x9C\xAF\xE9\x83\xA8\xE7\xBB\x9F\xE4\xB8\x80\xE9\x83\xA8\xE7\xBD\xB2\xEF\xBC\x9A\xE5\xA6\x82\xE6\x9C\x89\xE9\x97\xAE\xE9\xA2\x98\xE8\xAF\xB7\xE8\x81\x94\xE7\xB3\xBB\xE6\x9C\xAC\xE9\x83\xA8\xE9\x97\xA8",
  };
  static const char* const kKeys[] = {"Title", "Copyright", "Content", "CopyrightContent"};
  std::string xml =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ZandorOrvantaPDF version=\"12.0\" "
      "Edition=\"BIZ\">\n  <Profstore>\n    <Preferences>\n";
  const std::string tail = "    </Preferences>\n  </Profstore>\n</ZandorOrvantaPDF>\n";
  for (std::size_t i = 0; xml.size() + tail.size() < size; ++i) {
    xml += "      <Preference Text=\"Setting" + std::to_string(i % 40) + "\" Mode=\"1\" " + kKeys[i % 4] + "=\"" +
           kTexts[i % 4] + "\" " + kKeys[(i + 1) % 4] + "=\"" + kTexts[(i + 2) % 4] + "\"/>\n";
  }
  return xml + tail;
}

// Text and attribute values made of long runs of character references, as some generators
// write every non-ASCII character.
inline std::string ReferenceRuns(std::size_t size) {
  static const char* const kRuns[] = {"&#x5185;&#x90E8;&#x8D44;&#x6599;", "&#20869;&#37096;&#36164;&#26009;",
                                      "&lt;&amp;&gt;&quot;&apos;", "&#x1F600;&#65;&#x42;"};
  std::string xml = "<ZandorReader version=\"1\"><Profstore><Preferences>\n";
  const std::string tail = "</Preferences></Profstore></ZandorReader>\n";
  for (std::size_t i = 0; xml.size() + tail.size() < size; ++i) {
    xml += "<Preference Text=\"Watermark\" Content=\"";
    for (int run = 0; run < 6; ++run) xml += kRuns[(i + run) % 4];
    xml += "\">";
    for (int run = 0; run < 6; ++run) xml += kRuns[(i + run + 1) % 4];
    xml += "</Preference>\n";
  }
  return xml + tail;
}

}  // namespace bench
