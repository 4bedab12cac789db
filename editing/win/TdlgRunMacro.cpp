// The run-macro dialog: a macro of the group or a general one.
#include "editing/win/TdlgRunMacro.h"

#include "core/CommandList.h"
#include "editing/win/TdlgNameChoice.h"
#include "editing/win/TdlgRunMacroRes.h"

namespace {

class TdlgRunMacro : public TdlgNameChoice {
  public:
    TdlgRunMacro(EditStore& store, const char* groupID)
        : TdlgNameChoice(IDD_RUNMACRO, IDC_RUNMACRO_CMBMACROS, MacroChoice(store, groupID), kMacroPrefix) {}
};

}  // namespace

std::string getMacroCommand(HWND owner, EditStore& store, const char* groupID) {
    return TdlgRunMacro(store, groupID).Run(owner).value_or("");
}
