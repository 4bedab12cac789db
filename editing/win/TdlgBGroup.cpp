// The activate-group dialog: any button group.
#include "editing/win/TdlgBGroup.h"

#include "core/CommandList.h"
#include "editing/win/TdlgBGroupRes.h"
#include "editing/win/TdlgNameChoice.h"

namespace {

class TdlgBGroup : public TdlgNameChoice {
  public:
    explicit TdlgBGroup(EditStore& store)
        : TdlgNameChoice(IDD_BGROUP, IDC_BGROUP_CMBBGROUPS, GroupChoice(store), kGroupPrefix) {}
};

}  // namespace

std::string getGroupCommand(HWND owner, EditStore& store) {
    return TdlgBGroup(store).Run(owner).value_or("");
}
