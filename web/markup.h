#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/layout.h"

namespace web {

// One element of the page as HTML writes it: its tag, its attributes in order (a flag has
// an empty value), and what it holds, already written as HTML.
struct Element {
  std::string tag;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string content;
};

// A text as HTML content or an attribute's value: nothing in it is read as markup.
std::string Escaped(std::string_view text);

// The element's HTML; an element with no end tag (input) holds nothing.
std::string Html(const Element& element);

// A style rule: the selector and its declarations, each "property:value".
std::string CssRule(std::string_view selector, const std::vector<std::string>& declarations);

// A selector of the element whose attribute has that value, as CSS quotes it.
std::string AttributeSelector(std::string_view attribute, std::string_view value);

// A length in CSS pixels, and a colour, as a style property takes them.
std::string CssPixels(int pixels);
std::string CssColour(window::Rgb rgb);

}  // namespace web
