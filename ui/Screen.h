#pragma once
// The screen: the program's forms, in the order they were created.
#include <vector>

class TCustomForm;

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int index) const;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form) { FForms.push_back(form); }
  void RemoveForm(TCustomForm* form);

  std::vector<TCustomForm*> FForms;
};

// The program's one screen object.
TScreen& Screen();
