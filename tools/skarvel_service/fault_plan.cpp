#include "tools/skarvel_service/fault_plan.h"

#include "platform/ansi_text.h"

namespace skarvel::reference {
namespace {

const std::pair<const char*, FaultAnswer> kNames[] = {
    {"normal", FaultAnswer::kNormal},     {"error", FaultAnswer::kError},
    {"EOF", FaultAnswer::kEof},           {"empty", FaultAnswer::kEmpty},
    {"404", FaultAnswer::kNotFound},      {"garbage", FaultAnswer::kGarbage},
    {"mismatch", FaultAnswer::kMismatch}, {"file", FaultAnswer::kFile},
};

}  // namespace

std::optional<FaultAnswer> ParseFaultAnswer(const std::string& text) {
  for (const auto& [name, answer] : kNames) {
    if (text == name) return answer;
  }
  return std::nullopt;
}

std::string FaultAnswerName(FaultAnswer answer) {
  for (const auto& [name, listed] : kNames) {
    if (listed == answer) return name;
  }
  return "normal";
}

void FaultPlan::Set(const std::string& operation, const Fault& fault) {
  std::lock_guard lock(mutex_);
  faults_[UpperCase(operation)] = fault;
}

void FaultPlan::Clear() {
  std::lock_guard lock(mutex_);
  faults_.clear();
}

Fault FaultPlan::Take(const std::string& operation) {
  std::lock_guard lock(mutex_);
  const auto found = faults_.find(UpperCase(operation));
  if (found == faults_.end()) return Fault{};
  Fault fault = found->second;
  if (found->second.remaining > 0 && --found->second.remaining == 0) faults_.erase(found);
  return fault;
}

}  // namespace skarvel::reference
