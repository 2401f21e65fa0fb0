#include "tools/openers.h"

#include "tools/about_dialog.h"
#include "tools/favourites_dialog.h"
#include "tools/guide_dialog.h"
#include "tools/notes_dialog.h"
#include "tools/search_dialog.h"
#include "ui/messages.h"

#include <memory>

namespace {

template <class Dialog, class... Args>
void runDialog(Dialog *&variable, Args &...args) noexcept
{
    ui::guarded(nullptr, [&] {
        std::unique_ptr<Dialog> dialog;
        // Declared after the dialog, so it runs first: the variable is emptied before the
        // dialog is destroyed, however the run ends.
        struct Reset {
            Dialog *&variable;
            ~Reset() { variable = nullptr; }
        } reset{variable};
        dialog = std::make_unique<Dialog>(args...);
        variable = dialog.get();
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->exec();
    });
}

} // namespace

void openGuideDialog(store::Database &connection)
{
    runDialog(Fkszn, connection);
}

void openSearchDialog(store::Database &connection)
{
    runDialog(Fcz, connection);
}

void openFavouritesDialog(store::Database &connection)
{
    runDialog(Fsc, connection);
}

void openNotesDialog(store::Database &connection)
{
    runDialog(Fbj, connection);
}

void openAboutDialog()
{
    runDialog(Fabout);
}
