#include "shell/description.h"

namespace zentavi {

const ControlEntry* findEntry(const Description& d, ControlId id) {
  for (const ControlEntry& e : d.controls)
    if (e.id == id) return &e;
  return nullptr;
}

}  // namespace zentavi
