// The run-macro dialog: a macro of the group or a general one.
#include "TdlgRunMacro.h"

#include "CommandList.h"
#include "TdlgNameChoice.h"
#include "TdlgRunMacroRes.h"

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
