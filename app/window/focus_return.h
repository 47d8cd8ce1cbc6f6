#pragma once
// The sliders and the search-mode group never keep the keyboard focus: it
// goes back to whichever of the two lists and the search box was left last,
// so Enter and Delete keep acting there.

namespace lyrova {

template <class Control>
class TFocusReturn {
 public:
  // A list or the search box lost the focus.
  void Exited(Control control) { last_ = control; }

  // The control to give the focus back to, or a null control when none is
  // known yet or the last one cannot take it now.
  template <class CanTakeFocus>
  Control Target(CanTakeFocus canTakeFocus) const {
    return (last_ && canTakeFocus(last_)) ? last_ : Control{};
  }

 private:
  Control last_{};
};

}  // namespace lyrova
