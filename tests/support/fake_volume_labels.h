// Volume labels held in memory, as the buffers the system fills.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/volume_labels.h"

namespace vantrel::test {

class FakeVolumeLabels final : public VolumeLabels {
 public:
  // The label of root, written into a full-size buffer as the system does.
  void Set(std::string root, std::string label) {
    label.resize(kVolumeLabelBuffer, '\0');
    labels_[std::move(root)] = std::move(label);
  }
  std::optional<std::string> LabelBuffer(std::string_view root) override {
    asked.emplace_back(root);
    const auto it = labels_.find(std::string(root));
    if (it == labels_.end()) return std::nullopt;
    return it->second;
  }
  std::vector<std::string> asked;

 private:
  std::map<std::string, std::string> labels_;
};

}  // namespace vantrel::test
