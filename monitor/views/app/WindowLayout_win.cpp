// The layout tables on the skinned toolkit's windows: Windows is needed for
// the forms and the program's translation library.
#include "app/WindowLayout_win.h"

#include "language/LanguageLibrary_win.h"
#include "toolkit/TGoodForm.h"

namespace vantor::views {

int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table, monitor::LayoutLanguage& language)
{
    return ApplyWindowLayout(form.Root(), table, language);
}

int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table)
{
    return ApplyWindowLayout(form, table, monitor::ProgramLanguage());
}

}  // namespace vantor::views
