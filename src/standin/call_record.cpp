#include "call_record.h"

namespace kelvaro::standin {

CallRecord& current_call() {
  static CallRecord record;
  return record;
}

}  // namespace kelvaro::standin
