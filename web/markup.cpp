#include "web/markup.h"

namespace web {

std::string Escaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char character : text) {
    switch (character) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += character;
    }
  }
  return escaped;
}

std::string Html(const Element& element) {
  std::string html = "<" + element.tag;
  for (const auto& [name, value] : element.attributes) {
    html += " " + name;
    if (!value.empty()) html += "=\"" + Escaped(value) + "\"";
  }
  html += ">";
  if (element.tag == "input") return html;
  // A line break just after <textarea> is dropped by every parser: a text that starts
  // with one keeps it only if another comes first.
  if (element.tag == "textarea" && !element.content.empty() &&
      (element.content.front() == '\n' || element.content.front() == '\r')) {
    html += "\n";
  }
  return html + element.content + "</" + element.tag + ">";
}

std::string CssRule(std::string_view selector, const std::vector<std::string>& declarations) {
  std::string rule = std::string(selector) + "{";
  for (const std::string& declaration : declarations) {
    if (rule.back() != '{') rule += ";";
    rule += declaration;
  }
  return rule + "}\n";
}

std::string AttributeSelector(std::string_view attribute, std::string_view value) {
  std::string quoted;
  for (const char character : value) {
    if (character == '"' || character == '\\') quoted += '\\';
    quoted += character;
  }
  return "[" + std::string(attribute) + "=\"" + quoted + "\"]";
}

std::string CssPixels(int pixels) { return std::to_string(pixels) + "px"; }

std::string CssColour(window::Rgb rgb) {
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
         std::to_string(rgb.blue) + ")";
}

}  // namespace web
