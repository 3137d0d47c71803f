#include "web/markup.h"

#include <gtest/gtest.h>

#include <string>

#include "web/window_markup.h"
#include "window/control_error.h"
#include "window/layout.h"

namespace {

TEST(Markup, WritesTextThatNoParserReadsAsMarkup) {
  const struct {
    const char* why;
    const char* text;
    const char* escaped;
  } cases[] = {
      {"plain Cyrillic stays", "Изчисли", "Изчисли"},
      {"a tag is text", "<b>", "&lt;b&gt;"},
      {"an entity is text", "&amp;", "&amp;amp;"},
      {"a quote cannot end an attribute", "a\"b", "a&quot;b"},
  };
  for (const auto& c : cases) EXPECT_EQ(web::Escaped(c.text), c.escaped) << c.why;
}

TEST(Markup, WritesElementsAsTheyAreParsed) {
  EXPECT_EQ(web::Html({"input", {{"id", "a"}, {"readonly", ""}}, "ignored"}),
            "<input id=\"a\" readonly>")
      << "an input has no end tag and holds nothing";
  EXPECT_EQ(web::Html({"textarea", {}, "\r\nline"}), "<textarea>\n\r\nline</textarea>")
      << "the parser drops one line break after <textarea>: a text that starts with one keeps it";
  EXPECT_EQ(web::CssRule("p", {}), "p{}\n");
  EXPECT_EQ(web::CssRule("p", {"a:1", "b:2"}), "p{a:1;b:2}\n");
  EXPECT_EQ(web::AttributeSelector("id", "Text2(0)"), "[id=\"Text2(0)\"]")
      << "parentheses need no escape inside quotes";
  EXPECT_EQ(web::AttributeSelector("id", "a\"b\\"), "[id=\"a\\\"b\\\\\"]");
}

// The page's program finds each control by its name: each must be there, once, and in tab
// order, or the window it takes over is not the one the layout describes.
TEST(WindowMarkup, HoldsEveryControlOnceInTabOrder) {
  const web::WindowMarkup markup = web::MarkUpWindow();
  std::size_t after = 0;
  for (const window::ControlLayout& control : window::MainWindowControls()) {
    const std::string id = " id=\"" + window::ControlNameOf(control) + "\"";
    const std::size_t at = markup.body.find(id);
    ASSERT_NE(at, std::string::npos) << id;
    EXPECT_GT(at, after) << id << " out of tab order";
    EXPECT_EQ(markup.body.find(id, at + 1), std::string::npos) << id << " twice";
    after = at;
  }
}

TEST(WindowMarkup, ShowsTheWindowAsItIsOnceLoaded) {
  const web::WindowMarkup markup = web::MarkUpWindow();
  EXPECT_EQ(markup.title, window::MainWindow().caption);
  EXPECT_NE(markup.body.find("<div id=\"Veltaro\" inert>"), std::string::npos)
      << "inert unless the page's script says that the program can run";
  EXPECT_NE(markup.body.find("<span>рандеман</span>"), std::string::npos)
      << "the options captioned by the Load event";
  EXPECT_NE(markup.body.find(">КПД %</label>"), std::string::npos)
      << "the labels in the first mode's words";
  EXPECT_NE(markup.body.find("spellcheck=\"false\" readonly>"), std::string::npos)
      << "the result box locked";
  EXPECT_EQ(markup.body.find("aria-live"), std::string::npos)
      << "no box is a live region: the status announces results";
  const std::size_t focused = markup.body.find(" autofocus");
  ASSERT_NE(focused, std::string::npos) << "the focus given with the first frame";
  EXPECT_EQ(markup.body.rfind("<textarea id=\"Text1(0)\"", focused),
            markup.body.find("<textarea"))
      << "the focus on the first control that takes it, the help text";
  EXPECT_EQ(markup.body.find(" autofocus", focused + 1), std::string::npos) << "on one only";
}

TEST(WindowMarkup, PlacesAndColoursEachControlFromTheLayout) {
  const web::WindowMarkup markup = web::MarkUpWindow();
  const std::string expected[] = {
      ":root{--window-width:461px;--window-height:345px}",
      "#Veltaro [id=\"Command1(0)\"]{left:208px;top:160px;width:97px;height:25px;"
      "background-color:rgb(128,255,128);--mark:rgb(0,0,0)}",
      "#Veltaro [for=\"Option1(2)\"]{left:0px;top:88px;width:161px;height:25px;"
      "background-color:rgb(192,192,255);--mark:rgb(0,0,0)}",
      "#Veltaro .reach[for=\"Text2(1)\"]{left:360px;top:72px;width:89px;height:27px}",
  };
  for (const std::string& rule : expected) {
    EXPECT_NE(markup.style.find(rule), std::string::npos) << rule;
  }
}

}  // namespace
