#include "ui/Screen.h"

#include <string>

#include "ui/Exception.h"

TCustomForm* TScreen::Forms(int index) const {
  if (index < 0 || index >= FormCount()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FForms[static_cast<std::size_t>(index)];
}

void TScreen::RemoveForm(TCustomForm* form) { std::erase(FForms, form); }

TScreen& Screen() {
  static TScreen screen;
  return screen;
}
