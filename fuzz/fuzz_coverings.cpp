// A table of covering codes of any bytes: read and checked, then the
// constructions the reductions make of it.
#include "FuzzSupport.h"

#include "engine/systems/CodeBuilder.h"
#include "engine/systems/CodeTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  using namespace engine::systems;
  const CodeTable table = CodeTable::parse(fuzz::bytes(data, size));
  // What was kept reads back the same.
  if (CodeTable::parse(table.text()).codes().size() != table.codes().size())
    __builtin_trap();
  const CodeBuilder builder(table);
  for (const auto &[t, d, r] : {std::tuple{3, 2, 1}, std::tuple{2, 5, 2}, std::tuple{0, 7, 1}})
    if (const std::optional<CoveringCode> code = builder.build(t, d, r))
      if (!coversSpace(code->space(), r, code->words) || code->size() != builder.size(t, d, r))
        __builtin_trap();
  return 0;
}
