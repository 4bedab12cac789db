// The command file reader and the ID settling of a load: any text loads
// without a fault, every item ends with a well-formed ID of its own, and a
// file that Tovanix writes from the loaded items loads back with no ID
// changed and no item lost.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

#include "app/cmdfile/CommandFileIDs.h"
#include "app/cmdfile/CommandFileReader.h"
#include "app/cmdfile/CommandFileWriter.h"
#include "core/Text.h"
#include "store/ItemIDs.h"

namespace {

StartLoadPlan Load(std::string_view text) {
    return PlanStartLoad(ReadCommandFile(text), HeldNumbers(kMaxItemNumber + 1),
                         HeldNumbers(kMaxItemNumber + 1));
}

std::string Write(const StartLoadPlan& plan) {
    std::string text;
    for (const TBGroupRecord& group : plan.groups) AppendGroupLines(text, group);
    for (const TMacroRecord& macro : plan.macros) AppendMacroLines(text, macro);
    return text;
}

template <class Records>
void CheckIDsAreUnique(const Records& records) {
    std::set<std::string> ids;
    for (const auto& record : records)
        if (!ids.insert(std::string(FieldText(record.ID))).second) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StartLoadPlan plan = Load(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckIDsAreUnique(plan.groups);
    CheckIDsAreUnique(plan.macros);

    const std::string written = Write(plan);
    const StartLoadPlan again = Load(written);
    if (!again.changedIDs.empty() || again.itemsLeftOut != 0) std::abort();
    if (again.groups.size() != plan.groups.size() || again.macros.size() != plan.macros.size()) std::abort();
    if (Write(again) != written) std::abort();
    return 0;
}
