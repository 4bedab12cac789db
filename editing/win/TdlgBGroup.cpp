// The activate-group dialog: any button group.
#include "CommandDialogsRes.h"
#include "CommandList.h"
#include "ParameterDialogs.h"
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
