#include "call_module.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "array_storage.h"
#include "call_record.h"

namespace kelvaro::standin {
namespace {

// Slots past the end of those given, preset to a marker, so that a module
// writing beyond its slots is caught instead of corrupting memory.
constexpr std::size_t kGuardSlots = 4;

mxArray* guard_marker() {
  static mxArray marker;
  return &marker;
}

// Hands an array the module stored in an output slot to the caller.
Array take_created(CallRecord& record, mxArray* stored, std::size_t slot) {
  if (stored == nullptr) return nullptr;
  auto& created = record.created_arrays;
  const auto found = std::find_if(
      created.begin(), created.end(),
      [stored](const auto& array) { return array.get() == stored; });
  if (found == created.end()) {
    throw std::logic_error("output slot " + std::to_string(slot + 1) +
                           " holds an array the host did not create");
  }
  return Array(found->release());
}

}  // namespace

CallResult call_module(EntryPoint entry_point, int nlhs,
                       std::vector<const mxArray*> inputs) {
  CallRecord& record = current_call();
  record = {};
  const auto slot_count = static_cast<std::size_t>(std::max(nlhs, 1));
  std::vector<mxArray*> slots(slot_count + kGuardSlots, guard_marker());
  std::fill_n(slots.begin(), slot_count, nullptr);

  CallResult result;
  try {
    entry_point(nlhs, slots.data(), static_cast<int>(inputs.size()),
                inputs.data());
  } catch (const HostError& error) {
    result.error = error;
  }

  result.arrays_created = record.created_arrays.size();
  result.wrote_past_slots =
      std::any_of(slots.begin() + slot_count, slots.end(),
                  [](const mxArray* slot) { return slot != guard_marker(); });
  result.outputs.resize(slot_count);
  if (!result.error) {
    for (std::size_t slot = 0; slot < slot_count; ++slot) {
      result.outputs[slot] = take_created(record, slots[slot], slot);
    }
  }
  result.messages = std::move(record.messages);
  // Whatever the caller did not receive goes back to the host.
  record = {};
  return result;
}

}  // namespace kelvaro::standin
