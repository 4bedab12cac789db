// The activate-group dialog: any button group.
#include "TdlgBGroup.h"

#include "CommandList.h"
#include "TdlgBGroupRes.h"
#include "TdlgNameChoice.h"

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
