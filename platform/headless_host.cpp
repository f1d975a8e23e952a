#include "platform/headless_host.h"

#include <cmath>

#include "platform/keys.h"
#include "platform/text.h"

namespace mebuki {

HeadlessHost::HeadlessHost(const std::string& keys, std::string time, double scale)
    : canvas_(static_cast<int>(std::lround(kLogicalWidth * scale)), static_cast<int>(std::lround(kLogicalHeight * scale))),
      time_(std::move(time)) {
  for (const std::string& ch : Characters(keys)) {
    if (auto key = keys::FromTypedText(ch)) keys_.push_back(*key);
  }
}

std::string HeadlessHost::Inkey() {
  Show();  // the picture of this step is complete before the next key, as in the window
  if (keys_.empty()) throw EndOfRun{0};
  std::string key = keys_.front();
  keys_.pop_front();
  return key;
}

std::string HeadlessHost::Time() { return time_.empty() ? LocalTime() : time_; }

}  // namespace mebuki
