#pragma once
// Texts that follow the language: each setter runs once when it is added and
// again whenever the language changes, so that a window switches language
// without being built anew.

#include <functional>
#include <utility>
#include <vector>

namespace velkora {

class LiveTexts {
 public:
  // Runs set now and on every renew().
  void add(std::function<void()> set) {
    set();
    sets_.push_back(std::move(set));
  }
  void renew() const {
    for (const auto& set : sets_)
      set();
  }

 private:
  std::vector<std::function<void()>> sets_;
};

}  // namespace velkora
