#include "shell/walk.h"

#include <algorithm>

#include "platform/keys.h"

namespace mebuki {

void WalkHost::Type(int number) {
  for (char c : std::to_string(number)) pending_.emplace_back(1, c);
  pending_.emplace_back(1, keys::kEnter);
}

std::string WalkHost::Inkey() {
  inner_.Show();  // each step is drawn before it is answered, as a reviewer would see it
  if (pending_.empty()) {
    switch (s_.WaitingFor) {
      case kWaitingAtMainMenu:
        section_ = std::min(section_ + 1, s_.ChoiceCount);
        page_ = 0;
        Type(section_);
        break;
      case kWaitingAtSubMenu:
        page_ = std::min(page_ + 1, s_.ChoiceCount);
        exercises_ = 0;
        Type(page_);
        break;
      case kWaitingAtNextStep:
        ++exercises_;
        Type(exercises_ <= 2 ? 2 : 1);  // two new exercises, then back
        break;
      default:
        return " ";  // any key ends a pause
    }
  }
  std::string key = pending_.front();
  pending_.pop_front();
  return key;
}

}  // namespace mebuki
