#include "fake_form.h"

#include "calc/runtime_error.h"

namespace {

template <typename Element, std::size_t N>
void Name(std::array<Element, N>& array, FakeForm* form, const char* name) {
  for (std::size_t i = 0; i < N; ++i) {
    array[i].form = form;
    array[i].name = std::string(name) + "(" + std::to_string(i) + ")";
  }
}

}  // namespace

FakeForm::FakeForm() {
  Name(text2, this, "Text2");
  Name(label2, this, "Label2");
  Name(option1, this, "Option1");
}

void FakeForm::Record(const std::string& operation) {
  log.push_back(operation);
  if (static_cast<int>(log.size()) == failAt_) {
    throw calc::RuntimeError(5, "Injected failure at " + operation);
  }
}

template <typename Element, std::size_t N>
Element& FakeForm::Element_(std::array<Element, N>& array, const char* name, std::int16_t index) {
  Record(std::string(name) + "(" + std::to_string(index) + ")");
  if (index < 0 || static_cast<std::size_t>(index) >= N) {
    throw calc::RuntimeError::SubscriptOutOfRange();
  }
  return array[static_cast<std::size_t>(index)];
}

FakeForm::TextBox& FakeForm::Text2(std::int16_t index) { return Element_(text2, "Text2", index); }

FakeForm::Label& FakeForm::Label2(std::int16_t index) { return Element_(label2, "Label2", index); }

FakeForm::OptionButton& FakeForm::Option1(std::int16_t index) {
  return Element_(option1, "Option1", index);
}

calc::NumberFormat FakeForm::UserNumberFormat() const { return numberFormat; }

std::string FakeForm::TextBox::Text() const {
  form->Record(name + ".Text?");
  return text;
}

void FakeForm::TextBox::SetText(std::string_view value) {
  form->Record(name + ".Text=" + std::string(value));
  text = value;
}

void FakeForm::TextBox::SetLocked(bool value) {
  form->Record(name + ".Locked=" + (value ? "true" : "false"));
  locked = value;
}

void FakeForm::Label::SetCaption(std::string_view value) {
  form->Record(name + ".Caption=" + std::string(value));
  caption = value;
}

void FakeForm::OptionButton::SetCaption(std::string_view value) {
  form->Record(name + ".Caption=" + std::string(value));
  caption = value;
}

void FakeForm::OptionButton::SetValue(bool v) {
  form->Record(name + ".Value=" + (v ? "true" : "false"));
  value = v;
}

std::string FakeForm::Snapshot() const {
  std::string state;
  for (const OptionButton& o : option1) state += o.caption + (o.value ? "[x]|" : "[ ]|");
  for (const Label& l : label2) state += l.caption + "|";
  for (const TextBox& t : text2) state += t.text + (t.locked ? "(locked)|" : "|");
  return state;
}
