#include "report/ReportWriter.h"

#include <gtest/gtest.h>

#include <sstream>

#include "report/ReportText.h"

namespace cadmira::report {
namespace {

std::string Written(const ReportDocument& document, ReportFormat format) {
  std::ostringstream out;
  WriteReport(document, format, out);
  return out.str();
}

ReportDocument OneCell(std::u16string text) {
  ReportDocument document;
  document.language = u"en";
  document.title = u"Report";
  document.facts.emplace_back(u"File", text);
  document.sections.push_back({u"Preferences", {{{}, {{u"Setting", u"Value"}, {{u"Row", text}}}}}, {}, u"none"});
  return document;
}

TEST(ReadableUtf8, ShowsControlsAsPicturesAndLoneSurrogatesAsReplacement) {
  const std::u16string text{u'a', 0x01, u'\t', u'\n', 0x7F, 0xD800, u'b', 0xDFFF, 0xD83D, 0xDE00};
  EXPECT_EQ(ReadableUtf8(text), "a\u2401\t\n\u2421\uFFFDb\uFFFD\U0001F600");
}

TEST(HtmlReport, EveryTextOfTheFileStaysText) {
  const std::string html =
      Written(OneCell(u"<script>alert('x')</script> & \"q\" \u202Eevil\u202C \x01"), ReportFormat::Html);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_NE(html.find("<bdi>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;q&quot; \u202Eevil\u202C "
                      "\u2401</bdi>"),
            std::string::npos);
  for (const char* external : {"src=", "href=", "http:", "https:", "@import"}) {
    EXPECT_EQ(html.find(external), std::string::npos) << external;
  }
}

TEST(HtmlReport, AVeryLongValueIsKeptWhole) {
  const std::u16string value(100000, u'x');
  const std::string html = Written(OneCell(value), ReportFormat::Html);
  EXPECT_NE(html.find("<td><bdi>" + std::string(100000, 'x') + "</bdi></td>"), std::string::npos);
}

TEST(MarkdownReport, ACellStaysOneCellOfPlainText) {
  const std::string markdown = Written(OneCell(u"a|b\nc *d* [e](f) <g> `h` &lt;"), ReportFormat::Markdown);
  EXPECT_NE(markdown.find("| Row | a\\|b<br>c \\*d\\* \\[e\\](f) \\<g\\> \\`h\\` \\&lt; |\n"), std::string::npos)
      << markdown;
  EXPECT_NE(markdown.find("| Setting | Value |\n| --- | --- |\n"), std::string::npos);
}

TEST(TextReport, ALineBreakInAValueKeepsItsRowOnOneLine) {
  const std::string text = Written(OneCell(u"one\ntwo\tthree"), ReportFormat::Text);
  EXPECT_NE(text.find("    Value: one\u2424two\u2409three\n"), std::string::npos) << text;
}

TEST(Reports, ASectionWithoutRowsSaysSo) {
  ReportDocument document = OneCell(u"x");
  document.sections[0].blocks.clear();
  EXPECT_NE(Written(document, ReportFormat::Text).find("Preferences\n  none\n"), std::string::npos);
  EXPECT_NE(Written(document, ReportFormat::Markdown).find("## Preferences\n\nnone\n"), std::string::npos);
  EXPECT_NE(Written(document, ReportFormat::Html).find("<h2>Preferences</h2>\n<p>none</p>\n"), std::string::npos);
}

}  // namespace
}  // namespace cadmira::report
